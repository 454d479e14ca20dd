// ZTWordList::GetWords: the range of keys of one lookup table, mapped to word-table records.
#include <plstr.h>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorFilterRecordWrapper.h"
#include "find/ZTIRecordFilter.h"
#include "find/ZTIRecordSet.h"
#include "find/ztKeyString.h"
#include "find/ztResolveRS.h"
#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/detail/ztKeyTextFilter.h"

namespace {

// The first record whose key is not below key: one after the last record before it.
int FirstNotBelow(ZTIRecordSet* table, const char* key, PRUint32* puFirst) {
  PRUint32 before = 0;
  const int rc = table->LookupText(key, ztfLookupBefore, &before);
  if (rc == ZT_E_NOTFOUND) {
    *puFirst = 0;
    return ZT_OK;
  }
  if (rc == ZT_OK) *puFirst = before + 1;
  return rc;
}

// [*puStart, *puEnd): every key beginning with prefix (a copy from the NSPR allocator that
// is changed). A prefix of bytes 0xFF only has no next string: its range runs to the end.
int PrefixRange(ZTIRecordSet* table, char* prefix, PRUint32* puStart, PRUint32* puEnd) {
  int rc = FirstNotBelow(table, prefix, puStart);
  if (rc != ZT_OK) return rc;
  zt_nextString(prefix);
  if (*prefix == '\0') return table->GetCount(puEnd);
  return FirstNotBelow(table, prefix, puEnd);
}

// Every record whose key equals key: a table may hold the same key more than once (one
// record per homograph), so the run of equal keys is taken, not only one record.
int ExactRange(ZTIRecordSet* table, const char* key, PRUint32* puStart, PRUint32* puEnd) {
  return table->LookupTextRun(key, puStart, puEnd);
}

// An exact search for the empty key finds nothing (record sets refuse to look it up); the
// other modes find every key.
int KeyRange(ZTIRecordSet* table, int mode, const char* key, PRUint32* puStart, PRUint32* puEnd) {
  *puStart = *puEnd = 0;
  if (mode == ZTWordList::eExact) return *key ? ExactRange(table, key, puStart, puEnd) : ZT_OK;
  if (!*key) return table->GetCount(puEnd);
  char* prefix = PL_strdup(key);
  if (!prefix) return ZT_E_NOMEM;
  if (mode == ZTWordList::eEndsWith) zt_invertString(prefix);
  const int rc = PrefixRange(table, prefix, puStart, puEnd);
  PL_strfree(prefix);
  return rc;
}

const char* MissingTableMessage(int mode, bool simplified) {
  if (mode == ZTWordList::eEndsWith) {
    return simplified ? "[ZTWordList::GetWords] RevCapLookup table is missing"
                      : "[ZTWordList::GetWords] RevLookup table is missing";
  }
  return simplified ? "[ZTWordList::GetWords] CapLookup table is missing"
                    : "[ZTWordList::GetWords] Lookup table is missing";
}

}  // namespace

int ZTWordList::GetWords(int mode, int bExactTables, ZTIRecordFilter* filter, const char* links,
                         const char* key, ZTCursor** ppOut) {
  return GetFilteredWords(mode, bExactTables, nullptr, filter, links, key, ppOut);
}

int ZTWordList::GetFilteredWords(int mode, int bExactTables, ztKeyTextFilter* keyFilter,
                                 ZTIRecordFilter* filter, const char* links, const char* key,
                                 ZTCursor** ppOut) {
  if (!ppOut || mode < eExact || mode > eEndsWith) {
    return ZTError(ZT_E_INVALID, "[ZTWordList::GetWords] Invalid arguments");
  }
  *ppOut = nullptr;
  if (!m_pWordTable) return ZTError(ZT_E_FAILED, "[ZTWordList::GetWords] Word table is missing");
  m_iInterrupt = 0;
  if (!key) key = "";
  if (!*key && mode != eExact) {
    mode = eBeginsWith;
    bExactTables = 1;
  }
  Search search;
  int rc = SelectTable(mode, bExactTables, &search);
  ZTCursor* cursor = nullptr;
  if (rc == ZT_OK) rc = FindRange(search, key, &cursor);
  if (rc == ZT_OK && keyFilter && search.m_bSimplified) {
    rc = FilterKeys(keyFilter, search.m_pTable, &cursor);
  }
  if (rc == ZT_OK) rc = ToLookupRecords(search, &cursor);
  if (rc == ZT_OK && filter)
    rc = Step(ApplyFilter(filter, m_pLookupTable, cursor), cursor, &cursor);
  if (rc == ZT_OK) rc = ToWords(&cursor);
  if (rc == ZT_OK) rc = ResolveLinks(cursor, links, ppOut);
  ztRelease(cursor);
  m_iInterrupt = 0;
  return rc;
}

