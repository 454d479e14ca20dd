// The configuration lines of a word list: one section per record set, each naming the record
// set (RSURL) before its fields.
#include <plstr.h>

#include "core/ZTErrors.h"
#include "find/ZTIField.h"
#include "find/ZTIRecordSet.h"
#include "find/ztCreateRecordSet.h"
#include "find/ztFieldByName.h"
#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/detail/ztWordListTables.h"

namespace {

bool Is(const char* a, const char* b) {
  return PL_strcmp(a, b) == 0;
}

// Replaces *ppSet by the record set the value names.
int CreateInto(const char* value, ZTIRecordSet** ppSet) {
  ZTIRecordSet* set = nullptr;
  const int rc = ztCreateRecordSet(value, &set);
  if (rc != ZT_OK) return rc;
  ztRelease(*ppSet);
  *ppSet = set;
  return ZT_OK;
}

// Replaces *ppField by field (taking its reference) when rc is 0.
int Store(int rc, ZTIField* field, ZTIField** ppField) {
  if (rc != ZT_OK) return rc;
  ztRelease(*ppField);
  *ppField = field;
  return ZT_OK;
}

// Replaces *ppField by the field named value of set; 1 before the set exists.
int FieldInto(ZTIRecordSet* set, const char* value, ZTIField** ppField) {
  if (!set) return ZT_E_INVALID;
  ZTIField* field = nullptr;
  const int rc = ztFieldByName(set, value, &field);
  return Store(rc, field, ppField);
}

// Replaces *ppField by the field named value of the record set that link points to; 1
// before the link field exists.
int SubFieldInto(ZTIField* link, const char* value, ZTIField** ppField) {
  if (!link) return ZT_E_INVALID;
  ZTIField* field = nullptr;
  const int rc = ztLinkedFieldByName(link, value, &field);
  return Store(rc, field, ppField);
}

}  // namespace

int ZTWordList::ConfigureItem(const char* section, const char* key, const char* value) {
  if (!key || !section) return ZT_OK;
  if (Is(section, "WORDTABLE")) return ConfigureWordTable(key, value);
  if (Is(section, "LOOKUPTABLE")) return ConfigureLookup(key, value);
  if (Is(section, "REVLOOKUPTABLE")) {
    return ConfigureNumbered(key, value, &m_pRevLookupTable, &m_pRevLookupField);
  }
  if (Is(section, "CAPLOOKUPTABLE")) return ConfigureCapLookup(key, value);
  if (Is(section, "REVCAPLOOKUPTABLE")) {
    return ConfigureNumbered(key, value, &m_pRevCapLookupTable, &m_pRevCapLookupField);
  }
  return ZT_E_UNHANDLED;
}

int ZTWordList::ConfigureWordTable(const char* key, const char* value) {
  if (!Is(key, "RSURL")) return ZT_E_UNHANDLED;
  ZTIRecordSet* set = nullptr;
  int rc = ztCreateRecordSet(value, &set);
  if (rc == ZT_OK) rc = SetWordTable(set);
  ztRelease(set);
  return rc;
}

int ZTWordList::ConfigureLookup(const char* key, const char* value) {
  if (Is(key, "RSURL")) {
    const int rc = CreateInto(value, &m_pLookupTable);
    if (rc != ZT_OK || m_pWordTable) return rc;
    return SetWordTable(m_pLookupTable);
  }
  if (Is(key, "FIELD")) return FieldInto(m_pLookupTable, value, &m_pLookupField);
  if (Is(key, "TEXTTOKENFIELD")) return FieldInto(m_pLookupTable, value, &m_pTextTokenField);
  if (!Is(key, "SUBFIELD")) return ZT_E_UNHANDLED;
  if (!m_pLookupTable) return ZT_E_INVALID;
  int link = 0;
  // A number field leads to the word table by itself: its sub-field is ignored.
  if (m_pLookupField && (m_pLookupField->IsLink(&link) != ZT_OK || !link)) return ZT_OK;
  return SubFieldInto(m_pLookupField, value, &m_pLookupSubField);
}

int ZTWordList::ConfigureCapLookup(const char* key, const char* value) {
  if (Is(key, "SIMPURL")) return SetSimplifierURL(value);
  if (Is(key, "SUBFIELD")) {
    if (!m_pCapLookupTable) return ZT_E_INVALID;
    return SubFieldInto(m_pCapLookupField, value, &m_pCapLookupSubField);
  }
  return ConfigureNumbered(key, value, &m_pCapLookupTable, &m_pCapLookupField);
}

int ZTWordList::ConfigureNumbered(const char* key, const char* value, ZTIRecordSet** ppSet,
                                  ZTIField** ppField) {
  if (Is(key, "RSURL")) return CreateInto(value, ppSet);
  if (Is(key, "FIELD")) return FieldInto(*ppSet, value, ppField);
  return ZT_E_UNHANDLED;
}
