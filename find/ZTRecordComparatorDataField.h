// ZTRecordComparatorDataField orders records by the bytes: byte-wise over the common length, then
// the shorter first of a field.
#ifndef FIND_ZTRECORDCOMPARATORDATAFIELD_H_
#define FIND_ZTRECORDCOMPARATORDATAFIELD_H_

#include "find/ZTRecordComparatorBaseField.h"

class ZTFIND_API ZTRecordComparatorDataField : public ZTRecordComparatorBaseField {
 public:
  ZT_DECLARE_ZTIID

  // "DataFieldRC<(name)", "DataFieldRC>(name)" when descending, "UNKNOWN" through a link.
  int GetMyComparatorID(ZTBinary** ppId) override;

 protected:
  int CompareValues(ZTIRecord* a, ZTIRecord* b, ZTIField* field, int* piResult) override;
};

#endif  // FIND_ZTRECORDCOMPARATORDATAFIELD_H_
