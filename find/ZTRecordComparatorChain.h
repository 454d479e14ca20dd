// ZTRecordComparatorChain orders records by a list of comparators: the first that tells two
// records apart decides.
#ifndef FIND_ZTRECORDCOMPARATORCHAIN_H_
#define FIND_ZTRECORDCOMPARATORCHAIN_H_

#include "find/ZTIRecordComparator.h"
#include "find/ztRefArray.h"

class ZTFIND_API ZTRecordComparatorChain : public ZTIRecordComparator {
 public:
  ZT_DECLARE_ZTIID

  // Appends comparator (one reference); 12 when memory runs out.
  int AddComparator(ZTIRecordComparator* comparator);
  int CompareRecords(ZTIRecord* a, ZTIRecord* b, int* piResult) override;
  // Hands the set to every comparator in order, then stores it.
  int SetRecordSet(ZTIRecordSet* recordSet) override;
  // "ChainRC{id|id|...}", or "UNKNOWN" when any comparator is unknown.
  int GetMyComparatorID(ZTBinary** ppId) override;

 private:
  ztRefArray<ZTIRecordComparator> m_comparators;
};

#endif  // FIND_ZTRECORDCOMPARATORCHAIN_H_
