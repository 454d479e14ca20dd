// ztPostings: the occurrences of every word of the indexed documents, grouped by word and
// compressed in memory (variable-length deltas: a few bytes per occurrence), read back word by
// word in ascending (document, structure) order whatever order the documents came in.
#ifndef TOOLS_WRITER_DETAIL_ZTPOSTINGS_H_
#define TOOLS_WRITER_DETAIL_ZTPOSTINGS_H_

#include <prtypes.h>

#include <functional>
#include <memory>
#include <vector>

struct ztOccurrence {
  PRUint32 m_uWord;
  PRUint32 m_uStructure;
  PRUint32 m_uPosition;
};

// One record of a word: a document, a structure value and the word's positions there.
struct ztPostingRecord {
  PRUint32 m_uDocument = 0;
  PRUint32 m_uStructure = 0;
  std::vector<PRUint32> m_positions;  // ascending
};

class ztPostings {
 public:
  typedef std::function<int(const ztPostingRecord&)> Visit;

  ztPostings() = default;
  ~ztPostings();
  ztPostings(const ztPostings&) = delete;
  ztPostings& operator=(const ztPostings&) = delete;

  // Adds the occurrences of one document, in any order (they are sorted here).
  void AddDocument(PRUint32 document, std::vector<ztOccurrence>* occurrences);
  // Whether the word has occurrences.
  bool HasWord(PRUint32 word) const;
  // The word's records (one per document and structure value), which ForEachRecord visits.
  PRUint32 GetRecordCount(PRUint32 word) const {
    return word < m_lists.size() ? m_lists[word].m_uRecords : 0;
  }
  // Visits the word's records in ascending (document, structure) order; the first non-zero
  // code of visit stops and is returned.
  int ForEachRecord(PRUint32 word, const Visit& visit) const;

  // Figures that size the fields of the tables written from the postings.
  PRUint32 GetMaxDocument() const { return m_uMaxDocument; }
  PRUint32 GetMaxPosition() const { return m_uMaxPosition; }
  PRUint64 GetRecordCount() const { return m_uRecords; }
  PRUint64 GetOccurrenceCount() const { return m_uOccurrences; }

 private:
  // A word's entries (one per document, see AddEntry), in a region of its capacity: a region
  // of kBigRegion bytes or more is the list's own allocation, a smaller one part of a chunk.
  struct List {
    PRUint8* m_pBytes = nullptr;
    size_t m_uSize = 0;      // the bytes of the entries
    size_t m_uCapacity = 0;  // the bytes of the region
    PRUint32 m_uLastDocument = 0;
    PRUint32 m_uRecords = 0;
    bool m_bAscending = true;  // the documents came in ascending order
  };
  static const size_t kBigRegion = 65536;
  static const size_t kChunk = 1 << 20;
  struct Entry {
    PRUint32 m_uDocument;
    size_t m_uOffset;  // where its structures begin
  };

  // occurrences[from, to): the word's occurrences in one document, sorted.
  void AddEntry(PRUint32 document, const std::vector<ztOccurrence>& occurrences, size_t from,
                size_t to);
  // Where bytes more can be written at the end of the list: a list that outgrows its region
  // moves to one twice as large.
  PRUint8* Room(List* list, size_t bytes);
  // A region of bytes (below kBigRegion) at the end of the last chunk, or of a new one.
  PRUint8* Carve(size_t bytes);
  // Reads the entry's structures from offset in bytes (moved past them), visiting each record.
  static int VisitEntry(const PRUint8* bytes, PRUint32 document, size_t* offset,
                        ztPostingRecord* record, const Visit& visit);

  std::vector<List> m_lists;     // by word number
  std::vector<size_t> m_starts;  // AddDocument's scratch: where the words' occurrences begin
  // The small regions, carved one after another out of chunks freed at once: a buffer per word
  // (some 300,000, scattered over the heap) took a tenth of a second to free. The regions left
  // by the lists that moved stay unused.
  std::vector<std::unique_ptr<PRUint8[]>> m_chunks;
  size_t m_uChunkUsed = kChunk;  // bytes carved out of the last chunk
  PRUint32 m_uMaxDocument = 0;
  PRUint32 m_uMaxPosition = 0;
  PRUint64 m_uRecords = 0;
  PRUint64 m_uOccurrences = 0;
};

#endif  // TOOLS_WRITER_DETAIL_ZTPOSTINGS_H_
