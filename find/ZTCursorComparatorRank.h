// ZTCursorComparatorRank orders cursor elements by their value.
#ifndef FIND_ZTCURSORCOMPARATORRANK_H_
#define FIND_ZTCURSORCOMPARATORRANK_H_

#include "find/ZTICursorComparator.h"

// Final: cursors recognise it and sort or merge plain arrays directly, with the same results.
class ZTFIND_API ZTCursorComparatorRank final : public ZTICursorComparator {
 public:
  // -1, 0 or 1 as a is below, equal to or above b.
  int CompareRanks(PRUint32 a, PRUint32 b, int* piResult) override;
  // "RankCC".
  int GetMyComparatorID(ZTBinary** ppId) override;
};

// True when comparator is a rank comparator with the given sorting order.
ZTFIND_API bool ztIsRankComparator(const ZTICursorComparator* comparator, int order);

#endif  // FIND_ZTCURSORCOMPARATORRANK_H_
