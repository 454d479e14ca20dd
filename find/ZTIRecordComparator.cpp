#include "find/ZTIRecordComparator.h"

#include "core/ZTErrors.h"
#include "find/ZTIRecordSet.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTIRecordComparator, ZTRefCount,
                {0x45f96720, 0x530a, 0x4893, {0xa5, 0x5a, 0x69, 0x31, 0x37, 0x49, 0x8e, 0x05}})

ZTIRecordComparator::ZTIRecordComparator() : m_pRecordSet(nullptr), m_iSortingOrder(1) {}

ZTIRecordComparator::~ZTIRecordComparator() {
  ztRelease(m_pRecordSet);
}

int ZTIRecordComparator::SetRecordSet(ZTIRecordSet* recordSet) {
  ztAssignRef(m_pRecordSet, recordSet);
  return ZT_OK;
}

int ZTIRecordComparator::GetRecordComparatorID(ZTBinary** ppId) {
  if (!ppId) {
    return ZTError(ZT_E_INVALID, "[ZTIRecordComparator::GetRecordComparatorID] null out");
  }
  return GetMyComparatorID(ppId);
}

int ZTIRecordComparator::GetRecordSet(ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return ZTError(ZT_E_NULLOUT, "[ZTIRecordComparator::GetRecordSet] null out");
  ztHandOutRef(m_pRecordSet, ppRecordSet);
  return ZT_OK;
}

int ZTIRecordComparator::SetSortingOrder(int order) {
  m_iSortingOrder = order;
  return ZT_OK;
}
