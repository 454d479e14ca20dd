#include "find/ZTRecordComparatorSNumField.h"

#include "find/detail/ztCompareNumbers.h"

ZT_DEFINE_ZTIID(ZTRecordComparatorSNumField, ZTRecordComparatorBaseField,
                {0xf9b900e0, 0x5f38, 0x46f6, {0xb9, 0x8b, 0x07, 0xcd, 0xab, 0xc7, 0x34, 0xd8}})

int ZTRecordComparatorSNumField::GetMyComparatorID(ZTBinary** ppId) {
  return FormatID("SNum", ppId);
}

int ZTRecordComparatorSNumField::CompareValues(ZTIRecord* a, ZTIRecord* b, ZTIField* field,
                                               int* piResult) {
  return ztCompareNumbers(a, b, field, &ZTIRecord::GetSNumFieldValue, piResult);
}
