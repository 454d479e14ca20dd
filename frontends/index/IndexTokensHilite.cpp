// The positions to highlight in one document.
#include <prmem.h>

#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/IndexTokens.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/IndexNearOccFilter.h"

namespace {

const PRUint32 kNone = 0xFFFFFFFFu;

// Replaces *ppH by the result of combining it with p.
int Combine(int code, ZTCursor* p, PRUint32 distance, ZTCursor** ppH) {
  if (code == 1 || code == 2) return (*ppH)->Merge(p, ztfOr);
  if (code == 3) return (*ppH)->Merge(p, ztfAndNot);
  if (code != 4 && code != 5) return ZT_E_FAILED;
  ZTCursor* near = nullptr;
  const int rc = IndexTokens::FilterNearOccurrences(*ppH, p, distance, &near);
  if (rc != ZT_OK) return rc;
  (*ppH)->Release();
  *ppH = near;
  return ZT_OK;
}

// The array of a cursor in array form; null with 10 when it has a count but no items.
int ArrayOf(ZTCursor* cursor, const PRUint32** ppuArray) {
  const int rc = cursor->ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  *ppuArray = cursor->GetArray();
  return cursor->GetCount() && !*ppuArray ? ZT_E_FAILED : ZT_OK;
}

// Keeps in list the positions with a partner in other within distance: before them when
// ordered, else after them.
int KeepNear(ZTCursor* list, ZTCursor* other, PRUint32 distance, bool ordered) {
  IndexNearOccFilter* filter = new (std::nothrow) IndexNearOccFilter();
  int rc = filter ? filter->Init(other, distance, ordered) : ZT_E_NOMEM;
  if (rc == ZT_OK) rc = list->Filter(filter);
  ztRelease(filter);
  return rc;
}

}  // namespace

int IndexTokens::ComputeHiliteInfo(PRUint32 document, ZTCursor** ppOut) {
  *ppOut = nullptr;
  ZTCursor* result = new (std::nothrow) ZTCursor();
  if (!result) return ZTError(ZT_E_NOMEM, "[IndexTokens::ComputeHiliteInfo] Out of memory");
  int rc = ZT_OK;
  for (PRUint32 i = 0; rc == ZT_OK && i < m_uCount; ++i) {
    if (!HasTerm(i)) continue;
    ZTCursor* positions = nullptr;
    rc = m_pItems[i].m_pSub ? m_pItems[i].m_pSub->ComputePhraseHiliteInfo(document, &positions)
                            : ComputeTokenHiliteInfo(i, document, &positions);
    if (rc == ZT_OK) rc = Combine(m_pItems[i].m_iOperator, positions, m_uNearDistance, &result);
    ztRelease(positions);
  }
  if (rc != ZT_OK) {
    result->Release();
    return rc;
  }
  *ppOut = result;
  return ZT_OK;
}

int IndexTokens::ComputeTokenHiliteInfo(PRUint32 i, PRUint32 document, ZTCursor** ppOut,
                                        ztOccurrenceScan* pScan) {
  if (!m_ppSets[i]) {
    return ZTError(ZT_E_FAILED, "[IndexTokens::ComputeTokenHiliteInfo] Item %u is not resolved", i);
  }
  return m_ppSets[i]->Positions(m_pIndex, document, pScan, ppOut);
}

std::vector<ztOccurrenceScan> IndexTokens::NewScans() const {
  std::vector<ztOccurrenceScan> scans(m_uCount);
  for (PRUint32 k = 0; k < m_uCount; ++k) {
    if (m_ppSets[k]) scans[k] = m_ppSets[k]->NewScan();
  }
  return scans;
}

int IndexTokens::FilterNearOccurrences(ZTCursor* a, ZTCursor* b, PRUint32 distance,
                                       ZTCursor** ppOut) {
  *ppOut = nullptr;
  const PRUint32 *pa = nullptr, *pb = nullptr;
  int rc = ArrayOf(a, &pa);
  if (rc == ZT_OK) rc = ArrayOf(b, &pb);
  if (rc != ZT_OK) return rc;
  const PRUint32 na = a->GetCount(), nb = b->GetCount();
  PRUint32* out =
      static_cast<PRUint32*>(PR_Malloc((static_cast<PRUint64>(na) + nb + 1) * sizeof(PRUint32)));
  if (!out) return ZTError(ZT_E_NOMEM, "[IndexTokens::FilterNearOccurrences] Out of memory");
  PRUint32 x = 0, y = 0, n = 0;
  PRUint32 lastA = kNone, lastB = kNone;
  while (x < na || y < nb) {
    const PRUint64 nextA = x < na ? pa[x] : kNone;
    const PRUint64 nextB = y < nb ? pb[y] : kNone;
    if (x < na && nextA <= nextB) {
      if (nextB - nextA <= distance || (lastB != kNone && nextA - lastB <= distance)) {
        out[n++] = lastA = pa[x];
      }
      ++x;
    } else {
      if (nextA - nextB <= distance || (lastA != kNone && nextB - lastA <= distance)) {
        out[n++] = lastB = pb[y];
      }
      ++y;
    }
  }
  ZTCursor* result = nullptr;
  rc = ZTCursor::_CreateInstance(n, out, &result);
  PR_Free(out);
  if (rc == ZT_OK) *ppOut = result;
  return rc;
}

