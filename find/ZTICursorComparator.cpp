#include "find/ZTICursorComparator.h"

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/detail/ztOrder.h"
#include "find/detail/ztTextBinary.h"

ZT_DEFINE_ZTIID(ZTICursorComparator, ZTIComparator,
                {0x33b1e251, 0x46a9, 0x4004, {0x84, 0x88, 0xd4, 0xbe, 0x00, 0xb4, 0x84, 0xdc}})

ZTICursorComparator::ZTICursorComparator() : m_iConsiderRank(1), m_iSortingOrder(1) {}

int ZTICursorComparator::Compare(const void* a, const void* b, int* piResult) {
  if (!piResult) return ZTError(ZT_E_INVALID, "[ZTICursorComparator::Compare] null result");
  *piResult = 0;
  if (!a || !b) return ZTError(ZT_E_FAILED, "[ZTICursorComparator::Compare] null element");
  int result = 0;
  const int rc =
      CompareRanks(*static_cast<const PRUint32*>(a), *static_cast<const PRUint32*>(b), &result);
  *piResult = ztApplySortingOrder(result, m_iSortingOrder);
  return rc;
}

int ZTICursorComparator::GetCursorComparatorID(ZTBinary** ppId) {
  if (!ppId) {
    return ZTError(ZT_E_INVALID, "[ZTICursorComparator::GetCursorComparatorID] null out");
  }
  *ppId = nullptr;
  ZTBinary* mine = nullptr;
  int rc = GetMyComparatorID(&mine);
  if (rc != ZT_OK) return rc;
  const char* text = ztBinaryText(mine);
  if (!text) {
    ztRelease(mine);
    return ZTError(ZT_E_FAILED, "[ZTICursorComparator::GetCursorComparatorID] no text");
  }
  if (ztIsUnknownId(mine)) {
    *ppId = mine;
    return ZT_OK;
  }
  rc = ztFormatTextBinary(ppId, m_iSortingOrder == 1 ? "+%s" : "-%s", text);
  mine->Release();
  return rc;
}

int ZTICursorComparator::SetConsiderRank(int bConsiderRank) {
  m_iConsiderRank = bConsiderRank;
  return ZT_OK;
}

int ZTICursorComparator::GetConsiderRank(int* pbConsiderRank) const {
  if (!pbConsiderRank)
    return ZTError(ZT_E_INVALID, "[ZTICursorComparator::GetConsiderRank] null out");
  *pbConsiderRank = m_iConsiderRank;
  return ZT_OK;
}

int ZTICursorComparator::SetSortingOrder(int order) {
  m_iSortingOrder = order;
  return ZT_OK;
}
