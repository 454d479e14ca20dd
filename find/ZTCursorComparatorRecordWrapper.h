// ZTCursorComparatorRecordWrapper orders cursor elements by comparing their records with a
// record comparator.
#ifndef FIND_ZTCURSORCOMPARATORRECORDWRAPPER_H_
#define FIND_ZTCURSORCOMPARATORRECORDWRAPPER_H_

#include "find/ZTICursorComparator.h"
#include "find/ztRecordCache.h"

class ZTIRecordComparator;
class ZTIRecordSet;

class ZTFIND_API ZTCursorComparatorRecordWrapper : public ZTICursorComparator {
 public:
  // Consider-rank starts clear: equal records compare equal.
  ZTCursorComparatorRecordWrapper();
  ~ZTCursorComparatorRecordWrapper() override;
  ZT_DECLARE_ZTIID

  // Stores the comparator and takes its record set. With bRanksAreRecordNumbers clear, the
  // elements are keys of the record set's lookup field rather than record numbers.
  int SetRecordComparator(ZTIRecordComparator* comparator, int bRanksAreRecordNumbers);
  // The records' order; with consider-rank set, equal records follow their positions.
  int CompareRanks(PRUint32 a, PRUint32 b, int* piResult) override;
  // The record comparator's identification, or "RecordWrapperCC" without one.
  int GetMyComparatorID(ZTBinary** ppId) override;

 private:
  ZTIRecordComparator* m_pRecordComparator;
  int m_bRanksAreRecordNumbers;
  ZTIRecordSet* m_pRecordSet;
  ztRecordCache m_cacheA;
  ztRecordCache m_cacheB;
};

#endif  // FIND_ZTCURSORCOMPARATORRECORDWRAPPER_H_