// Keeps in each list the positions that have a partner in the list of the neighbouring word:
// forward, the word before (within the gap of stop words between them); backward, the word
// after.
int IndexTokens::FilterPhrasePass(ZTCursor** lists, bool forward) {
  PRUint32 gap = 1, previous = m_uCount;
  for (PRUint32 step = 0; step < m_uCount; ++step) {
    const PRUint32 k = forward ? step : m_uCount - 1 - step;
    if (!lists[k]) {
      if (previous != m_uCount) ++gap;
      continue;
    }
    if (previous != m_uCount) {
      const int rc = KeepNear(lists[k], lists[previous], gap, forward);
      if (rc != ZT_OK) return rc;
    }
    previous = k;
    gap = 1;
  }
  return ZT_OK;
}

// Whether every word of the phrase, up to the first unresolved one, has a record of document;
// no positions are read.
int IndexTokens::HasAllWords(PRUint32 document, std::vector<ztOccurrenceScan>* pScans,
                             bool* pbAll) {
  *pbAll = true;
  int rc = ZT_OK;
  for (PRUint32 k = 0; rc == ZT_OK && *pbAll && k < m_uCount; ++k) {
    if (!m_pItems[k].m_pcTerm) continue;
    if (!m_ppSets[k]) break;
    rc = m_ppSets[k]->Contains(m_pIndex->DocIdField(), document, pScans ? &(*pScans)[k] : nullptr,
                               pbAll);
  }
  return rc;
}

// Each word's positions are kept where a kept position of the word before precedes them
// within the gap of stop words between them; the phrase occurs when the last word keeps one.
// Words after one left without a position are not read.
int IndexTokens::PhraseOccurs(PRUint32 document, std::vector<ztOccurrenceScan>* pScans,
                              bool* pbFound) {
  int rc = HasAllWords(document, pScans, pbFound);
  ZTCursor* previous = nullptr;
  PRUint32 gap = 1;
  for (PRUint32 k = 0; rc == ZT_OK && *pbFound && k < m_uCount; ++k) {
    if (!m_pItems[k].m_pcTerm) {
      if (previous) ++gap;
      continue;
    }
    ZTCursor* list = nullptr;
    rc = ComputeTokenHiliteInfo(k, document, &list, pScans ? &(*pScans)[k] : nullptr);
    if (rc == ZT_OK && previous) rc = KeepNear(list, previous, gap, true);
    *pbFound = rc == ZT_OK && list->GetCount() > 0;
    ztRelease(previous);
    previous = list;
    gap = 1;
  }
  ztRelease(previous);
  return rc;
}

int IndexTokens::ComputePhraseHiliteInfo(PRUint32 document, ZTCursor** ppOut) {
  *ppOut = nullptr;
  if (m_uCount == 0) return ZT_E_FAILED;
  ZTCursor** lists = static_cast<ZTCursor**>(PR_Calloc(m_uCount, sizeof(ZTCursor*)));
  if (!lists) return ZTError(ZT_E_NOMEM, "[IndexTokens::ComputePhraseHiliteInfo] Out of memory");
  bool all = false;
  int rc = HasAllWords(document, nullptr, &all);
  bool missing = !all;  // a word absent from the document: the phrase is too
  for (PRUint32 k = 0; rc == ZT_OK && !missing && k < m_uCount; ++k) {
    if (!m_pItems[k].m_pcTerm) continue;
    rc = ComputeTokenHiliteInfo(k, document, &lists[k]);
    missing = missing || (rc == ZT_OK && lists[k]->GetCount() == 0);
  }
  if (rc == ZT_OK && !missing) rc = FilterPhrasePass(lists, true);
  if (rc == ZT_OK && !missing) rc = FilterPhrasePass(lists, false);
  for (PRUint32 k = 0; missing && k < m_uCount; ++k) ztRelease(lists[k]);
  for (PRUint32 k = 0; k < m_uCount; ++k) {
    if (!lists[k]) continue;
    if (rc == ZT_OK && *ppOut) rc = (*ppOut)->Merge(lists[k], ztfOr);
    if (!*ppOut) {
      *ppOut = lists[k];
      lists[k] = nullptr;
    }
    ztRelease(lists[k]);
  }
  PR_Free(lists);
  if (rc == ZT_OK && !*ppOut) *ppOut = new (std::nothrow) ZTCursor();
  if (rc == ZT_OK && !*ppOut) rc = ZT_E_NOMEM;
  if (rc != ZT_OK) ztRelease(*ppOut);
  return rc;
}
