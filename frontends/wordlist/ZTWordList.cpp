#include "frontends/wordlist/ZTWordList.h"

#include <plstr.h>
#include <prenv.h>
#include <prmem.h>

#include <cstdlib>
#include <cstring>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecordSet.h"
#include "find/ztRefAssign.h"
#include "frontends/wordlist/detail/ztWordListTables.h"

ZT_DEFINE_ZTIID(ZTWordList, ZTTextFile,
                {0xd3bb92fe, 0x54a4, 0x4981, {0xae, 0x87, 0x3b, 0x04, 0xc8, 0x12, 0xe1, 0xf1}})

const char* const ZTWordList::kDefaultSimplifierURL = "simplifier:unicode:uni_case,uni_comp";

namespace {

// Set when the variable holds a non-zero decimal number.
PRUint8 ReadPresorted() {
  const char* value = PR_GetEnv("ZTF_FE_WORDLIST_PRESORTED");
  return value && std::strtol(value, nullptr, 10) != 0 ? 1 : 0;
}

}  // namespace

ZTWordList::ZTWordList()
    : m_pWordTable(nullptr),
      m_pWordFields(nullptr),
      m_pLookupTable(nullptr),
      m_pLookupField(nullptr),
      m_pLookupSubField(nullptr),
      m_pTextTokenField(nullptr),
      m_pRevLookupTable(nullptr),
      m_pRevLookupField(nullptr),
      m_pCapLookupTable(nullptr),
      m_pCapLookupField(nullptr),
      m_pCapLookupSubField(nullptr),
      m_pRevCapLookupTable(nullptr),
      m_pRevCapLookupField(nullptr),
      m_bPresorted(ReadPresorted()),
      m_iInterrupt(0),
      m_pSimplifier(nullptr) {}

ZTWordList::~ZTWordList() {
  ztRelease(m_pSimplifier);
  ztRelease(m_pRevCapLookupField);
  ztRelease(m_pRevCapLookupTable);
  ztRelease(m_pCapLookupSubField);
  ztRelease(m_pCapLookupField);
  ztRelease(m_pCapLookupTable);
  ztRelease(m_pRevLookupField);
  ztRelease(m_pRevLookupTable);
  ztRelease(m_pTextTokenField);
  ztRelease(m_pLookupSubField);
  ztRelease(m_pLookupField);
  ztRelease(m_pLookupTable);
  ztRelease(m_pWordFields);
  ztRelease(m_pWordTable);
}

int ZTWordList::SetFileName(const char* name, const char* subname) {
  int rc = ZTTextFile::SetFileName(name, subname);
  if (rc == ZT_OK) rc = SetSimplifierURL(kDefaultSimplifierURL);
  if (rc == ZT_OK) rc = ParseConfiguration();
  return rc;
}

int ZTWordList::SetSimplifierURL(const char* url) {
  ztRelease(m_pSimplifier);
  void* simplifier = nullptr;
  const int rc = ztCreateComponent(url, ztIStringSimplifier::GetZTIID(), &simplifier);
  m_pSimplifier = static_cast<ztIStringSimplifier*>(simplifier);
  return rc;
}

int ZTWordList::GetSimplifier(ztIStringSimplifier** ppOut) {
  if (!ppOut) return ZTError(ZT_E_NULLOUT, "[ZTWordList::GetSimplifier] null out-pointer");
  *ppOut = m_pSimplifier;
  if (m_pSimplifier) m_pSimplifier->AddRef();
  return ZT_OK;
}

int ZTWordList::SimplifyKey(const char* key, char** ppcOut) {
  *ppcOut = nullptr;
  if (!m_pSimplifier) return ZTError(ZT_E_STATE, "[ZTWordList::SimplifyKey] No simplifier");
  // The simplifier may free or move the buffer it is given: it works on a copy.
  const PRUint32 length = PL_strlen(key);
  char* copy = static_cast<char*>(PR_Malloc(length + 1));
  if (!copy) return ZT_E_NOMEM;
  memcpy(copy, key, length + 1);
  PRUint32 size = length + 1;
  const int rc = m_pSimplifier->SimplifyRealloc(&copy, &size);
  if (rc != ZT_OK) {
    PR_Free(copy);
    return rc;
  }
  *ppcOut = copy;
  return ZT_OK;
}

