#include "frontends/index/detail/IndexNearOccFilter.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"

IndexNearOccFilter::~IndexNearOccFilter() {
  ztRelease(m_pOther);
}

int IndexNearOccFilter::Init(ZTCursor* other, PRUint32 distance, int ordered) {
  const int rc = other->ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  other->AddRef();
  ztRelease(m_pOther);
  m_pOther = other;
  m_uDistance = distance;
  m_bOrdered = ordered;
  m_uCount = other->GetCount();
  return ZT_OK;
}

int IndexNearOccFilter::Reset() {
  m_uScan = 0;
  return ZT_OK;
}

int IndexNearOccFilter::CheckRank(PRUint32 position, int* pbKeep) {
  const PRUint64 p = m_pCursor->GetArray()[position];
  const PRUint32* other = m_pOther->GetArray();
  if (m_bOrdered) {
    while (m_uScan < m_uCount && other[m_uScan] + static_cast<PRUint64>(m_uDistance) < p) ++m_uScan;
    *pbKeep = m_uScan < m_uCount && other[m_uScan] < p;
  } else {
    while (m_uScan < m_uCount && other[m_uScan] < p) ++m_uScan;
    *pbKeep = m_uScan < m_uCount && other[m_uScan] <= p + m_uDistance;
  }
  return ZT_OK;
}
