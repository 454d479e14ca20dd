#include "backends/native/ZTField.h"

#include <plstr.h>
#include <prmem.h>
#include <prprf.h>

#include <initializer_list>
#include <new>
#include <vector>

#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/detail/ztValueReaders.h"
#include "core/ZTErrors.h"
#include "find/ZTIRecordSet.h"
#include "find/ztCreateRecordSet.h"

ZTField::ZTField()
    : m_pcName(nullptr),
      m_uDeclaration(0),
      m_uOffset(0),
      m_uWidth(0),
      m_eType(ftUnknown),
      m_pOffsetField(nullptr),
      m_pCountField(nullptr),
      m_pPackField(nullptr),
      m_ppFiles(nullptr),
      m_uFileSlots(0),
      m_pLinked(nullptr) {}

ZTField::~ZTField() {
  for (PRUint32 i = 0; i < m_uFileSlots; ++i) ztRelease(m_ppFiles[i]);
  PR_Free(m_ppFiles);
  ztRelease(m_pLinked);
  ztRelease(m_pOffsetField);
  ztRelease(m_pCountField);
  ztRelease(m_pPackField);
  PL_strfree(m_pcName);
}

int ZTField::GetName(char** ppcName) const {
  if (!ppcName) return ZT_E_NULLOUT;
  *ppcName = m_pcName ? PL_strdup(m_pcName) : nullptr;
  return *ppcName ? ZT_OK : ZT_NATIVE_E_VALUE;
}

int ZTField::GetFieldType(ztfFieldType* peType) {
  if (!peType) return ZT_E_NULLOUT;
  if (m_eType == ftData)
    *peType = ztfFieldData;
  else if (m_eType == ftLink)
    *peType = ztfFieldLink;
  else if (ztIsUnsignedType(m_eType))
    *peType = ztfFieldUNum;
  else if (ztIsSignedType(m_eType))
    *peType = ztfFieldSNum;
  else
    *peType = ztfFieldUnknown;
  return ZT_OK;
}

int ZTField::GetLinkSubRecordSet(ZTIRecordSet** ppRecordSet) {
  if (m_eType != ftLink) return ZT_E_FAILED;
  if (!ppRecordSet) return ZT_E_NULLOUT;
  *ppRecordSet = m_pLinked;
  if (m_pLinked) m_pLinked->AddRef();
  return ZT_OK;
}

int ZTField::SetName(const char* name) {
  char* copy = PL_strdup(name);
  if (!copy) return ZT_E_NOMEM;
  PL_strfree(m_pcName);
  m_pcName = copy;
  return ZT_OK;
}

int ZTField::SetType(const char* name) {
  const ZTFieldTypeInfo* info = ztFindFieldType(name);
  if (!info) {
    return ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTField::SetType] Do not know anything about type %s",
                   name ? name : "(null)");
  }
  return SetType(info->m_eType);
}

int ZTField::SetType(_FieldType type) {
  if (type == ftUnknown) {
    return ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTField::SetType] Can not manage UNKNOWN type...");
  }
  const ZTFieldTypeInfo* info = ztFindFieldType(type);
  if (!info) return ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTField::SetType] Type size is unknown...");
  m_eType = type;
  m_uWidth = info->m_uWidth;
  ComputeOffsets();
  return ZT_OK;
}

void ZTField::SetOffset(PRUint32 offset) {
  m_uOffset = offset;
  ComputeOffsets();
}

void ZTField::ComputeOffsets() {
  if (m_eType != ftData && m_eType != ftLink) return;
  PRUint32 width = 0;
  for (ZTField* sub : {m_pOffsetField, m_pCountField, m_pPackField}) {
    if (!sub) continue;
    sub->m_uOffset = m_uOffset + width;
    width += sub->m_uWidth;
  }
  m_uWidth = width;
}

ZTField** ZTField::SubSlot(const char* sub) {
  if (PL_strcmp(sub, "OFFSET") == 0) return &m_pOffsetField;
  if (PL_strcmp(sub, "COUNT") == 0) return &m_pCountField;
  if (m_eType == ftData && PL_strcmp(sub, "PACKID") == 0) return &m_pPackField;
  return nullptr;
}

