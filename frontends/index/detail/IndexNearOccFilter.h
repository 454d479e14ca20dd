// IndexNearOccFilter keeps the positions (ascending) that have a partner among another word's
// ascending positions: ordered, a partner q with p - distance <= q < p; unordered, a partner q
// with p <= q <= p + distance. The scan of the other positions only moves forward.
#ifndef FRONTENDS_INDEX_DETAIL_INDEXNEAROCCFILTER_H_
#define FRONTENDS_INDEX_DETAIL_INDEXNEAROCCFILTER_H_

#include "find/ZTICursorFilter.h"

class IndexNearOccFilter : public ZTICursorFilter {
 public:
  ~IndexNearOccFilter() override;

  // Keeps a reference to other.
  int Init(ZTCursor* other, PRUint32 distance, int ordered);
  int Reset() override;
  int CheckRank(PRUint32 position, int* pbKeep) override;

 private:
  ZTCursor* m_pOther = nullptr;
  PRUint32 m_uDistance = 0;
  int m_bOrdered = 0;
  PRUint32 m_uCount = 0;
  PRUint32 m_uScan = 0;
};

#endif  // FRONTENDS_INDEX_DETAIL_INDEXNEAROCCFILTER_H_
