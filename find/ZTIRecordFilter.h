// ZTIRecordFilter, which keeps or rejects records one at a time.
#ifndef FIND_ZTIRECORDFILTER_H_
#define FIND_ZTIRECORDFILTER_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"

class ZTIRecord;
class ZTIRecordSet;

class ZTFIND_API ZTIRecordFilter : public ZTRefCount {
 public:
  ZTIRecordFilter();
  ~ZTIRecordFilter() override;
  ZT_DECLARE_ZTIID

  // Starts a new pass.
  virtual int Reset();
  virtual int CheckRecord(ZTIRecord* record, int* pbKeep) = 0;
  // Stores the record set the records come from (one reference).
  virtual int SetRecordSet(ZTIRecordSet* recordSet);

  // The record set with a new reference (null when none); 101 for a null out-pointer.
  int GetRecordSet(ZTIRecordSet** ppRecordSet);

 protected:
  ZTIRecordSet* m_pRecordSet;
};

#endif  // FIND_ZTIRECORDFILTER_H_