int ZTField::Configure(const char* sub, const char* type) {
  if (m_eType != ftData && m_eType != ftLink) {
    return ZTError(ZT_NATIVE_E_SUBFIELD,
                   "[ZTField::Configure] Configure called for %s field (%s=%s), which is not a "
                   "composite field (type = %lld).",
                   m_pcName, sub, type, static_cast<long long>(m_eType));
  }
  ZTField** slot = SubSlot(sub);
  if (!slot) {
    return ZTError(ZT_NATIVE_E_SUBFIELD,
                   "[ZTField::Configure] Configure called for %s field (%s=%s). Key is incorrect.",
                   m_pcName, sub, type);
  }
  if (*slot) {
    return ZTError(ZT_NATIVE_E_SUBFIELD,
                   "[ZTField::Configure] Configure called for %s field (%s=%s). Key given twice "
                   "or more.",
                   m_pcName, sub, type);
  }
  ZTField* field = new (std::nothrow) ZTField();
  char* name = field ? PR_smprintf("%s,%s", m_pcName, sub) : nullptr;
  if (!name || field->SetName(name)) {
    if (name) PR_smprintf_free(name);
    ztRelease(field);
    return ZTError(ZT_NATIVE_E_DECLALLOC, "[ZTField::Configure] Mem. Allocation");
  }
  PR_smprintf_free(name);
  field->SetType(type);  // an unknown type is logged and leaves the sub-field without width
  *slot = field;
  ComputeOffsets();
  return ZT_OK;
}

int ZTField::ConfigureComposite(PRUint32 pack, const char* key, const char* value) {
  if (m_eType == ftData) return ConfigureFile(pack, key, value);
  if (m_eType == ftLink) return ConfigureLink(key, value);
  return ZT_E_FAILED;
}

int ZTField::GrowFiles(PRUint32 pack) {
  if (pack >= kZTMaxPacks) {
    return ZTError(ZT_E_BADOPTION,
                   "[ZTField::ConfigureFile] Pack %u of %s is above the limit of %u", pack,
                   m_pcName, kZTMaxPacks - 1);
  }
  if (pack < m_uFileSlots) return ZT_OK;
  const PRUint32 slots = pack + 10;
  void* grown = PR_Realloc(m_ppFiles, slots * sizeof(ZTPageFile*));
  if (!grown) return ZT_E_NOMEM;
  m_ppFiles = static_cast<ZTPageFile**>(grown);
  for (PRUint32 i = m_uFileSlots; i < slots; ++i) m_ppFiles[i] = nullptr;
  m_uFileSlots = slots;
  return ZT_OK;
}

int ZTField::ConfigureFile(PRUint32 pack, const char* key, const char* value) {
  int rc = GrowFiles(pack);
  if (rc) return rc;
  if (!m_ppFiles[pack]) m_ppFiles[pack] = new (std::nothrow) ZTPageFile();
  if (!m_ppFiles[pack]) return ZT_E_NOMEM;
  return m_ppFiles[pack]->ConfigureItem("", key, value);
}

int ZTField::ConfigureLink(const char* key, const char* value) {
  if (PL_strcmp(key, "RSURL") != 0) {
    return ZTError(ZT_NATIVE_E_VALUE, "[ZTField::ConfigureLink] unknown configuration token '%s'",
                   key ? key : "(null)");
  }
  ZTIRecordSet* linked = nullptr;
  const int rc = ztCreateRecordSet(value, &linked);
  if (rc) return rc;
  ztRelease(m_pLinked);
  m_pLinked = linked;
  return ZT_OK;
}

int ZTField::CheckNumeric(const PRUint8* record, const void* out, const char* operation) const {
  if (record && out && m_uWidth >= 1 && m_uWidth <= 4 && m_eType != ftData && m_eType != ftLink) {
    return ZT_OK;
  }
  return ZTError(ZT_NATIVE_E_VALUE, "[ZTField::%s] %s is not a numeric field", operation,
                 m_pcName ? m_pcName : "(unnamed)");
}

int ZTField::GetUNumFieldValue(const PRUint8* record, PRUint32* puValue) const {
  int rc = CheckNumeric(record, puValue, "GetUNumFieldValue");
  if (!rc) *puValue = g_pfUValueReaders[m_uWidth](record + m_uOffset);
  return rc;
}

namespace {

template <PRUint32 Width>
void ReadColumn(const PRUint8* bytes, PRUint32 size, PRUint32 count, PRUint32* values) {
  for (PRUint32 i = 0; i < count; ++i, bytes += size) {
    PRUint32 value = bytes[0];
    if (Width > 1) value |= static_cast<PRUint32>(bytes[1]) << 8;
    if (Width > 2) value |= static_cast<PRUint32>(bytes[2]) << 16;
    if (Width > 3) value |= static_cast<PRUint32>(bytes[3]) << 24;
    values[i] = value;
  }
}

}  // namespace

int ZTField::GetUNumFieldValues(const PRUint8* records, PRUint32 size, PRUint32 count,
                                PRUint32* values) const {
  if (count == 0) return ZT_OK;
  const int rc = CheckNumeric(records, values, "GetUNumFieldValues");
  if (rc) return rc;
  const PRUint8* bytes = records + m_uOffset;
  switch (m_uWidth) {
    case 1:
      ReadColumn<1>(bytes, size, count, values);
      break;
    case 2:
      ReadColumn<2>(bytes, size, count, values);
      break;
    case 3:
      ReadColumn<3>(bytes, size, count, values);
      break;
    default:
      ReadColumn<4>(bytes, size, count, values);
  }
  return ZT_OK;
}

