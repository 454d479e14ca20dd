#include "tools/zt/work/ZTWork.h"

#include <plstr.h>
#include <prmem.h>

#include <algorithm>

#include "core/ZTBinary.h"
#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/ztFieldByName.h"
#include "find/ztResolveRS.h"
#include "frontends/fs/ZTFSDirectory.h"
#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/wordlist/ZTRegExpWordList.h"
#include "frontends/wordlist/ZTWildCardWordList.h"
#include "tools/zt/work/ztDirectory.h"
#include "tools/zt/work/ztWorkLayout.h"

namespace {

bool Is(const char* a, const char* b) {
  return PL_strcmp(a, b) == 0;
}

// A stored text without its final NUL.
std::string TextOf(const PRUint8* bytes, PRUint32 length) {
  std::string text(reinterpret_cast<const char*>(bytes), bytes ? length : 0);
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::string TextOf(ZTBinary* value) {
  std::string text = TextOf(value->GetData(), value->GetLength());
  value->Release();
  return text;
}

// Collects each text with its record, after those already there.
class TextCollector : public ZTIDataValueVisitor {
 public:
  explicit TextCollector(std::vector<std::pair<std::string, PRUint32>>* pTexts)
      : m_pTexts(pTexts) {}
  int VisitDataValue(PRUint32 uRecord, const PRUint8* value, PRUint32 length) override {
    m_pTexts->emplace_back(TextOf(value, length), uRecord);
    return ZT_OK;
  }

 private:
  std::vector<std::pair<std::string, PRUint32>>* m_pTexts;
};

template <class List>
int OpenList(const std::string& path, List** ppList) {
  if (!ztExists(path)) return ZTError(ZT_E_NOTFOUND, "%s is missing", path.c_str());
  *ppList = new List();
  return (*ppList)->SetFileName(path.c_str(), nullptr);
}

// The field named name of the record set that link points into.
int LinkedField(ZTIField* link, const char* name, ZTIField** ppField) {
  ZTIRecordSet* set = nullptr;
  int rc = link->GetLinkSubRecordSet(&set);
  if (rc == ZT_OK) rc = ztFieldByName(set, name, ppField);
  ztRelease(set);
  return rc;
}

// "/" and the names from the root down to the object, the root's own name left out.
int PathOf(ZTFSObject* object, std::string* pPath) {
  const int kMaxDepth = 64;
  std::string path = object->GetName() ? object->GetName() : "";
  ZTFSDirectory* parent = nullptr;
  int rc = object->GetLocation(&parent);
  for (int depth = 0; rc == ZT_OK && parent && depth < kMaxDepth; ++depth) {
    ZTFSDirectory* next = nullptr;
    rc = parent->GetLocation(&next);
    if (rc == ZT_OK && next) {
      path = std::string(parent->GetName() ? parent->GetName() : "") + "/" + path;
    }
    parent->Release();
    parent = next;
  }
  ztRelease(parent);
  *pPath = "/" + path;
  return rc;
}

}  // namespace

ZTWork::ZTWork() = default;

ZTWork::~ZTWork() {
  ztRelease(m_pSimplifier);
  ztRelease(m_pFiles);
  ztRelease(m_pIndex);
  ztRelease(m_pFileField);
  ztRelease(m_pEntryField);
  ztRelease(m_pWordField);
  ztRelease(m_pWordTable);
  ztRelease(m_pRegExpWords);
  ztRelease(m_pWords);
}

int ZTWork::ConfigureItem(const char* section, const char* key, const char* value) {
  if (!section || !key) return ZT_OK;
  const std::string text = value ? value : "";
  m_description.emplace_back(std::string(section) + "/" + key, text);
  if (Is(section, "WORK")) {
    if (Is(key, "NAME")) m_name = text;
    if (Is(key, "TITLE")) m_title = text;
    if (Is(key, "SPELLING")) m_spelling = text;
    if (Is(key, "SIMPLIFIER")) m_simplifierUrl = text;
    if (Is(key, "PRESORTED")) m_bPresorted = text == "1";
    if (Is(key, "SORTEDHEADWORDS")) m_bSortedHeadwords = text == "1";
  } else if (Is(key, "PATH")) {
    std::string* path = Is(section, "WORDLIST")     ? &m_wordListPath
                        : Is(section, "INDEX")      ? &m_indexPath
                        : Is(section, "FILESYSTEM") ? &m_fileSystemPath
                                                    : nullptr;
    if (path) *path = m_directory + "/" + text;
  }
  return ZT_OK;
}

int ZTWork::Open(const std::string& directory) {
  m_directory = directory;
  int rc = SetFileName((directory + "/" + kZtWorkFile).c_str(), nullptr);
  if (rc != ZT_OK) {
    return ZTError(ZT_E_NOTFOUND, "%s is not a work: it has no readable %s", directory.c_str(),
                   kZtWorkFile);
  }
  rc = ParseConfiguration();
  if (rc == ZT_OK && (m_wordListPath.empty() || m_indexPath.empty() || m_fileSystemPath.empty())) {
    rc = ZTError(ZT_E_INVALID, "%s/%s does not name its headword list, index and articles",
                 directory.c_str(), kZtWorkFile);
  }
  return rc == ZT_OK ? OpenParts() : rc;
}

int ZTWork::OpenParts() {
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  if (rc == ZT_OK) rc = envir->SetValue("ZTF_FE_INDEX_PRESORTED", m_bPresorted ? "1" : "0");
  void* simplifier = nullptr;
  if (rc == ZT_OK) {
    const char* url =
        m_simplifierUrl.empty() ? ZTWordList::kDefaultSimplifierURL : m_simplifierUrl.c_str();
    rc = ztCreateComponent(url, ztIStringSimplifier::GetZTIID(), &simplifier);
    m_pSimplifier = static_cast<ztIStringSimplifier*>(simplifier);
  }
  if (rc == ZT_OK) rc = OpenList(m_wordListPath, &m_pWords);
  if (rc == ZT_OK) rc = OpenList(m_wordListPath, &m_pRegExpWords);
  if (rc == ZT_OK) rc = m_pWords->GetWordRecordSet(&m_pWordTable);
  if (rc == ZT_OK) rc = ztFieldByName(m_pWordTable, "WORD", &m_pWordField);
  if (rc == ZT_OK) rc = ztFieldByName(m_pWordTable, kZtEntryLink, &m_pEntryField);
  if (rc == ZT_OK) rc = LinkedField(m_pEntryField, kZtEntryField, &m_pFileField);
  if (rc == ZT_OK) rc = OpenList(m_indexPath, &m_pIndex);
  if (rc == ZT_OK) rc = OpenList(m_fileSystemPath, &m_pFiles);
  return rc;
}

int ZTWork::Lookup(const std::string& word, Mode mode, bool caseSensitive, PRUint32 limit,
                   std::vector<ZTWorkHeadword>* pOut) {
  pOut->clear();
  ZTCursor* words = nullptr;
  // Keys are simplified by the simplifier of the list's own tables; given back to a pattern
  // search, it lets the list check the pattern against those tables' keys.
  ZTWordList* list = mode == kRegExp ? static_cast<ZTWordList*>(m_pRegExpWords) : m_pWords;
  ztIStringSimplifier* simplifier = nullptr;
  int rc = caseSensitive ? ZT_OK : list->GetSimplifier(&simplifier);
  if (rc == ZT_OK && !caseSensitive && !simplifier) {
    rc = ZTError(ZT_E_FAILED, "The headword list of %s has no simplifier", m_directory.c_str());
  }
  if (rc == ZT_OK && mode == kWildCard) {
    rc = m_pWords->GetWildCardWords(simplifier, nullptr, word.c_str(), nullptr, &words);
  } else if (rc == ZT_OK && mode == kRegExp) {
    rc = m_pRegExpWords->GetRegExpWords(simplifier, nullptr, word.c_str(), nullptr, &words);
  } else if (rc == ZT_OK) {
    rc = LookupKey(word, mode, simplifier, &words);
  }
  if (rc == ZT_OK) rc = WordsToHeadwords(words, limit, pOut);
  ztRelease(words);
  ztRelease(simplifier);
  return rc;
}

// An exact, beginning or ending look-up: the simplified tables hold simplified keys, so the key
// is simplified the same way (case-sensitive look-ups, without simplifier, read the exact ones).
int ZTWork::LookupKey(const std::string& word, Mode mode, ztIStringSimplifier* simplifier,
                      ZTCursor** ppWords) {
  const int search = mode == kExact    ? ZTWordList::eExact
                     : mode == kBegins ? ZTWordList::eBeginsWith
                                       : ZTWordList::eEndsWith;
  char* key = nullptr;
  int rc = simplifier ? simplifier->SimplifyToNew(word.c_str(), &key, nullptr) : ZT_OK;
  if (rc == ZT_OK) {
    rc = m_pWords->GetWords(search, simplifier ? 0 : 1, nullptr, nullptr, key ? key : word.c_str(),
                            ppWords);
  }
  if (key) PR_Free(key);
  return rc;
}

// The words' texts first, sorted; entries are resolved only for the first words, until the
// limit is reached.
int ZTWork::WordsToHeadwords(ZTCursor* words, PRUint32 limit, std::vector<ZTWorkHeadword>* pOut) {
  int rc = words->ComputeCursorForm();
  if (rc == ZT_OK && words->GetCount() == 1) {
    rc = AddOnlyWord(words->GetArray()[0], pOut);
    if (pOut->size() > limit) pOut->resize(limit);
    return rc;
  }
  std::vector<std::pair<std::string, PRUint32>> texts;
  // Words numbered in the order of their texts come sorted: only the first are read.
  const PRUint32 read = m_bSortedHeadwords && words->GetCount() > limit ? limit : words->GetCount();
  const PRUint32* numbers = rc == ZT_OK ? words->GetArray() : nullptr;
  for (PRUint32 i = 0, n = 1; rc == ZT_OK && i < read; i += n) {
    // Consecutive words have their texts read in one go.
    for (n = 1; i + n < read && numbers[i + n] == numbers[i] + n;) ++n;
    if (n > 1) {
      TextCollector collector(&texts);
      rc = m_pWordTable->VisitDataValues(m_pWordField, numbers[i], n, &collector);
    } else {
      texts.emplace_back(std::string(), numbers[i]);
      rc = WordText(numbers[i], &texts.back().first);
    }
  }
  if (!m_bSortedHeadwords) std::sort(texts.begin(), texts.end());
  pOut->reserve(std::min<size_t>(limit, texts.size()));
  for (size_t i = 0; rc == ZT_OK && i < texts.size() && pOut->size() < limit;) {
    size_t n = 1;  // consecutive words, no more of them than headwords still wanted
    while (i + n < texts.size() && n < limit - pOut->size() &&
           texts[i + n].second == texts[i].second + n) {
      ++n;
    }
    rc = AddHeadwords(texts, i, static_cast<PRUint32>(n), pOut);
    i += n;
  }
  if (pOut->size() > limit) pOut->resize(limit);
  return rc;
}

int ZTWork::WordText(PRUint32 word, std::string* pText) {
  ZTIRecord* record = nullptr;
  ZTBinary* text = nullptr;
  int rc = m_pWordTable->GetRecord(word, &record);
  if (rc == ZT_OK) rc = record->GetDataFieldValue(m_pWordField, &text);
  if (rc == ZT_OK) *pText = TextOf(text);
  ztRelease(record);
  return rc;
}

// The headwords of n consecutive words, from texts[at] on: their entries are read in one go
// when the word table tells the range their links cover.
int ZTWork::AddHeadwords(const std::vector<std::pair<std::string, PRUint32>>& texts, size_t at,
                         PRUint32 n, std::vector<ZTWorkHeadword>* pOut) {
  ZTIRecordSet* linked = nullptr;
  ZTCursor* counts = nullptr;
  ZTCursor* files = nullptr;
  PRUint32 first = 0, count = 0;
  const PRUint32 word = texts[at].second;
  int rc = n > 1 ? m_pWordTable->ExtractLinkRange(m_pEntryField, word, n, &linked, &first, &count)
                 : ZT_E_UNSUPPORTED;
  if (rc == ZT_E_UNSUPPORTED) {
    rc = ZT_OK;
    for (PRUint32 k = 0; rc == ZT_OK && k < n; ++k) {
      rc = AddHeadword(texts[at + k].second, texts[at + k].first, pOut);
    }
  } else {
    if (rc == ZT_OK) rc = m_pWordTable->ExtractLinkCounts(m_pEntryField, word, n, &counts);
    if (rc == ZT_OK) rc = linked->ExtractCursor(m_pFileField, first, count, &files);
    if (rc == ZT_OK) rc = counts->ComputeCursorForm();
    if (rc == ZT_OK) rc = files->ComputeCursorForm();
    for (PRUint32 k = 0, next = 0; rc == ZT_OK && k < n; ++k) {
      for (PRUint32 c = 0; c < counts->GetArray()[k] && next < files->GetCount(); ++c) {
        pOut->push_back({texts[at + k].first, files->GetArray()[next++]});
      }
    }
  }
  ztRelease(files);
  ztRelease(counts);
  ztRelease(linked);
  return rc;
}

int ZTWork::AddHeadword(PRUint32 word, const std::string& headword,
                        std::vector<ZTWorkHeadword>* pOut) {
  ZTIRecord* record = nullptr;
  int rc = m_pWordTable->GetRecord(word, &record);
  if (rc == ZT_OK) rc = AddEntries(record, headword, pOut);
  ztRelease(record);
  return rc;
}

// The text and the entries of a look-up's only word, from one record.
int ZTWork::AddOnlyWord(PRUint32 word, std::vector<ZTWorkHeadword>* pOut) {
  ZTIRecord* record = nullptr;
  ZTBinary* text = nullptr;
  int rc = m_pWordTable->GetRecord(word, &record);
  if (rc == ZT_OK) rc = record->GetDataFieldValue(m_pWordField, &text);
  if (rc == ZT_OK) rc = AddEntries(record, TextOf(text), pOut);
  ztRelease(record);
  return rc;
}

// One headword per entry the word leads to, in file order.
int ZTWork::AddEntries(ZTIRecord* word, const std::string& headword,
                       std::vector<ZTWorkHeadword>* pOut) {
  ZTCursor* files = nullptr;
  int rc = ztLinkedValues(word, m_pEntryField, m_pFileField, &files);
  if (rc == ZT_OK) rc = files->ComputeCursorForm();
  if (rc == ZT_OK && pOut->empty()) pOut->reserve(files->GetCount());
  for (PRUint32 k = 0; rc == ZT_OK && k < files->GetCount(); ++k) {
    pOut->push_back({headword, files->GetArray()[k]});
  }
  ztRelease(files);
  return rc;
}

// The entry identifier an article file is named after ("<id>.html").
int ZTWork::ArticleId(PRUint32 file, std::string* pId) {
  ZTFSFile* found = nullptr;
  const int rc = m_pFiles->GetFile(file, &found);
  if (rc == ZT_OK) *pId = found->GetName() ? found->GetName() : "";
  ztRelease(found);
  if (pId->size() > 5 && pId->compare(pId->size() - 5, 5, ".html") == 0)
    pId->resize(pId->size() - 5);
  return rc;
}

int ZTWork::Describe(PRUint32 file, std::string* pTitle, std::string* pPath) {
  ZTFSFile* found = nullptr;
  ZTBinary* title = nullptr;
  int rc = m_pFiles->GetFile(file, &found);
  if (rc == ZT_OK) rc = found->GetTitle(&title);
  if (rc == ZT_OK) *pTitle = TextOf(title);
  if (rc == ZT_OK) rc = PathOf(found, pPath);
  ztRelease(found);
  return rc;
}

int ZTWork::FindArticle(const std::string& path, PRUint32* puFile) {
  ZTFSFile* found = nullptr;
  int rc = m_pFiles->GetFile(path.c_str(), &found);
  if (rc == ZT_OK) rc = found->GetFSObjectId(puFile);
  ztRelease(found);
  return rc;
}
