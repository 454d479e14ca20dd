#include "find/ZTCursorComparatorRecordWrapper.h"

#include "core/ZTErrors.h"
#include "find/ZTIRecordComparator.h"
#include "find/ZTIRecordSet.h"
#include "find/detail/ztOrder.h"
#include "find/detail/ztTextBinary.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTCursorComparatorRecordWrapper, ZTICursorComparator,
                {0xa343de7d, 0xf025, 0x472e, {0x99, 0xe2, 0x4a, 0xbd, 0x95, 0x28, 0x36, 0x39}})

ZTCursorComparatorRecordWrapper::ZTCursorComparatorRecordWrapper()
    : m_pRecordComparator(nullptr), m_bRanksAreRecordNumbers(1), m_pRecordSet(nullptr) {
  m_iConsiderRank = 0;
}

ZTCursorComparatorRecordWrapper::~ZTCursorComparatorRecordWrapper() {
  m_cacheA.Clear();
  m_cacheB.Clear();
  ztRelease(m_pRecordSet);
  ztRelease(m_pRecordComparator);
}

int ZTCursorComparatorRecordWrapper::SetRecordComparator(ZTIRecordComparator* comparator,
                                                         int bRanksAreRecordNumbers) {
  ztAssignRef(m_pRecordComparator, comparator);
  m_bRanksAreRecordNumbers = bRanksAreRecordNumbers;
  m_cacheA.Clear();
  m_cacheB.Clear();
  ztRelease(m_pRecordSet);
  return comparator ? comparator->GetRecordSet(&m_pRecordSet) : ZT_OK;
}

int ZTCursorComparatorRecordWrapper::CompareRanks(PRUint32 a, PRUint32 b, int* piResult) {
  if (!piResult) {
    return ZTError(ZT_E_INVALID, "[ZTCursorComparatorRecordWrapper::CompareRanks] null out");
  }
  *piResult = 0;
  if (!m_pRecordSet || !m_pRecordComparator) {
    return ZTError(ZT_E_INVALID, "[ZTCursorComparatorRecordWrapper::CompareRanks] no record set");
  }
  ZTIRecord* recordA = nullptr;
  ZTIRecord* recordB = nullptr;
  PRUint32 positionA = 0, positionB = 0;
  int rc = m_cacheA.Get(m_pRecordSet, a, m_bRanksAreRecordNumbers, &recordA, &positionA);
  if (rc == ZT_OK)
    rc = m_cacheB.Get(m_pRecordSet, b, m_bRanksAreRecordNumbers, &recordB, &positionB);
  if (rc == ZT_OK) rc = m_pRecordComparator->CompareRecords(recordA, recordB, piResult);
  if (rc == ZT_OK && *piResult == 0 && m_iConsiderRank) {
    *piResult = ztCompare3(positionA, positionB);
  }
  return rc;
}

int ZTCursorComparatorRecordWrapper::GetMyComparatorID(ZTBinary** ppId) {
  if (!ppId) {
    return ZTError(ZT_E_INVALID, "[ZTCursorComparatorRecordWrapper::GetMyComparatorID] null out");
  }
  if (m_pRecordComparator) return m_pRecordComparator->GetRecordComparatorID(ppId);
  return ztMakeTextBinary("RecordWrapperCC", ppId);
}
