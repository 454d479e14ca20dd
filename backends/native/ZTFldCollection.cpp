#include "backends/native/ZTFldCollection.h"

#include <plstr.h>
#include <prmem.h>

#include <cstring>
#include <new>

#include "backends/native/ZTField.h"
#include "backends/native/ZTNativeErrors.h"
#include "core/ZTErrors.h"

namespace {

// Byte-wise order of field names.
int fldSort(const ZTField* a, const char* name) {
  return PL_strcmp(a->GetNameRef(), name);
}

}  // namespace

ZTFldCollection::ZTFldCollection()
    : m_uRecordSize(0), m_ppFields(nullptr), m_uCount(0), m_uCapacity(0) {}

ZTFldCollection::~ZTFldCollection() {
  for (PRUint32 i = 0; i < m_uCount; ++i) m_ppFields[i]->Release();
  PR_Free(m_ppFields);
}

ZTField* ZTFldCollection::FindField(const char* name) const {
  if (!name) return nullptr;
  PRUint32 lo = 0, hi = m_uCount;
  while (lo < hi) {
    const PRUint32 mid = (lo + hi) / 2;
    const int order = fldSort(m_ppFields[mid], name);
    if (order == 0) return m_ppFields[mid];
    if (order < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return nullptr;
}

int ZTFldCollection::Insert(ZTField* field) {
  if (m_uCount == m_uCapacity) {
    void* grown = PR_Realloc(m_ppFields, (m_uCapacity + 10) * sizeof(ZTField*));
    if (!grown) return ZT_E_NOMEM;
    m_ppFields = static_cast<ZTField**>(grown);
    m_uCapacity += 10;
  }
  PRUint32 at = m_uCount;
  while (at > 0 && fldSort(m_ppFields[at - 1], field->GetNameRef()) > 0) {
    m_ppFields[at] = m_ppFields[at - 1];
    --at;
  }
  m_ppFields[at] = field;
  ++m_uCount;
  return ZT_OK;
}

int ZTFldCollection::DeclareField(const char* name, const char* type) {
  ZTField* field = new (std::nothrow) ZTField();
  if (!field || field->SetName(name) || Insert(field)) {
    ztRelease(field);
    return ZTError(ZT_NATIVE_E_DECLALLOC,
                   "[ZTFldCollection::Configure] Failed to allocate %lld bytes",
                   static_cast<long long>(sizeof(ZTField)));
  }
  field->SetDeclarationNumber(m_uCount - 1);
  field->SetOffset(m_uRecordSize);
  if (field->SetType(type)) {
    ZTError(ZT_E_UNHANDLED, "[ZTFldCollection::Configure] ignoring error on token '%s', value '%s'",
            name, type ? type : "(null)");
  }
  m_uRecordSize += field->GetWidth();
  return ZT_OK;
}

int ZTFldCollection::DeclareSubField(const char* token, const char* comma, const char* value) {
  char* name = PL_strndup(token, static_cast<PRUint32>(comma - token));
  if (!name) return ZT_E_NOMEM;
  ZTField* field = FindField(name);
  int rc = ZT_OK;
  if (!field) {
    rc = ZTError(ZT_NATIVE_E_UNKNOWN,
                 "[ZTPageFile::Configure] Trying to configure %s which is not a known field", name);
  } else if ((field->GetType() == ftData || field->GetType() == ftLink) &&
             field->GetDeclarationNumber() + 1 != m_uCount) {
    // Growing a field that others follow would make it overlap them.
    rc = ZTError(ZT_NATIVE_E_SUBFIELD,
                 "[ZTFldCollection::Configure] Sub-field %s declared after the field that follows "
                 "%s",
                 token, name);
  }
  PL_strfree(name);
  if (rc) return rc;
  const PRUint32 before = field->GetWidth();
  rc = field->Configure(comma + 1, value);
  if (!rc) m_uRecordSize += field->GetWidth() - before;
  return rc;
}

int ZTFldCollection::Configure(const char* token, const char* value) {
  if (!token) return ZT_E_INVALID;
  const char* comma = std::strchr(token, ',');
  return comma ? DeclareSubField(token, comma, value) : DeclareField(token, value);
}

int ZTFldCollection::Check() {
  for (PRUint32 i = 0; i < m_uCount; ++i) {
    int rc = m_ppFields[i]->Check();
    if (rc) return rc;
  }
  return ZT_OK;
}

int ZTFldCollection::GetField(const char* name, ZTIField** ppField) const {
  if (!ppField) return ZT_E_NULLOUT;
  ZTField* field = FindField(name);
  *ppField = field;
  if (!field) {
    return ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTFldCollection::GetField] Field `%s' is unknown.",
                   name ? name : "(null)");
  }
  field->AddRef();
  return ZT_OK;
}

int ZTFldCollection::GetFieldCount(PRUint32* puCount) const {
  if (!puCount) return ZT_E_NULLOUT;
  *puCount = m_uCount;
  return ZT_OK;
}

int ZTFldCollection::GetField(PRUint32 index, ZTIField** ppField) const {
  if (!ppField) return ZT_E_NULLOUT;
  *ppField = nullptr;
  for (PRUint32 i = 0; i < m_uCount; ++i) {
    if (m_ppFields[i]->GetDeclarationNumber() == index) {
      *ppField = m_ppFields[i];
      m_ppFields[i]->AddRef();
      return ZT_OK;
    }
  }
  return ZT_NATIVE_E_UNKNOWN;
}

int ZTFldCollection::GetFieldName(PRUint32 index, char** ppcName) const {
  if (!ppcName) return ZT_E_NULLOUT;
  *ppcName = nullptr;
  ZTIField* field = nullptr;
  if (index >= m_uCount || GetField(index, &field)) {
    return ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTFldCollection::GetFieldName] Field #%lld is unknown.",
                   static_cast<long long>(index));
  }
  int rc = field->GetName(ppcName);
  field->Release();
  return rc;
}

ZTField* ZTFldCollection::FieldForValue(const char* name, const char* operation) const {
  ZTField* field = FindField(name);
  if (!field) {
    ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTFldCollection::%s ]Field `%s' unknown.", operation,
            name ? name : "(null)");
  }
  return field;
}

int ZTFldCollection::GetUNumFieldValue(const PRUint8* record, const char* name,
                                       PRUint32* puValue) const {
  ZTField* field = FieldForValue(name, "GetUNumFieldValue");
  return field ? field->GetUNumFieldValue(record, puValue) : ZT_NATIVE_E_UNKNOWN;
}

int ZTFldCollection::GetSNumFieldValue(const PRUint8* record, const char* name,
                                       PRInt32* piValue) const {
  ZTField* field = FieldForValue(name, "GetSNumFieldValue");
  return field ? field->GetSNumFieldValue(record, piValue) : ZT_NATIVE_E_UNKNOWN;
}
