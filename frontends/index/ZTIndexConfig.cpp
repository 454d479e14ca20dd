// The configuration lines of an index: the wildcard word list, the fields that chain the word
// table to the document-occurrence and occurrence tables, the query separators, the stop words
// and the links that plain query words may follow.
#include <plstr.h>
#include <prmem.h>

#include <cstdlib>
#include <new>

#include "core/ZTErrors.h"
#include "core/ZTIntegerList.h"
#include "core/ZTStringList.h"
#include "find/ZTIField.h"
#include "find/ZTIRecordSet.h"
#include "find/ztFieldByName.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/wordlist/ZTWildCardWordList.h"

namespace {

const char kWho[] = "ZTIndex::SetFileName";
// More links than any word list has fields; bounds the link arrays.
const PRUint32 kMaxLinks = 256;
// The hard separators of a configuration that names none: ! # ( ) + , . / : ; < > ^ _ ` [ ] { | }
// ~ - and space.
const PRUint32 kDefaultHard[] = {0x21, 0x23, 0x28, 0x29, 0x2B, 0x2C, 0x2E, 0x2F,
                                 0x3A, 0x3B, 0x3C, 0x3E, 0x5E, 0x5F, 0x60, 0x5B,
                                 0x5D, 0x7B, 0x7C, 0x7D, 0x7E, 0x2D, 0x20};
const PRUint32 kDefaultSoft[] = {0x27};
const char kDefaultException[] = "aujourd'hui";

bool Is(const char* a, const char* b) {
  return PL_strcmp(a, b) == 0;
}

// Replaces *ppField by the field named value of the record set link points into; an empty value
// (when allowed) leaves the field unset; 3 without link.
int SubField(ZTIField* link, const char* value, bool optional, ZTIField** ppField) {
  if (optional && !*value) {
    ztRelease(*ppField);
    return ZT_OK;
  }
  if (!link) return 3;
  ZTIRecordSet* set = nullptr;
  int rc = link->GetLinkSubRecordSet(&set);
  ZTIField* field = nullptr;
  if (rc == ZT_OK) rc = ztFieldByName(set, value, &field);
  ztRelease(set);
  if (rc != ZT_OK) return rc;
  ztRelease(*ppField);
  *ppField = field;
  return ZT_OK;
}

// Replaces *ppList by a new list loaded by load.
template <class List, class Load>
int Replace(List** ppList, Load load) {
  List* list = new (std::nothrow) List();
  if (!list) return ZT_E_NOMEM;
  const int rc = load(list);
  if (rc != ZT_OK) {
    list->Release();
    return rc;
  }
  ztRelease(*ppList);
  *ppList = list;
  return ZT_OK;
}

int CodePoints(ZTIntegerList** ppList, const char* value) {
  return Replace(ppList,
                 [value](ZTIntegerList* list) { return list->SetListFromAsciiString(value); });
}

int Words(ZTStringList** ppList, const char* path) {
  return Replace(ppList, [path](ZTStringList* list) { return list->SetFileName(path, nullptr); });
}

int Defaults(ZTIntegerList** ppList, const PRUint32* values, PRUint32 count) {
  if (*ppList) return ZT_OK;
  return Replace(
      ppList, [=](ZTIntegerList* list) { return list->SetListFromArray(values, count, PR_TRUE); });
}

}  // namespace

int ZTIndex::SetFileName(const char* path, const char* base) {
  m_bConfigured = 0;
  m_bInitialized = 0;
  int rc = ZTTextFile::SetFileName(path, base);
  if (rc == ZT_OK) rc = ParseConfiguration();
  if (rc == ZT_OK) rc = CheckConfigured();
  if (rc == ZT_OK) rc = FillDefaults();
  if (rc == ZT_OK) m_bConfigured = 1;
  return rc;
}

// Queries need the word table, the document link and identifier fields, and positions need
// their field once the occurrence link is given.
int ZTIndex::CheckConfigured() const {
  const char* missing = !m_pWordRecordSet                 ? "section WILDCARDWORDLIST"
                        : !m_pDocLinkField                ? "DOCLINKFIELD"
                        : !m_pDocIdField                  ? "DOCIDFIELD"
                        : m_pOccLinkField && !m_pOccField ? "OCCFIELD"
                                                          : nullptr;
  if (!missing) return ZT_OK;
  return ZTError(ZT_E_INVALID, "[%s] The configuration %s names no %s", kWho,
                 m_pcPath ? m_pcPath : "", missing);
}

int ZTIndex::FillDefaults() {
  int rc = Defaults(&m_pSoftSeparators, kDefaultSoft, 1);
  if (rc == ZT_OK) {
    rc = Defaults(&m_pHardSeparators, kDefaultHard, sizeof(kDefaultHard) / sizeof(kDefaultHard[0]));
  }
  if (rc == ZT_OK && !m_pExceptions) {
    rc = Replace(&m_pExceptions,
                 [](ZTStringList* list) { return list->SetListWithOneWord(kDefaultException); });
  }
  return rc;
}

int ZTIndex::ConfigureItem(const char* section, const char* key, const char* value) {
  if (!section || !key) return ZT_OK;
  if (!value) value = "";
  if (Is(section, "WILDCARDWORDLIST")) return ConfigureWordList(key, value);
  if (Is(section, "WORDTABLE")) return ConfigureWordTable(key, value);
  if (Is(section, "SEPARATORS")) return ConfigureSeparators(key, value);
  if (Is(section, "STOPWORDLIST")) return ConfigureStopWords(key, value);
  if (Is(section, "LINKS")) return ConfigureLinks(key, value);
  return ZT_E_UNHANDLED;
}

