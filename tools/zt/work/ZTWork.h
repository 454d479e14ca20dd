// ZTWork: a compiled work opened for reading: headword look-ups in every mode, full-text
// searches ranked by pertinence with highlighted snippets, and articles with the hits of a
// query highlighted. Every answer comes from the engine (word lists, index, file system).
#ifndef TOOLS_ZT_WORK_ZTWORK_H_
#define TOOLS_ZT_WORK_ZTWORK_H_

#include <prtypes.h>

#include <string>
#include <utility>
#include <vector>

#include "core/ZTTextFile.h"

class ZTCursor;
class ZTFileSystem;
class ZTIRecordSet;
class ZTIndex;
class ZTIField;
class ZTIRecord;
class ZTIndexResult;
class ZTRegExpWordList;
class ZTWildCardWordList;
class ztIStringSimplifier;

struct ZTWorkHeadword {
  std::string m_headword;  // the spelling found
  PRUint32 m_uFile = 0;    // the article's file record (ArticleId names its entry)
};

struct ZTWorkHit {
  PRUint32 m_uDocument = 0;  // the article's file record
  std::string m_title;
  std::string m_path;
  PRUint32 m_uScore = 0;
  std::string m_snippet;  // text around the first hit, hits between "<mark>" and "</mark>"
};

class ZTWork : public ZTTextFile {
 public:
  enum Mode { kExact, kBegins, kEnds, kWildCard, kRegExp };

  ZTWork();
  ~ZTWork() override;

  // Opens the work in directory: its description, headword list, index and articles. 11 when
  // it is not a work, else the engine's code.
  int Open(const std::string& directory);
  int ConfigureItem(const char* section, const char* key, const char* value) override;

  const std::string& GetName() const { return m_name; }
  const std::string& GetTitle() const { return m_title; }
  const std::string& GetSpellingLanguage() const { return m_spelling; }
  const std::string& GetDirectory() const { return m_directory; }

  // Headwords matching word (accent- and case-insensitive unless caseSensitive), sorted, at
  // most limit of them.
  int Lookup(const std::string& word, Mode mode, bool caseSensitive, PRUint32 limit,
             std::vector<ZTWorkHeadword>* pOut);
  // The identifier of the entry whose article is file record file.
  int ArticleId(PRUint32 file, std::string* pId);
  // The best limit documents of query, by descending score; *puTotal the number found.
  int Search(const std::string& query, PRUint32 limit, PRUint32* puTotal,
             std::vector<ZTWorkHit>* pOut);
  // The article of a file record as stored HTML, the hits of query (may be empty) between
  // "<mark>" and "</mark>", the word markers removed.
  int Article(PRUint32 file, const std::string& query, std::string* pHtml);
  // The file record of an article path ("entries/<id>.html").
  int FindArticle(const std::string& path, PRUint32* puFile);
  // The title and path of a file record.
  int Describe(PRUint32 file, std::string* pTitle, std::string* pPath);
  // The lines of the work's description, in order: "SECTION/KEY" and value.
  const std::vector<std::pair<std::string, std::string>>& GetDescription() const {
    return m_description;
  }

 private:
  int OpenParts();
  int LookupKey(const std::string& word, Mode mode, ztIStringSimplifier* simplifier,
                ZTCursor** ppWords);
  int WordsToHeadwords(ZTCursor* words, PRUint32 limit, std::vector<ZTWorkHeadword>* pOut);
  int WordText(PRUint32 word, std::string* pText);
  int AddHeadwords(const std::vector<std::pair<std::string, PRUint32>>& texts, size_t at,
                   PRUint32 n, std::vector<ZTWorkHeadword>* pOut);
  int AddHeadword(PRUint32 word, const std::string& headword, std::vector<ZTWorkHeadword>* pOut);
  int AddOnlyWord(PRUint32 word, std::vector<ZTWorkHeadword>* pOut);
  int AddEntries(ZTIRecord* word, const std::string& headword, std::vector<ZTWorkHeadword>* pOut);
  int Positions(const std::string& query, PRUint32 file, ZTCursor** ppOut);
  int Highlight(PRUint32 file, ZTCursor* positions, std::string* pHtml);
  int Hit(ZTIndexResult* result, PRUint32 document, PRUint32 score, ZTWorkHit* pHit);

  std::string m_directory;
  std::string m_name, m_title, m_spelling, m_simplifierUrl;
  std::string m_wordListPath, m_indexPath, m_fileSystemPath;
  bool m_bPresorted = false;
  bool m_bSortedHeadwords = false;  // word numbers follow the byte order of the texts
  std::vector<std::pair<std::string, std::string>> m_description;
  ZTWildCardWordList* m_pWords = nullptr;
  ZTRegExpWordList* m_pRegExpWords = nullptr;
  ZTIRecordSet* m_pWordTable = nullptr;
  ZTIField* m_pWordField = nullptr;
  ZTIField* m_pEntryField = nullptr;
  ZTIField* m_pFileField = nullptr;
  ZTIndex* m_pIndex = nullptr;
  ZTFileSystem* m_pFiles = nullptr;
  ztIStringSimplifier* m_pSimplifier = nullptr;
};

#endif  // TOOLS_ZT_WORK_ZTWORK_H_
