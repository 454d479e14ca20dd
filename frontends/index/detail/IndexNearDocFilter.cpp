#include "frontends/index/detail/IndexNearDocFilter.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "frontends/index/ZTIndex.h"

int IndexNearDocFilter::Init(ZTIndex* index, PRUint32 distance, int ordered,
                             const ztOccurrenceSets* left, const ztOccurrenceSets* right) {
  m_pIndex = index;
  m_uDistance = distance;
  m_bOrdered = ordered;
  m_pLeft = left;
  m_pRight = right;
  return Reset();
}

int IndexNearDocFilter::Reset() {
  m_leftScan = m_pLeft->NewScan();
  m_rightScan = m_pRight->NewScan();
  return ZT_OK;
}

int IndexNearDocFilter::CheckRank(PRUint32 position, int* pbKeep) {
  const PRUint32 document = m_pCursor->GetArray()[position];
  ZTCursor* a = nullptr;
  ZTCursor* b = nullptr;
  int rc = m_pLeft->Positions(m_pIndex, document, &m_leftScan, &a);
  if (rc == ZT_OK) rc = m_pRight->Positions(m_pIndex, document, &m_rightScan, &b);
  if (rc == ZT_OK) rc = a->ComputeCursorForm();
  if (rc == ZT_OK) rc = b->ComputeCursorForm();
  if (rc == ZT_OK) {
    *pbKeep = CheckOcc(a->GetArray(), a->GetCount(), b->GetArray(), b->GetCount());
  }
  ztRelease(a);
  ztRelease(b);
  return rc;
}

bool IndexNearDocFilter::CheckOcc(const PRUint32* a, PRUint32 na, const PRUint32* b,
                                  PRUint32 nb) const {
  PRUint32 x = 0, y = 0;
  if (na == 0 || nb == 0) return false;
  for (;;) {
    for (; a[x] <= b[y]; ++x) {
      if (b[y] - a[x] <= m_uDistance) return true;
      if (x + 1 == na) return false;
    }
    if (!m_bOrdered && a[x] - b[y] <= m_uDistance) return true;
    if (++y == nb) return false;
  }
}
