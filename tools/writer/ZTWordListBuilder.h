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
  // Key texts, each with a record number.
  typedef std::vector<std::pair<std::string, PRUint32>> Keys;

  ZTWordListBuilder() = default;
  ZTWordListBuilder(const ZTWordListBuilder&) = delete;
  ZTWordListBuilder& operator=(const ZTWordListBuilder&) = delete;

  void AddWord(ZTBuilderWord word) { m_words.push_back(std::move(word)); }
  // Makes room for so many words at once, which are then added without moving those before.
  void ReserveWords(size_t count) { m_words.reserve(count); }
  // Adds the link field named field to the word table, linking each word's range
  // (m_uLinkFirst, m_uLinkCount) in the sibling table whose directory name is table. With the
  // sibling's record count (negative: unknown), ranges that follow each other to its end are stored
  // without COUNT.
  void SetWordLink(const std::string& field, const std::string& table, PRInt64 linkedRows = -1);
  // Simplifies the keys of the simplified tables; none are written without one. Not owned.
  void SetSimplifier(ztIStringSimplifier* simplifier) { m_pSimplifier = simplifier; }
  // Without cross references the word table has neither SEE nor VARIANTS and there is no
  // "variants" table: for lists whose words link to no other word, such as an index's. A word
  // with a SEE or variants is then refused. On unless set.
  void SetCrossReferences(bool on) { m_bCrossReferences = on; }
  // Records per page of the lookup tables (4 unless set).
  void SetPageSize(PRUint32 records) { m_uPageSize = records; }
  // Compresses the word texts and the keys of the lookup tables in blocks of that many logical
  // bytes (a page of keys is never split); 0, the default, stores them plain. A look-up then
  // inflates the block holding its page.
  void SetTextBlockSize(PRUint32 bytes) { m_uTextBlock = bytes; }
  // Compresses the records of the word table and of the lookup tables too, in blocks of whole
  // pages (the tables that links lead to stay plain: they are read whole). Off unless set.
  void SetRecordCompression(bool compressed) { m_bCompressRecords = compressed; }
  // Lines appended to the configuration (wildcards, links, ...).
  void AddConfiguration(const std::string& lines) { m_extra += lines; }
  // The directory as the configuration names it, the directory given to Write unless set:
  // "." names the tables relative to the configuration, wherever it is written.
  void SetConfigDirectory(const std::string& name) { m_configDir = name; }

  // Writes the tables and the configuration into the existing directory; the configuration's
  // path goes to *pConfigPath. A cross reference or variant naming no word is refused.
  int Write(const std::string& directory, std::string* pConfigPath) const;

 private:
  int CheckLinks() const;
  int WriteWords(const std::string& directory) const;
  // exact: the exact keys in order, each with its word's number.
  int WriteSimplified(const std::string& directory, const Keys& exact) const;
  int Simplified(const std::string& text, char** ppcBuffer, PRUint32* puSize,
                 std::string* pOut) const;
  int WriteKeyed(const std::string& path, const char* numField, const Keys& keys) const;
  std::string Configuration(const std::string& directory) const;

  std::vector<ZTBuilderWord> m_words;
  ztIStringSimplifier* m_pSimplifier = nullptr;
  PRUint32 m_uPageSize = 4;
  PRUint32 m_uTextBlock = 0;
  bool m_bCrossReferences = true;
  bool m_bCompressRecords = false;
  std::string m_extra;
  std::string m_linkField;  // empty: no link field
  std::string m_linkTable;
  PRInt64 m_iLinkRows = -1;  // the linked table's records, negative when unknown
  std::string m_configDir;   // empty: the directory given to Write
};

#endif  // TOOLS_WRITER_ZTWORDLISTBUILDER_H_