int ZTWordList::SetWordTable(ZTIRecordSet* set) {
  ZTIFldCollection* fields = nullptr;
  const int rc = set->GetFldCollection(&fields);
  if (rc != ZT_OK) return rc;
  ztAssignRef(m_pWordTable, set);
  ztRelease(m_pWordFields);
  m_pWordFields = fields;
  return ZT_OK;
}

int ZTWordList::SetWordRecordSet(ZTIRecordSet* set) {
  return set ? SetWordTable(set) : ZT_E_FAILED;
}

int ZTWordList::GetWordRecordSet(ZTIRecordSet** ppSet) {
  if (!ppSet) return ZT_E_NULLOUT;
  ztHandOutRef(m_pWordTable, ppSet);
  return ZT_OK;
}

int ZTWordList::SetLookupRecordSet(ZTIRecordSet* set, ZTIField* field, ZTIField* subField,
                                   ZTIField* textTokenField) {
  if (!set || !textTokenField) return ZT_E_FAILED;
  ztAssignRef(m_pLookupTable, set);
  ztAssignRef(m_pLookupField, field);
  ztAssignRef(m_pLookupSubField, subField);
  ztAssignRef(m_pTextTokenField, textTokenField);
  return ZT_OK;
}

int ZTWordList::SetRevLookupRecordSet(ZTIRecordSet* set, ZTIField* field) {
  if (!set || !field) return ZT_E_FAILED;
  ztAssignRef(m_pRevLookupTable, set);
  ztAssignRef(m_pRevLookupField, field);
  return ZT_OK;
}

int ZTWordList::SetCapLookupRecordSet(ZTIRecordSet* set, ZTIField* field, ZTIField* subField) {
  if (!set || !field || !subField) return ZT_E_FAILED;
  ztAssignRef(m_pCapLookupTable, set);
  ztAssignRef(m_pCapLookupField, field);
  ztAssignRef(m_pCapLookupSubField, subField);
  return ZT_OK;
}

int ZTWordList::SetRevCapLookupRecordSet(ZTIRecordSet* set, ZTIField* field) {
  if (!set || !field) return ZT_E_FAILED;
  ztAssignRef(m_pRevCapLookupTable, set);
  ztAssignRef(m_pRevCapLookupField, field);
  return ZT_OK;
}

namespace {

template <class T>
void HandOut(T* value, T** ppOut) {
  if (ppOut) ztHandOutRef(value, ppOut);
}

}  // namespace

int ZTWordList::GetLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField, ZTIField** ppSubField,
                                   ZTIField** ppTextTokenField) {
  HandOut(m_pLookupTable, ppSet);
  HandOut(m_pLookupField, ppField);
  HandOut(m_pLookupSubField, ppSubField);
  HandOut(m_pTextTokenField, ppTextTokenField);
  return ZT_OK;
}

int ZTWordList::GetRevLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField) {
  HandOut(m_pRevLookupTable, ppSet);
  HandOut(m_pRevLookupField, ppField);
  return ZT_OK;
}

int ZTWordList::GetCapLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField,
                                      ZTIField** ppSubField) {
  HandOut(m_pCapLookupTable, ppSet);
  HandOut(m_pCapLookupField, ppField);
  HandOut(m_pCapLookupSubField, ppSubField);
  return ZT_OK;
}

int ZTWordList::GetRevCapLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField) {
  HandOut(m_pRevCapLookupTable, ppSet);
  HandOut(m_pRevCapLookupField, ppField);
  return ZT_OK;
}
