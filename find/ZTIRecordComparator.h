// ZTIRecordComparator, the order of two records of one record set.
#ifndef FIND_ZTIRECORDCOMPARATOR_H_
#define FIND_ZTIRECORDCOMPARATOR_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"

class ZTBinary;
class ZTIRecord;
class ZTIRecordSet;

class ZTFIND_API ZTIRecordComparator : public ZTRefCount {
 public:
  ZTIRecordComparator();
  ~ZTIRecordComparator() override;
  ZT_DECLARE_ZTIID

  virtual int CompareRecords(ZTIRecord* a, ZTIRecord* b, int* piResult) = 0;
  // Stores the record set the records come from (one reference).
  virtual int SetRecordSet(ZTIRecordSet* recordSet);
  virtual int GetMyComparatorID(ZTBinary** ppId) = 0;

  int GetRecordComparatorID(ZTBinary** ppId);
  // The record set with a new reference (null when none); 101 for a null out-pointer.
  int GetRecordSet(ZTIRecordSet** ppRecordSet);
  int SetSortingOrder(int order);

 protected:
  ZTIRecordSet* m_pRecordSet;
  int m_iSortingOrder;
};

#endif  // FIND_ZTIRECORDCOMPARATOR_H_
