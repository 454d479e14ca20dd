#include "find/ZTCursorFilterRecordWrapper.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecordFilter.h"
#include "find/ZTIRecordSet.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTCursorFilterRecordWrapper, ZTICursorFilter,
                {0xb1ea60b1, 0xb3a6, 0x4760, {0xb9, 0xc4, 0x74, 0x91, 0x3d, 0x7c, 0x0b, 0xde}})

ZTCursorFilterRecordWrapper::ZTCursorFilterRecordWrapper()
    : m_pRecordFilter(nullptr), m_bRanksAreRecordNumbers(1), m_pRecordSet(nullptr) {}

ZTCursorFilterRecordWrapper::~ZTCursorFilterRecordWrapper() {
  m_cache.Clear();
  ztRelease(m_pRecordSet);
  ztRelease(m_pRecordFilter);
}

int ZTCursorFilterRecordWrapper::SetRecordFilter(ZTIRecordFilter* filter,
                                                 int bRanksAreRecordNumbers) {
  ztAssignRef(m_pRecordFilter, filter);
  m_bRanksAreRecordNumbers = bRanksAreRecordNumbers;
  m_cache.Clear();
  ztRelease(m_pRecordSet);
  return filter ? filter->GetRecordSet(&m_pRecordSet) : ZT_OK;
}

int ZTCursorFilterRecordWrapper::SetCursor(ZTCursor* cursor) {
  m_cache.Clear();
  return ZTICursorFilter::SetCursor(cursor);
}

int ZTCursorFilterRecordWrapper::Reset() {
  if (!m_pRecordFilter)
    return ZTError(ZT_E_INVALID, "[ZTCursorFilterRecordWrapper::Reset] no filter");
  return m_pRecordFilter->Reset();
}

int ZTCursorFilterRecordWrapper::CheckRank(PRUint32 position, int* pbKeep) {
  if (!pbKeep) return ZTError(ZT_E_INVALID, "[ZTCursorFilterRecordWrapper::CheckRank] null out");
  int rc = m_pCursor ? m_pCursor->ComputeCursorForm() : ZT_OK;
  if (rc != ZT_OK) return rc;
  if (!m_pCursor || position >= m_pCursor->GetCount()) {
    return ZTError(ZT_E_FAILED, "[ZTCursorFilterRecordWrapper::CheckRank] position %u outside",
                   position);
  }
  if (!m_pRecordSet || !m_pRecordFilter) {
    return ZTError(ZT_E_INVALID, "[ZTCursorFilterRecordWrapper::CheckRank] no record set");
  }
  ZTIRecord* record = nullptr;
  PRUint32 recordPosition = 0;
  rc = m_cache.Get(m_pRecordSet, m_pCursor->GetArray()[position], m_bRanksAreRecordNumbers, &record,
                   &recordPosition);
  return rc == ZT_OK ? m_pRecordFilter->CheckRecord(record, pbKeep) : rc;
}
