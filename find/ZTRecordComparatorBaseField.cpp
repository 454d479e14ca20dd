#include "find/ZTRecordComparatorBaseField.h"

#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "find/detail/ztOrder.h"
#include "find/detail/ztTextBinary.h"

ZT_DEFINE_ZTIID(ZTRecordComparatorBaseField, ZTIRecordComparator,
                {0xcae44174, 0xdfe2, 0x4e2f, {0xbb, 0x77, 0x8d, 0xd6, 0x25, 0xc3, 0xb5, 0x31}})

int ZTRecordComparatorBaseField::SetRecordSet(ZTIRecordSet* recordSet) {
  const int rc = m_field.Resolve(recordSet);
  return rc == ZT_OK ? ZTIRecordComparator::SetRecordSet(recordSet) : rc;
}

int ZTRecordComparatorBaseField::SetField(const char* name) {
  return m_field.SetField(name);
}

int ZTRecordComparatorBaseField::SetOptionalLink(const char* linkFieldName,
                                                 ZTIRecordSet* linkedRecordSet,
                                                 int bRanksAreRecordNumbers) {
  return m_field.SetOptionalLink(linkFieldName, linkedRecordSet, bRanksAreRecordNumbers);
}

int ZTRecordComparatorBaseField::GetResolvedRecord(ZTIRecord** ppRecord) {
  return m_field.GetResolvedRecord(ppRecord);
}

int ZTRecordComparatorBaseField::CompareRecords(ZTIRecord* a, ZTIRecord* b, int* piResult) {
  if (!piResult || !a || !b) {
    return ZTError(ZT_E_INVALID, "[ZTRecordComparatorBaseField::CompareRecords] null argument");
  }
  *piResult = 0;
  if (!m_field.GetField()) {
    return ZTError(ZT_E_STATE, "[ZTRecordComparatorBaseField::CompareRecords] no field resolved");
  }
  a->AddRef();
  b->AddRef();
  int rc = m_field.GetResolvedRecord(&a);
  if (rc == ZT_OK) rc = m_field.GetResolvedRecord(&b);
  int result = 0;
  if (rc == ZT_OK) rc = CompareValues(a, b, m_field.GetField(), &result);
  a->Release();
  b->Release();
  *piResult = ztApplySortingOrder(result, m_iSortingOrder);
  return rc;
}

int ZTRecordComparatorBaseField::FormatID(const char* kind, ZTBinary** ppId) {
  if (!ppId)
    return ZTError(ZT_E_INVALID, "[ZTRecordComparatorBaseField::GetMyComparatorID] null out");
  if (m_field.HasResolvedLink() && m_pRecordSet) return ztMakeTextBinary("UNKNOWN", ppId);
  const char* name = m_field.GetFieldName();
  return ztFormatTextBinary(ppId, "%sFieldRC%c(%s)", kind, m_iSortingOrder == 1 ? '<' : '>',
                            name ? name : "");
}
