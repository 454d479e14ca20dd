#include "find/ZTRecordComparatorDataField.h"

#include <algorithm>
#include <cstring>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "find/detail/ztOrder.h"

ZT_DEFINE_ZTIID(ZTRecordComparatorDataField, ZTRecordComparatorBaseField,
                {0x09658b76, 0x5de7, 0x4c67, {0x8f, 0x6b, 0x95, 0x0f, 0xd3, 0x8d, 0x69, 0x7e}})

int ZTRecordComparatorDataField::GetMyComparatorID(ZTBinary** ppId) {
  return FormatID("Data", ppId);
}

int ZTRecordComparatorDataField::CompareValues(ZTIRecord* a, ZTIRecord* b, ZTIField* field,
                                               int* piResult) {
  ZTBinary* va = nullptr;
  ZTBinary* vb = nullptr;
  int rc = a->GetDataFieldValue(field, &va);
  if (rc == ZT_OK) rc = b->GetDataFieldValue(field, &vb);
  if (rc == ZT_OK) {
    const PRUint32 common = std::min(va->GetLength(), vb->GetLength());
    const int bytes = common ? memcmp(va->GetData(), vb->GetData(), common) : 0;
    *piResult = bytes ? ztCompare3(bytes, 0) : ztCompare3(va->GetLength(), vb->GetLength());
  }
  ztRelease(va);
  ztRelease(vb);
  return rc;
}