int ZTIndex::ConfigureWordList(const char* key, const char* value) {
  if (!Is(key, "PATH")) return ZT_E_UNHANDLED;
  ZTWildCardWordList* list = new (std::nothrow) ZTWildCardWordList();
  if (!list) return ZT_E_NOMEM;
  ZTIRecordSet* words = nullptr;
  int rc = list->SetFileName(value, nullptr);
  if (rc == ZT_OK) rc = list->GetWordRecordSet(&words);
  if (rc != ZT_OK) {
    list->Release();
    return rc;
  }
  ztRelease(m_pWordList);
  m_pWordList = list;
  ztRelease(m_pWordRecordSet);
  m_pWordRecordSet = words;
  return ZT_OK;
}

int ZTIndex::ConfigureWordTable(const char* key, const char* value) {
  if (Is(key, "DOCLINKFIELD")) {
    if (!m_pWordRecordSet) return 3;
    ZTIField* field = nullptr;
    const int rc = ztFieldByName(m_pWordRecordSet, value, &field);
    if (rc != ZT_OK) return rc;
    ztRelease(m_pDocLinkField);
    m_pDocLinkField = field;
    return ZT_OK;
  }
  if (Is(key, "DOCIDFIELD")) return SubField(m_pDocLinkField, value, false, &m_pDocIdField);
  if (Is(key, "STRUCTUREFIELD")) return SubField(m_pDocLinkField, value, true, &m_pStructureField);
  if (Is(key, "OCCLINKFIELD")) return SubField(m_pDocLinkField, value, true, &m_pOccLinkField);
  if (Is(key, "OCCFIELD")) return SubField(m_pOccLinkField, value, true, &m_pOccField);
  return ZT_E_UNHANDLED;
}

int ZTIndex::ConfigureSeparators(const char* key, const char* value) {
  if (Is(key, "HARD")) return CodePoints(&m_pHardSeparators, value);
  if (Is(key, "SOFT")) return CodePoints(&m_pSoftSeparators, value);
  if (Is(key, "EXCEPTIONS")) return Words(&m_pExceptions, value);
  return 3;
}

int ZTIndex::ConfigureStopWords(const char* key, const char* value) {
  if (Is(key, "PATH")) return Words(&m_pStopWords, value);
  return 3;
}

int ZTIndex::ConfigureLinks(const char* key, const char* value) {
  if (Is(key, "COUNT")) return SetLinkCount(value);
  static const char* const kEntries[] = {"FIELD", "SUBFIELD", "MERGE"};
  for (const char* name : kEntries) {
    if (PL_strncmp(key, name, PL_strlen(name)) == 0) {
      return SetLinkEntry(name, key + PL_strlen(name), value);
    }
  }
  return ZT_E_UNHANDLED;
}

void ZTIndex::FreeLinks() {
  for (PRUint32 i = 0; i < m_uLinkCount; ++i) {
    if (m_ppcLinkFields && m_ppcLinkFields[i]) PL_strfree(m_ppcLinkFields[i]);
    if (m_ppcLinkSubFields && m_ppcLinkSubFields[i]) PL_strfree(m_ppcLinkSubFields[i]);
  }
  PR_FREEIF(m_ppcLinkFields);
  PR_FREEIF(m_ppcLinkSubFields);
  PR_FREEIF(m_piLinkMerge);
  m_uLinkCount = 0;
}

int ZTIndex::SetLinkCount(const char* value) {
  char* end = nullptr;
  const long count = std::strtol(value, &end, 10);
  if (end == value || *end || count < 0 || count > static_cast<long>(kMaxLinks)) {
    return ZTError(500, "[%s] Bad link count value: %s", kWho, value);
  }
  FreeLinks();
  if (count == 0) return ZT_OK;
  m_ppcLinkFields = static_cast<char**>(PR_Calloc(count, sizeof(char*)));
  m_ppcLinkSubFields = static_cast<char**>(PR_Calloc(count, sizeof(char*)));
  m_piLinkMerge = static_cast<int*>(PR_Calloc(count, sizeof(int)));
  if (!m_ppcLinkFields || !m_ppcLinkSubFields || !m_piLinkMerge) {
    FreeLinks();
    return ZTError(501, "[%s] Can not allocate memory", kWho);
  }
  m_uLinkCount = static_cast<PRUint32>(count);
  return ZT_OK;
}

// rest follows the entry's name: a comma and the link number, from 1 to the link count.
int ZTIndex::SetLinkEntry(const char* name, const char* rest, const char* value) {
  if (*rest != ',') return ZTError(500, "[%s] Missing comma after %s", kWho, name);
  const long number = std::strtol(rest + 1, nullptr, 10);
  if (number < 1 || number > static_cast<long>(m_uLinkCount)) {
    return ZTError(500, "[%s] Bad link number value for %s: %lld", kWho, name,
                   static_cast<long long>(number) - 1);
  }
  const PRUint32 i = static_cast<PRUint32>(number - 1);
  if (Is(name, "MERGE")) {
    m_piLinkMerge[i] = Is(value, "YES") || Is(value, "1") || Is(value, "TRUE");
    return ZT_OK;
  }
  char** slot = Is(name, "FIELD") ? &m_ppcLinkFields[i] : &m_ppcLinkSubFields[i];
  char* copy = PL_strdup(value);
  if (!copy) return ZTError(501, "[%s] Can not allocate memory", kWho);
  if (*slot) PL_strfree(*slot);
  *slot = copy;
  return ZT_OK;
}
