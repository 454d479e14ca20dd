// Following the links of a word list: a links text "field,subfield,merge|..." maps the
// words found, entry by entry, through the word table's link or number fields.
#include <plstr.h>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ztResolveRS.h"
#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/detail/ztWordListTables.h"

namespace {

// One entry cut in place into its three parts; false without two commas.
struct LinkEntry {
  const char* m_pcField;
  const char* m_pcSubField;
  const char* m_pcMerge;

  bool Parse(char* entry) {
    char* first = PL_strchr(entry, ',');
    char* second = first ? PL_strchr(first + 1, ',') : nullptr;
    if (!second) return false;
    *first = *second = '\0';
    m_pcField = entry;
    m_pcSubField = first + 1;
    m_pcMerge = second + 1;
    return true;
  }
};

}  // namespace

int ZTWordList::ResolveLinks(ZTCursor* words, const char* links, ZTCursor** ppOut) {
  if (!ppOut || !words)
    return ZTError(ZT_E_INVALID, "[ZTWordList::ResolveLinks] Invalid arguments");
  *ppOut = nullptr;
  words->AddRef();
  if (!links || !*links) {
    *ppOut = words;
    return ZT_OK;
  }
  char* copy = PL_strdup(links);
  if (!copy) {
    words->Release();
    return ZTError(ZT_E_FAILED, "[ZTWordList::ResolveLinks] Out of memory");
  }
  ZTCursor* current = words;
  int rc = ZT_OK;
  for (char* entry = copy; entry && rc == ZT_OK;) {
    char* bar = PL_strchr(entry, '|');
    if (bar) *bar = '\0';
    ZTCursor* next = nullptr;
    rc = Follow(current, entry, &next);
    if (rc == ZT_OK) {
      current->Release();
      current = next;
    } else if (rc == ZT_E_INVALID) {
      ZTError(rc, "[ZTWordList::ResolveLinks] Invalid link field '%s'", links);
    }
    entry = bar ? bar + 1 : nullptr;
  }
  PL_strfree(copy);
  if (rc == ZT_OK) {
    *ppOut = current;
  } else {
    current->Release();
  }
  return rc;
}

// One entry: the new cursor, with the current one merged in when the entry says so. 1 for a
// malformed entry (the caller logs it with the whole links text).
int ZTWordList::Follow(ZTCursor* current, char* entry, ZTCursor** ppOut) {
  LinkEntry parts;
  if (!parts.Parse(entry)) return ZT_E_INVALID;
  ZTCursor* next = nullptr;
  int rc = *parts.m_pcSubField ? ResolveLink(current, parts.m_pcField, parts.m_pcSubField, &next)
                               : ResolveUNum(current, parts.m_pcField, &next);
  if (rc == ZT_OK && m_iInterrupt) rc = ZT_E_STOPPED;
  if (rc == ZT_OK && *parts.m_pcMerge) rc = next->Merge(current, ztfOr);
  if (rc == ZT_OK) {
    *ppOut = next;
  } else {
    ztRelease(next);
  }
  return rc;
}

int ZTWordList::ResolveLink(ZTCursor* words, const char* field, const char* subField,
                            ZTCursor** ppOut) {
  if (!m_pWordFields)
    return ZTError(ZT_E_FAILED, "[ZTWordList::ResolveLink] Word table is missing");
  ZTIField* link = nullptr;
  ZTIField* target = nullptr;
  int rc = m_pWordFields->GetField(field, &link);
  if (rc == ZT_OK) rc = ztLinkedFieldByName(link, subField, &target);
  if (rc == ZT_OK) {
    rc = ztResolveRSLink(words, m_pWordTable, link, target, m_bPresorted, &m_iInterrupt, ppOut);
  }
  ztRelease(target);
  ztRelease(link);
  return rc;
}

int ZTWordList::ResolveUNum(ZTCursor* words, const char* field, ZTCursor** ppOut) {
  if (!m_pWordFields)
    return ZTError(ZT_E_FAILED, "[ZTWordList::ResolveUNum] Word table is missing");
  ZTIField* number = nullptr;
  int rc = m_pWordFields->GetField(field, &number);
  if (rc == ZT_OK) {
    rc = ztResolveRSUNum(words, m_pWordTable, number, m_bPresorted, &m_iInterrupt, ppOut);
  }
  ztRelease(number);
  return rc;
}
