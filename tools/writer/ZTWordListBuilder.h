// ZTWordListBuilder: writes a word list into a directory: the word table "words" (WORD, the
// cross reference SEE and the LINK VARIANTS into "variants"), its exact lookup table "lookup"
// (KEY, WORDNO), the reverse exact table "revlookup" (keys reversed byte by byte, LOOKUPNO) and,
// with a simplifier, the simplified table "caplookup" (KEY, TARGETS linking the exact lookup
// records in "caplinks") and the reverse simplified table "revcaplookup" (CAPNO), with the
// configuration "wordlist.cfg" that names them. The word table may carry one more link field,
// each word's range of records in a sibling table (SetWordLink).
#ifndef TOOLS_WRITER_ZTWORDLISTBUILDER_H_
#define TOOLS_WRITER_ZTWORDLISTBUILDER_H_

#include <prtypes.h>

#include <string>
#include <utility>
#include <vector>

class ztIStringSimplifier;

struct ZTBuilderWord {
  std::string m_text;
  int m_iSee = -1;              // the word SEE points to; the word itself when negative
  std::vector<int> m_variants;  // the words VARIANTS links to
  PRUint32 m_uLinkFirst = 0;    // the word's range in the table of SetWordLink
  PRUint32 m_uLinkCount = 0;
};

class ZTWordListBuilder {
 public:
  ZTWordListBuilder() = default;
  ZTWordListBuilder(const ZTWordListBuilder&) = delete;
  ZTWordListBuilder& operator=(const ZTWordListBuilder&) = delete;

  void AddWord(ZTBuilderWord word) { m_words.push_back(std::move(word)); }
  // Adds the link field named field to the word table, linking each word's range
  // (m_uLinkFirst, m_uLinkCount) in the sibling table whose directory name is table.
  void SetWordLink(const std::string& field, const std::string& table);
  // Simplifies the keys of the simplified tables; none are written without one. Not owned.
  void SetSimplifier(ztIStringSimplifier* simplifier) { m_pSimplifier = simplifier; }
  // Records per page of the lookup tables (4 unless set).
  void SetPageSize(PRUint32 records) { m_uPageSize = records; }
  // Lines appended to the configuration (wildcards, links, ...).
  void AddConfiguration(const std::string& lines) { m_extra += lines; }

  // Writes the tables and the configuration into the existing directory; the configuration's
  // path goes to *pConfigPath. A cross reference or variant naming no word is refused.
  int Write(const std::string& directory, std::string* pConfigPath) const;

 private:
  int CheckLinks() const;
  int WriteWords(const std::string& directory) const;
  // exact: the exact keys in order, each with its word's number.
  int WriteSimplified(const std::string& directory,
                      const std::vector<std::pair<std::string, PRUint32>>& exact) const;
  int Simplified(const std::string& text, std::string* pOut) const;
  std::string Configuration(const std::string& directory) const;

  std::vector<ZTBuilderWord> m_words;
  ztIStringSimplifier* m_pSimplifier = nullptr;
  PRUint32 m_uPageSize = 4;
  std::string m_extra;
  std::string m_linkField;  // empty: no link field
  std::string m_linkTable;
};

#endif  // TOOLS_WRITER_ZTWORDLISTBUILDER_H_
