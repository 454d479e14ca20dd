#include "find/ztRecordCache.h"

#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"

ztRecordCache::ztRecordCache() : m_uElement(PR_UINT32_MAX), m_uPosition(0), m_pRecord(nullptr) {}

ztRecordCache::~ztRecordCache() {
  Clear();
}

void ztRecordCache::Clear() {
  m_uElement = PR_UINT32_MAX;
  ztRelease(m_pRecord);
}

int ztRecordCache::Get(ZTIRecordSet* recordSet, PRUint32 element, int bRanksAreRecordNumbers,
                       ZTIRecord** ppRecord, PRUint32* puPosition) {
  if (element != m_uElement) {
    ztRelease(m_pRecord);
    m_uElement = element;
  }
  if (!m_pRecord) {
    PRUint32 position = element;
    int rc =
        bRanksAreRecordNumbers ? ZT_OK : recordSet->LookupUNum(element, ztfLookupEqual, &position);
    if (rc == ZT_OK) rc = recordSet->GetRecord(position, &m_pRecord);
    if (rc != ZT_OK) return rc;
    m_uPosition = position;
  }
  *ppRecord = m_pRecord;
  *puPosition = m_uPosition;
  return ZT_OK;
}
