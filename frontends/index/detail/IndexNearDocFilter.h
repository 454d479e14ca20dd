// IndexNearDocFilter keeps the documents in which a position of the left word lies within the
// distance of a position of the right word: before it or at it when ordered, on either side
// otherwise. Documents come in ascending order, so both scans only move forward.
#ifndef FRONTENDS_INDEX_DETAIL_INDEXNEARDOCFILTER_H_
#define FRONTENDS_INDEX_DETAIL_INDEXNEARDOCFILTER_H_

#include "find/ZTICursorFilter.h"
#include "frontends/index/detail/ztOccurrenceSets.h"

class ZTIndex;

class IndexNearDocFilter : public ZTICursorFilter {
 public:
  // The sets of both words are borrowed: they outlive the filter.
  int Init(ZTIndex* index, PRUint32 distance, int ordered, const ztOccurrenceSets* left,
           const ztOccurrenceSets* right);
  int Reset() override;
  int CheckRank(PRUint32 position, int* pbKeep) override;
  // Whether the ascending position lists a (left) and b (right) have a pair within the distance.
  bool CheckOcc(const PRUint32* a, PRUint32 na, const PRUint32* b, PRUint32 nb) const;

 private:
  ZTIndex* m_pIndex = nullptr;  // borrowed
  PRUint32 m_uDistance = 0;
  int m_bOrdered = 0;
  const ztOccurrenceSets* m_pLeft = nullptr;
  const ztOccurrenceSets* m_pRight = nullptr;
  ztOccurrenceScan m_leftScan;
  ztOccurrenceScan m_rightScan;
};

#endif  // FRONTENDS_INDEX_DETAIL_INDEXNEARDOCFILTER_H_