int ZTField::GetSNumFieldValue(const PRUint8* record, PRInt32* piValue) const {
  int rc = CheckNumeric(record, piValue, "GetSNumFieldValue");
  if (!rc) *piValue = g_pfSValueReaders[m_uWidth](record + m_uOffset);
  return rc;
}

int ZTField::GetLinkCount(const PRUint8* record, const PRUint8* successor, PRUint32 id,
                          PRUint32* puCount) const {
  if (m_eType != ftLink || !m_pOffsetField) {
    return ZTError(ZT_NATIVE_E_RECORD,
                   "[ZTRecord::GetLinkFieldCount] Not called with a link field");
  }
  if (m_pCountField) return m_pCountField->GetUNumFieldValue(record, puCount);
  if (!successor) {
    return ZTError(
        ZT_NATIVE_E_RECORD,
        "[ZTRecord::GetDataFieldValue] Not count for data and record detached from table.");
  }
  PRUint32 first = 0, end = 0;
  int rc = m_pOffsetField->GetUNumFieldValue(record, &first);
  if (rc) return rc;
  if (successor == ZT_NO_SUCCESSOR) {
    rc = m_pLinked ? m_pLinked->GetCount(&end) : ZT_E_FAILED;
    if (rc) return ZTError(rc, "[ZTRecord::GetLinkFieldCount] LIN not initialized.");
  } else if ((rc = m_pOffsetField->GetUNumFieldValue(successor, &end)) != ZT_OK) {
    return rc;
  }
  if (end < first) return LinkEndsEarly(id, end, first);
  *puCount = end - first;
  return ZT_OK;
}

int ZTField::LinkEndsEarly(PRUint32 id, PRUint32 end, PRUint32 first) {
  return ZTError(ZT_NATIVE_E_RECORD,
                 "[ZTRecord::GetLinkFieldCount] The link of record %u would end before it starts "
                 "(%u < %u)",
                 id, end, first);
}

int ZTField::GetLinkCounts(const PRUint8* records, PRUint32 size, PRUint32 count, bool successor,
                           PRUint32 id, PRUint32* values) const {
  if (count == 0) return ZT_OK;
  if (m_eType != ftLink || !m_pOffsetField || m_pCountField) {
    for (PRUint32 i = 0; i < count; ++i, records += size) {
      const PRUint8* next = i + 1 < count || successor ? records + size : ZT_NO_SUCCESSOR;
      const int rc = GetLinkCount(records, next, id + i, &values[i]);
      if (rc) return rc;
    }
    return ZT_OK;
  }
  // Each link ends where the next one starts: the offsets are read as one column.
  std::vector<PRUint32> starts(count + 1);
  int rc = m_pOffsetField->GetUNumFieldValues(records, size, successor ? count + 1 : count,
                                              starts.data());
  if (!rc && !successor) {
    rc = m_pLinked ? m_pLinked->GetCount(&starts[count]) : ZT_E_FAILED;
    if (rc) return ZTError(rc, "[ZTRecord::GetLinkFieldCount] LIN not initialized.");
  }
  for (PRUint32 i = 0; !rc && i < count; ++i) {
    if (starts[i + 1] < starts[i]) return LinkEndsEarly(id + i, starts[i + 1], starts[i]);
    values[i] = starts[i + 1] - starts[i];
  }
  return rc;
}

ZTField* ZTField::GetOffsetField() const {
  if (m_pOffsetField) m_pOffsetField->AddRef();
  return m_pOffsetField;
}

ZTField* ZTField::GetCountField() const {
  if (m_pCountField) m_pCountField->AddRef();
  return m_pCountField;
}

ZTField* ZTField::GetPackField() const {
  if (m_pPackField) m_pPackField->AddRef();
  return m_pPackField;
}

int ZTField::GetFile(ZTPageFile** ppFile, PRUint32 pack) const {
  *ppFile = nullptr;
  if (pack >= m_uFileSlots || !m_ppFiles[pack]) {
    return ZTError(ZT_NATIVE_E_UNKNOWN, "[ZTField::GetFile] File ID is incorrect.");
  }
  *ppFile = m_ppFiles[pack];
  m_ppFiles[pack]->AddRef();
  return ZT_OK;
}

int ZTField::GetFile(const PRUint8* record, ZTPageFile** ppFile) const {
  *ppFile = nullptr;
  if (m_eType != ftData) return ZT_E_FAILED;
  PRUint32 pack = 0;
  if (m_pPackField) {
    int rc = m_pPackField->GetUNumFieldValue(record, &pack);
    if (rc) return rc;
  }
  return GetFile(ppFile, pack);
}

int ZTField::Check() {
  for (PRUint32 i = 0; m_eType == ftData && i < m_uFileSlots; ++i) {
    int rc = m_ppFiles[i] ? m_ppFiles[i]->Check() : ZT_OK;
    if (rc) return rc;
  }
  return ZT_OK;
}
