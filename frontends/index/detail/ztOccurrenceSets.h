// The document-occurrence records of one query word: one set per word record it matched, each
// in document order, when the data is presorted (they are then never merged record by record),
// or the single merged set otherwise. Scans move forward through every set for documents asked
// in ascending order; a scan holds one position per set, 0 at first.
#ifndef FRONTENDS_INDEX_DETAIL_ZTOCCURRENCESETS_H_
#define FRONTENDS_INDEX_DETAIL_ZTOCCURRENCESETS_H_

#include <prtypes.h>

#include <vector>

class ZTCursor;
class ZTIField;
class ZTIRecordSet;
class ZTIndex;

typedef std::vector<PRUint32> ztOccurrenceScan;

class ztOccurrenceSets {
 public:
  ztOccurrenceSets() = default;
  ~ztOccurrenceSets();
  ztOccurrenceSets(const ztOccurrenceSets&) = delete;
  ztOccurrenceSets& operator=(const ztOccurrenceSets&) = delete;

  // Takes over the caller's reference to set.
  void Adopt(ZTIRecordSet* set) {
    m_sets.push_back(set);
    m_owners.push_back(nullptr);
    m_links.emplace_back();
  }
  PRUint32 GetSetCount() const { return static_cast<PRUint32>(m_sets.size()); }
  ZTIRecordSet* GetSet(PRUint32 k) const { return m_sets[k]; }
  ztOccurrenceScan NewScan() const { return ztOccurrenceScan(m_sets.size(), 0); }
  // The records of all sets.
  int GetRecordCount(PRUint32* puCount) const;
  // The document of each record of set k, in record order (borrowed: read on the first call
  // and kept with the sets, which do not change once adopted).
  int Owners(ZTIField* docIdField, PRUint32 k, ZTCursor** ppOwners) const;
  // The documents, ascending, each once.
  int Documents(ZTIField* docIdField, ZTCursor** ppOut) const;
  // Whether a record of some set is of document, moving the scan as Positions does.
  int Contains(ZTIField* docIdField, PRUint32 document, ztOccurrenceScan* pScan,
               bool* pbFound) const;
  // The positions of document in every set, pooled, scanning from *pScan (from the start when
  // null).
  int Positions(ZTIndex* index, PRUint32 document, ztOccurrenceScan* pScan, ZTCursor** ppOut) const;

 private:
  // Where the occurrences of each record of a set lie in the occurrence table, when the links
  // of its records follow each other: record r's are m_starts[r] to m_starts[r + 1] from
  // m_uFirst on in m_pLinked (null when they do not, or before they are read).
  struct Links {
    bool m_bRead = false;
    ZTIRecordSet* m_pLinked = nullptr;
    PRUint32 m_uFirst = 0;
    std::vector<PRUint32> m_starts;
  };

  // The links of set k, read on the first call.
  int LinksOf(ZTIndex* index, PRUint32 k, const Links** ppLinks) const;
  // The positions of the one record r of set k (links known), the scan moved past it.
  int RecordPositions(ZTIndex* index, const Links& links, PRUint32* puScan, ZTCursor** ppOut) const;

  std::vector<ZTIRecordSet*> m_sets;
  mutable std::vector<ZTCursor*> m_owners;  // one per set, null until read
  mutable std::vector<Links> m_links;       // one per set
};

#endif  // FRONTENDS_INDEX_DETAIL_ZTOCCURRENCESETS_H_
