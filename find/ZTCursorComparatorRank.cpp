#include "find/ZTCursorComparatorRank.h"

#include "core/ZTErrors.h"
#include "find/detail/ztOrder.h"
#include "find/detail/ztTextBinary.h"

int ZTCursorComparatorRank::CompareRanks(PRUint32 a, PRUint32 b, int* piResult) {
  if (!piResult) return ZTError(ZT_E_INVALID, "[ZTCursorComparatorRank::CompareRanks] null out");
  *piResult = ztCompare3(a, b);
  return ZT_OK;
}

int ZTCursorComparatorRank::GetMyComparatorID(ZTBinary** ppId) {
  if (!ppId) return ZTError(ZT_E_INVALID, "[ZTCursorComparatorRank::GetMyComparatorID] null out");
  return ztMakeTextBinary("RankCC", ppId);
}

bool ztIsRankComparator(const ZTICursorComparator* comparator, int order) {
  return comparator && dynamic_cast<const ZTCursorComparatorRank*>(comparator) &&
         (comparator->GetSortingOrder() == -1) == (order == -1);
}
