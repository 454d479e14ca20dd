// ZTRecordComparatorBaseField, the base of the comparators that order records by the value of
// one field, read directly or through a link into another record set.
#ifndef FIND_ZTRECORDCOMPARATORBASEFIELD_H_
#define FIND_ZTRECORDCOMPARATORBASEFIELD_H_

#include "find/ZTIRecordComparator.h"
#include "find/ztLinkedField.h"

class ZTIField;

class ZTFIND_API ZTRecordComparatorBaseField : public ZTIRecordComparator {
 public:
  ZT_DECLARE_ZTIID

  // Resolves the field (and link) in the set, then stores it; nothing is stored on failure.
  int SetRecordSet(ZTIRecordSet* recordSet) override;
  // Resolves both records, compares their values (CompareValues) and applies the order.
  int CompareRecords(ZTIRecord* a, ZTIRecord* b, int* piResult) override;

  // Copies, taking effect at the next SetRecordSet.
  int SetField(const char* name);
  int SetOptionalLink(const char* linkFieldName, ZTIRecordSet* linkedRecordSet,
                      int bRanksAreRecordNumbers);
  // With a link in use, replaces *ppRecord (one reference, released) by the linked record.
  int GetResolvedRecord(ZTIRecord** ppRecord);

 protected:
  // -1, 0 or 1 for the values of field in a and b.
  virtual int CompareValues(ZTIRecord* a, ZTIRecord* b, ZTIField* field, int* piResult) = 0;
  // "<kind>FieldRC<(name)" (">" when descending), or "UNKNOWN" with a link in use.
  int FormatID(const char* kind, ZTBinary** ppId);

 private:
  ztLinkedField m_field;
};

#endif  // FIND_ZTRECORDCOMPARATORBASEFIELD_H_
