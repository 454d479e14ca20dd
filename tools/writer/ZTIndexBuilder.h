// ZTIndexBuilder: builds a full-text index from HTML documents and writes it into a directory:
// the word table of a wildcard word list ("words" with its lookup tables, '?' and '*' as the
// single and multiple wildcards), whose link field DOCS leads to "docs" (DOCID, STRUCT, OCCS:
// one record per document and structure value of the word, in ascending (DOCID, STRUCT)
// order), whose link OCCS leads to "occs" (POS: the word's positions there, ascending), the
// exception words "exceptions.txt", the stop words "stopwords.txt" and the index
// configuration "index.cfg" naming them all.
//
// AddDocument encloses every word of a document's text in the word markers "<?ZT W?>" and
// "<?ZT /W?>"; the n-th marked word is position n. Words are cut with the separators written
// into the configuration, so that queries cut them alike.
#ifndef TOOLS_WRITER_ZTINDEXBUILDER_H_
#define TOOLS_WRITER_ZTINDEXBUILDER_H_

#include <prtypes.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "tools/writer/detail/ztCutQueue.h"
#include "tools/writer/detail/ztPostings.h"
#include "tools/writer/detail/ztWordMarker.h"
#include "tools/writer/detail/ztWordNumbers.h"

class ztIStringSimplifier;

// One part of a document: an HTML text and the structure bits of its words (0 to 255). The
// text is m_text, or the string m_pText points to when it is set: borrowed, it must outlive the
// call the part is given to (for AddDocuments, the call of PartsOf that made it).
struct ZTIndexPart {
  std::string m_text;
  PRUint32 m_uStructure = 0;
  const std::string* m_pText = nullptr;

  const std::string& Text() const { return m_pText ? *m_pText : m_text; }
};

class ZTIndexBuilder {
 public:
  // Separators always cutting words: the index's defaults (!#()+,./:;<>^_`[]{}|~- and space),
  // tab, line feed, carriage return, '"', '?', '*', no-break space, the guillemets, the
  // inverted marks, en and em dashes, typographic quotes and the ellipsis.
  static std::vector<PRUint32> DefaultHardSeparators();
  // The apostrophe and the right single quotation mark.
  static std::vector<PRUint32> DefaultSoftSeparators();
  // Words a soft separator does not cut: "aujourd'hui", also with U+2019.
  static std::vector<std::string> DefaultExceptions();

  ZTIndexBuilder();
  ZTIndexBuilder(const ZTIndexBuilder&) = delete;
  ZTIndexBuilder& operator=(const ZTIndexBuilder&) = delete;

  // Simplifies the keys of the word list's simplified tables; none without one. Not owned.
  void SetSimplifier(ztIStringSimplifier* simplifier) { m_pSimplifier = simplifier; }
  // Before the first document (2 afterwards): hard separators, soft separators and their
  // exception words. The words of a list are stored one a line: an empty word or one with a
  // line feed is refused with 1.
  int SetSeparators(const std::vector<PRUint32>& hard, const std::vector<PRUint32>& soft);
  int SetExceptions(const std::vector<std::string>& words);
  // Words the query side drops; they are indexed all the same.
  int SetStopWords(const std::vector<std::string>& words);
  // Without positions the index has no "occs" and answers Boolean queries only.
  void SetPositions(bool positions) { m_bPositions = positions; }
  // Compresses the record files of "docs" and "occs", and those of the word list's word and
  // lookup tables, in blocks of whole pages: about half the size on disk, for a block inflated
  // on each first read of it. Off unless set.
  void SetRecordCompression(bool compressed) { m_bCompressed = compressed; }

  // Compresses the texts of the word list in blocks (ZTWordListBuilder::SetTextBlockSize).
  void SetTextBlockSize(PRUint32 bytes) { m_uTextBlock = bytes; }
  // The directory as the configuration names it, the directory given to Write unless set:
  // "." names the tables and lists relative to the configuration, wherever it is written.
  void SetConfigDirectory(const std::string& name) { m_configDir = name; }

  // Indexes a document; positions run on across its parts. *pMarked (may be null) gets the
  // marked HTML of all parts. A repeated id, a structure value above 255, or a text that is
  // not UTF-8 or holds a NUL byte is refused with 1 and leaves the index unchanged.
  int AddDocument(PRUint32 id, const std::vector<ZTIndexPart>& parts, std::string* pMarked);

  typedef std::function<std::vector<ZTIndexPart>(PRUint32 id)> PartsOf;
  typedef std::function<int(PRUint32 id, std::string&& marked)> Marked;
  // Indexes the documents 0 to count - 1 as AddDocument does, on two threads: another one
  // calls partsOf for each document in turn and cuts its words while this one adds them and
  // hands each document's marked HTML to marked, in order. The first failure (of a document,
  // or marked's non-zero code) stops and is returned; the documents before it stay indexed.
  int AddDocuments(PRUint32 count, const PartsOf& partsOf, const Marked& marked);

  // The occurrences indexed so far: the words marked in all documents.
  PRUint64 GetOccurrenceCount() const { return m_postings.GetOccurrenceCount(); }

  // Writes the index into the existing directory; the configuration's path goes to
  // *pConfigPath.
  int Write(const std::string& directory, std::string* pConfigPath) const;

 private:
  int CheckParts(PRUint32 id, const std::vector<ZTIndexPart>& parts) const;
  int CheckNew(PRUint32 id) const;
  // Cuts and marks a document and numbers its words (the marker and the word numbers are the
  // cutting thread's), without adding it to the index.
  int Cut(PRUint32 id, const std::vector<ZTIndexPart>& parts, bool marked, ztCutDocument* pOut);
  // Cuts the documents 0 to count - 1 into the queue, then closes it.
  int CutAll(PRUint32 count, const PartsOf& partsOf, ztCutQueue* pQueue);
  // Adds the postings of a cut document (its occurrences are sorted).
  int AddCut(ztCutDocument* pDocument);
  int Start();
  // The numbers of the words that occur, in the byte order of their texts.
  std::vector<PRUint32> WordOrder() const;
  int WriteTables(const std::string& directory, std::string* pWordList) const;
  // The "docs" and "occs" tables, the words' records in the order given.
  int WriteOccurrences(const std::string& directory, const std::vector<PRUint32>& order) const;
  std::string Configuration(const std::string& directory) const;

  ztIStringSimplifier* m_pSimplifier = nullptr;
  std::vector<PRUint32> m_hard;
  std::vector<PRUint32> m_soft;
  std::vector<std::string> m_exceptions;
  std::vector<std::string> m_stopWords;
  bool m_bPositions = true;
  bool m_bCompressed = false;
  PRUint32 m_uTextBlock = 0;
  std::string m_configDir;  // empty: the directory given to Write
  bool m_bStarted = false;  // the marker is set up: the separators are fixed
  ztWordMarker m_marker;
  // The words of the documents cut, numbered as they come: a word cut in a document that is
  // then refused keeps its number, but has no occurrence and is not written.
  ztWordNumbers m_numbers;
  std::unordered_set<PRUint32> m_documents;
  ztPostings m_postings;
};

#endif  // TOOLS_WRITER_ZTINDEXBUILDER_H_