int ZTWordList::SelectTable(int mode, int bExactTables, Search* search) {
  search->m_iMode = mode;
  search->m_bSimplified = !bExactTables;
  if (mode == eEndsWith) {
    search->m_pTable = bExactTables ? m_pRevLookupTable : m_pRevCapLookupTable;
    search->m_pNumberField = bExactTables ? m_pRevLookupField : m_pRevCapLookupField;
  } else {
    search->m_pTable = bExactTables ? m_pLookupTable : m_pCapLookupTable;
    search->m_pNumberField = nullptr;
  }
  const bool linked = bExactTables || (m_pCapLookupField && m_pCapLookupSubField);
  if (search->m_pTable && linked && (mode != eEndsWith || search->m_pNumberField)) return ZT_OK;
  return ZTError(ZT_E_FAILED, "%s", MissingTableMessage(mode, search->m_bSimplified));
}

int ZTWordList::FindRange(const Search& search, const char* key, ZTCursor** ppOut) {
  PRUint32 start = 0, end = 0;
  int rc = KeyRange(search.m_pTable, search.m_iMode, key, &start, &end);
  if (rc != ZT_OK) return rc;
  ZTCursor* cursor = new ZTCursor();
  rc = cursor->InitStartCount(start, end > start ? end - start : 0);
  if (rc != ZT_OK) {
    cursor->Release();
    return rc;
  }
  *ppOut = cursor;
  return ZT_OK;
}

// Reverse tables lead to their forward table; simplified keys to the exact lookup table.
int ZTWordList::ToLookupRecords(const Search& search, ZTCursor** ppCursor) {
  ZTCursor* next = nullptr;
  int rc = ZT_OK;
  if (search.m_iMode == eEndsWith) {
    rc = ztResolveRSUNum(*ppCursor, search.m_pTable, search.m_pNumberField, m_bPresorted,
                         &m_iInterrupt, &next);
    if ((rc = Step(rc, next, ppCursor)) != ZT_OK) return rc;
  }
  if (!search.m_bSimplified) return ZT_OK;
  rc = ztResolveRSLink(*ppCursor, m_pCapLookupTable, m_pCapLookupField, m_pCapLookupSubField,
                       m_bPresorted, &m_iInterrupt, &next);
  return Step(rc, next, ppCursor);
}

ZTIField* ZTWordList::GetSimplifiedKeyField(int mode, ztIStringSimplifier* simplifier) {
  ZTIRecordSet* table = mode == eEndsWith ? m_pRevCapLookupTable : m_pCapLookupTable;
  ZTIField* field = nullptr;
  if (!simplifier || simplifier != m_pSimplifier || !table) return nullptr;
  return table->GetLookupField(&field) == ZT_OK ? field : nullptr;
}

// A range of keys (the usual case) is read in one go; other lists go record by record.
int ZTWordList::FilterKeys(ztKeyTextFilter* filter, ZTIRecordSet* table, ZTCursor** ppCursor) {
  int rc = (*ppCursor)->ComputeCursorForm();
  const PRUint32 count = (*ppCursor)->GetCount();
  if (rc != ZT_OK || count == 0) return rc;
  if (!ztIsRun((*ppCursor)->GetArray(), count)) {
    return Step(ApplyFilter(filter, table, *ppCursor), *ppCursor, ppCursor);
  }
  ZTCursor* kept = nullptr;
  rc = filter->FilterRun(table, (*ppCursor)->GetArray()[0], count, &kept);
  return Step(rc, kept, ppCursor);
}

int ZTWordList::ApplyFilter(ZTIRecordFilter* filter, ZTIRecordSet* table, ZTCursor* cursor) {
  if (!table) {
    return ZTError(ZT_E_FAILED, "%s", MissingTableMessage(eExact, false));
  }
  int rc = filter->SetRecordSet(table);
  if (rc != ZT_OK) return rc;
  ZTCursorFilterRecordWrapper* wrapper = new ZTCursorFilterRecordWrapper();
  rc = wrapper->SetRecordFilter(filter, 1);
  if (rc == ZT_OK) rc = cursor->Filter(wrapper);
  wrapper->Release();
  return rc;
}

// Lookup records lead to words through the lookup field: a link with its sub-field, or a
// number field.
int ZTWordList::ToWords(ZTCursor** ppCursor) {
  if (!m_pLookupField) return ZT_OK;
  ZTCursor* next = nullptr;
  int rc;
  if (m_pLookupSubField) {
    rc = ztResolveRSLink(*ppCursor, m_pLookupTable, m_pLookupField, m_pLookupSubField, m_bPresorted,
                         &m_iInterrupt, &next);
  } else {
    rc = ztResolveRSUNum(*ppCursor, m_pLookupTable, m_pLookupField, m_bPresorted, &m_iInterrupt,
                         &next);
  }
  return Step(rc, next, ppCursor);
}

int ZTWordList::Step(int rc, ZTCursor* next, ZTCursor** ppCursor) {
  if (rc == ZT_OK && next != *ppCursor) {
    ztRelease(*ppCursor);
    *ppCursor = next;
  } else if (next != *ppCursor) {
    ztRelease(next);
  }
  if (rc == ZT_OK && m_iInterrupt) rc = ZT_E_STOPPED;
  return rc;
}
