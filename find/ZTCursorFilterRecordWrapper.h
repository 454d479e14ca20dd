// ZTCursorFilterRecordWrapper keeps the cursor positions whose records a record filter keeps.
#ifndef FIND_ZTCURSORFILTERRECORDWRAPPER_H_
#define FIND_ZTCURSORFILTERRECORDWRAPPER_H_

#include "find/ZTICursorFilter.h"
#include "find/ztRecordCache.h"

class ZTIRecordFilter;
class ZTIRecordSet;

class ZTFIND_API ZTCursorFilterRecordWrapper : public ZTICursorFilter {
 public:
  ZTCursorFilterRecordWrapper();
  ~ZTCursorFilterRecordWrapper() override;
  ZT_DECLARE_ZTIID

  // Stores the filter and takes its record set. With bRanksAreRecordNumbers clear, the
  // elements are keys of the record set's lookup field rather than record numbers.
  int SetRecordFilter(ZTIRecordFilter* filter, int bRanksAreRecordNumbers);
  int SetCursor(ZTCursor* cursor) override;
  // The record filter's Reset.
  int Reset() override;
  int CheckRank(PRUint32 position, int* pbKeep) override;

 private:
  ZTIRecordFilter* m_pRecordFilter;
  int m_bRanksAreRecordNumbers;
  ZTIRecordSet* m_pRecordSet;
  ztRecordCache m_cache;
};

#endif  // FIND_ZTCURSORFILTERRECORDWRAPPER_H_
