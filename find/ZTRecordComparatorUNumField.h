// ZTRecordComparatorUNumField orders records by the unsigned values of a field.
#ifndef FIND_ZTRECORDCOMPARATORUNUMFIELD_H_
#define FIND_ZTRECORDCOMPARATORUNUMFIELD_H_

#include "find/ZTRecordComparatorBaseField.h"

class ZTFIND_API ZTRecordComparatorUNumField : public ZTRecordComparatorBaseField {
 public:
  ZT_DECLARE_ZTIID

  // "UNumFieldRC<(name)", "UNumFieldRC>(name)" when descending, "UNKNOWN" through a link.
  int GetMyComparatorID(ZTBinary** ppId) override;

 protected:
  int CompareValues(ZTIRecord* a, ZTIRecord* b, ZTIField* field, int* piResult) override;
};

#endif  // FIND_ZTRECORDCOMPARATORUNUMFIELD_H_
