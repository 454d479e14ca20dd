#include "find/ZTRecordComparatorUNumField.h"

#include "find/detail/ztCompareNumbers.h"

ZT_DEFINE_ZTIID(ZTRecordComparatorUNumField, ZTRecordComparatorBaseField,
                {0x63d50c8f, 0x12bb, 0x4e4d, {0x89, 0x61, 0xb5, 0x5a, 0xa8, 0xa5, 0x46, 0x6c}})

int ZTRecordComparatorUNumField::GetMyComparatorID(ZTBinary** ppId) {
  return FormatID("UNum", ppId);
}

int ZTRecordComparatorUNumField::CompareValues(ZTIRecord* a, ZTIRecord* b, ZTIField* field,
                                               int* piResult) {
  return ztCompareNumbers(a, b, field, &ZTIRecord::GetUNumFieldValue, piResult);
}
