#include "frontends/index/detail/IndexNearDocFilter.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/ZTIndex.h"

IndexNearDocFilter::~IndexNearDocFilter() {
  ztRelease(m_pLeft);
  ztRelease(m_pRight);
}

int IndexNearDocFilter::Init(ZTIndex* index, PRUint32 distance, int ordered, ZTIRecordSet* left,
                             ZTIRecordSet* right) {
  m_pIndex = index;
  m_uDistance = distance;
  m_bOrdered = ordered;
  left->AddRef();
  right->AddRef();
  m_pLeft = left;
  m_pRight = right;
  const int rc = left->GetCount(&m_uLeftCount);
  return rc != ZT_OK ? rc : right->GetCount(&m_uRightCount);
}

int IndexNearDocFilter::Reset() {
  m_uLeftScan = m_uRightScan = 0;
  return ZT_OK;
}

int IndexNearDocFilter::CheckRank(PRUint32 position, int* pbKeep) {
  const PRUint32 document = m_pCursor->GetArray()[position];
  ZTCursor* a = nullptr;
  ZTCursor* b = nullptr;
  int rc = m_pIndex->BuildOccurrenceList(m_pLeft, &m_uLeftScan, m_uLeftCount, document, &a);
  if (rc == ZT_OK) {
    rc = m_pIndex->BuildOccurrenceList(m_pRight, &m_uRightScan, m_uRightCount, document, &b);
  }
  if (rc == ZT_OK) rc = a->ComputeCursorForm();
  if (rc == ZT_OK) rc = b->ComputeCursorForm();
  if (rc == ZT_OK) *pbKeep = CheckOcc(a->GetArray(), a->GetCount(), b->GetArray(), b->GetCount());
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
