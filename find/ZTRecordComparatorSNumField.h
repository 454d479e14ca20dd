// ZTRecordComparatorSNumField orders records by the signed values of a field.
#ifndef FIND_ZTRECORDCOMPARATORSNUMFIELD_H_
#define FIND_ZTRECORDCOMPARATORSNUMFIELD_H_

#include "find/ZTRecordComparatorBaseField.h"

class ZTFIND_API ZTRecordComparatorSNumField : public ZTRecordComparatorBaseField {
 public:
  ZT_DECLARE_ZTIID

  // "SNumFieldRC<(name)", "SNumFieldRC>(name)" when descending, "UNKNOWN" through a link.
  int GetMyComparatorID(ZTBinary** ppId) override;

 protected:
  int CompareValues(ZTIRecord* a, ZTIRecord* b, ZTIField* field, int* piResult) override;
};

#endif  // FIND_ZTRECORDCOMPARATORSNUMFIELD_H_
