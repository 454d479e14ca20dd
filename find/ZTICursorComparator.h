// ZTICursorComparator, the order of the elements (record numbers) of a cursor.
#ifndef FIND_ZTICURSORCOMPARATOR_H_
#define FIND_ZTICURSORCOMPARATOR_H_

#include "core/ZTIComparator.h"
#include "find/ZTFindExport.h"

class ZTBinary;

class ZTFIND_API ZTICursorComparator : public ZTIComparator {
 public:
  ZTICursorComparator();
  ZT_DECLARE_ZTIID

  // Compares the record numbers a and b point to through CompareRanks, negated when the
  // sorting order is -1. 10 (and result 0) for a null element pointer.
  int Compare(const void* a, const void* b, int* piResult) override;
  virtual int CompareRanks(PRUint32 a, PRUint32 b, int* piResult) = 0;
  // The text that describes this ordering without the sorting order.
  virtual int GetMyComparatorID(ZTBinary** ppId) = 0;

  // GetMyComparatorID's text behind "+" (ascending) or "-"; "UNKNOWN" is left as it is.
  int GetCursorComparatorID(ZTBinary** ppId);
  int SetConsiderRank(int bConsiderRank);
  int GetConsiderRank(int* pbConsiderRank) const;
  int SetSortingOrder(int order);
  int GetSortingOrder() const { return m_iSortingOrder; }

 protected:
  int m_iConsiderRank;
  int m_iSortingOrder;
};

#endif  // FIND_ZTICURSORCOMPARATOR_H_
