#include "find/ZTCursorScorer.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorScorerWrapper.h"
#include "find/ZTMux.h"
#include "find/detail/ztAlloc.h"
#include "find/detail/ztRadixSort.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTCursorScorer, ZTRefCount,
                {0xc946880f, 0xaeb2, 0x4994, {0x94, 0x86, 0x3f, 0x17, 0xc0, 0x9f, 0x7d, 0x1e}})

ZTCursorScorer::ZTCursorScorer()
    : m_uSize(0),
      m_bSigned(0),
      m_pUnsortedCursor(nullptr),
      m_pSortedCursor(nullptr),
      m_puScores(nullptr),
      m_puSortedScores(nullptr),
      m_piScores(nullptr),
      m_piSortedScores(nullptr) {}

ZTCursorScorer::~ZTCursorScorer() {
  Clear();
}

void ZTCursorScorer::DropSorted() {
  ztRelease(m_pUnsortedCursor);
  ztRelease(m_pSortedCursor);
  ztFree(m_puSortedScores);
  ztFree(m_piSortedScores);
}

void ZTCursorScorer::Clear() {
  DropSorted();
  ztFree(m_puScores);
  ztFree(m_piScores);
  m_uSize = 0;
}

// The score array of the scorer's kind, seen as 32-bit words.
PRUint32* ZTCursorScorer::ScoresOfKind(int bSigned) {
  return bSigned ? reinterpret_cast<PRUint32*>(m_piScores) : m_puScores;
}

int ZTCursorScorer::Init(PRUint32 n, int bSigned) {
  Clear();
  m_bSigned = 0;
  if (n > 0) {
    PRUint32* scores = ztCallocOf<PRUint32>(n);
    if (!scores) return ZTError(ZT_E_NOMEM, "[ZTCursorScorer::Init] Cannot allocate %u scores", n);
    if (bSigned) {
      m_piScores = reinterpret_cast<PRInt32*>(scores);
    } else {
      m_puScores = scores;
    }
  }
  m_uSize = n;
  m_bSigned = bSigned ? 1 : 0;
  return ZT_OK;
}

int ZTCursorScorer::CheckIndex(PRUint32 index, int bSigned, const char* where) const {
  if (m_uSize == 0 || m_bSigned != bSigned || index >= m_uSize) {
    return ZTError(ZT_E_FAILED, "[ZTCursorScorer::%s] no score %u in this scorer", where, index);
  }
  return ZT_OK;
}

int ZTCursorScorer::SetUnsignedScore(PRUint32 index, PRUint32 value) {
  const int rc = CheckIndex(index, 0, "SetUnsignedScore");
  if (rc == ZT_OK) m_puScores[index] = value;
  return rc;
}

int ZTCursorScorer::AddToUnsignedScore(PRUint32 index, PRUint32 amount) {
  const int rc = CheckIndex(index, 0, "AddToUnsignedScore");
  if (rc == ZT_OK) m_puScores[index] += amount;
  return rc;
}

int ZTCursorScorer::SetSignedScore(PRUint32 index, PRInt32 value) {
  const int rc = CheckIndex(index, 1, "SetSignedScore");
  if (rc == ZT_OK) m_piScores[index] = value;
  return rc;
}

int ZTCursorScorer::AddToSignedScore(PRUint32 index, PRInt32 amount) {
  const int rc = CheckIndex(index, 1, "AddToSignedScore");
  if (rc == ZT_OK) {  // wraps modulo 2^32 like the unsigned scores
    m_piScores[index] = static_cast<PRInt32>(static_cast<PRUint32>(m_piScores[index]) +
                                             static_cast<PRUint32>(amount));
  }
  return rc;
}

int ZTCursorScorer::SetUnsortedCursor(ZTCursor* cursor) {
  if (cursor) cursor->AddRef();  // it may be the unsorted cursor released below
  DropSorted();
  int rc = cursor ? cursor->ComputeCursorForm()
                  : ZTError(ZT_E_INVALID, "[ZTCursorScorer::SetUnsortedCursor] null cursor");
  if (rc == ZT_OK && cursor->GetCount() != m_uSize) {
    rc = ZTError(ZT_E_INVALID, "[ZTCursorScorer::SetUnsortedCursor] %u elements for %u scores",
                 cursor->GetCount(), m_uSize);
  }
  if (rc == ZT_OK) rc = BuildSorted(cursor);
  ztRelease(cursor);
  return rc;
}

namespace {

// The sort key of a scored record: ascending keys put the highest score first and equal
// scores by record number. Signed scores are moved into unsigned order first.
PRUint64 SortKey(PRUint32 record, PRUint32 score, bool bSigned) {
  const PRUint32 order = bSigned ? score ^ 0x80000000u : score;
  return (static_cast<PRUint64>(~order) << 32) | record;
}

}  // namespace

int ZTCursorScorer::BuildSorted(ZTCursor* cursor) {
  const PRUint32 n = m_uSize;
  PRUint32* sortedScores = n ? ztAllocOf<PRUint32>(n) : nullptr;
  const PRUint32 room = n <= PR_UINT32_MAX / 2 ? 2 * n : 0;  // the keys and the sort's scratch
  PRUint64* keys = room ? ztAllocOf<PRUint64>(room) : nullptr;
  ZTCursor* sorted = nullptr;
  int rc = ZT_OK;
  if (n > 0 && (!sortedScores || !keys)) {
    rc = ZTError(ZT_E_NOMEM, "[ZTCursorScorer::SetUnsortedCursor] Cannot allocate memory");
  }
  if (rc == ZT_OK && n > 0 && !cursor->GetArray()) {
    rc = ZTError(ZT_E_FAILED, "[ZTCursorScorer::SetUnsortedCursor] cursor without array");
  }
  if (rc == ZT_OK) rc = ZTCursor::_CreateInstance(n, nullptr, &sorted);
  if (rc != ZT_OK) {
    ztFree(sortedScores);
    ztFree(keys);
    return rc;
  }
  const PRUint32* records = cursor->GetArray();
  const PRUint32* scores = ScoresOfKind(m_bSigned);
  const bool bSigned = m_bSigned;
  bool ascending = true;
  for (PRUint32 k = 0; k < n; ++k) {
    keys[k] = SortKey(records[k], scores[k], bSigned);
    ascending = ascending && (k == 0 || records[k - 1] <= records[k]);
  }
  // Records listed ascending (the usual case) need ordering by score only.
  ztRadixSort(keys, keys + n, n, ascending ? 4 : 0);
  PRUint32* out = sorted->BeginDirectWrite();
  for (PRUint32 k = 0; k < n; ++k) {
    out[k] = static_cast<PRUint32>(keys[k]);
    const PRUint32 order = ~static_cast<PRUint32>(keys[k] >> 32);
    sortedScores[k] = bSigned ? order ^ 0x80000000u : order;
  }
  sorted->EndDirectWrite();
  ztFree(keys);
  if (m_bSigned) {
    m_piSortedScores = reinterpret_cast<PRInt32*>(sortedScores);
  } else {
    m_puSortedScores = sortedScores;
  }
  ztAssignRef(m_pUnsortedCursor, cursor);
  m_pSortedCursor = sorted;
  return ZT_OK;
}

int ZTCursorScorer::GetSize(PRUint32* puSize) const {
  if (!puSize) return ZTError(ZT_E_INVALID, "[ZTCursorScorer::GetSize] null out-pointer");
  *puSize = m_uSize;
  return ZT_OK;
}

int ZTCursorScorer::GetCursor(int bSorted, ZTCursor** ppCursor) {
  if (!ppCursor) return ZTError(ZT_E_INVALID, "[ZTCursorScorer::GetCursor] null out-pointer");
  ztHandOutRef(bSorted ? m_pSortedCursor : m_pUnsortedCursor, ppCursor);
  return ZT_OK;
}

int ZTCursorScorer::GetSharedUnsignedScores(int bSorted, const PRUint32** ppuScores) const {
  if (!ppuScores || m_bSigned) {
    return ZTError(ZT_E_INVALID,
                   "[ZTCursorScorer::GetSharedUnsignedScores] not an unsigned scorer");
  }
  *ppuScores = bSorted ? m_puSortedScores : m_puScores;
  return ZT_OK;
}

int ZTCursorScorer::GetSharedSignedScores(int bSorted, const PRInt32** ppiScores) const {
  if (!ppiScores || !m_bSigned) {
    return ZTError(ZT_E_INVALID, "[ZTCursorScorer::GetSharedSignedScores] not a signed scorer");
  }
  *ppiScores = bSorted ? m_piSortedScores : m_piScores;
  return ZT_OK;
}

int ZTCursorScorer::CollectCursors(ZTCursorScorer** scorers, PRUint32 n, ZTCursor*** pppCursors) {
  ZTCursor** cursors = ztAllocOf<ZTCursor*>(n);
  if (!cursors)
    return ZTError(ZT_E_NOMEM, "[ZTCursorScorer::MuxCursorScorer] Cannot allocate memory");
  for (PRUint32 i = 0; i < n; ++i) {
    cursors[i] = scorers[i] ? scorers[i]->m_pUnsortedCursor : nullptr;
    if (!cursors[i]) {
      ztFree(cursors);
      return ZTError(ZT_E_INVALID, "[ZTCursorScorer::MuxCursorScorer] scorer %u has no cursor", i);
    }
  }
  *pppCursors = cursors;
  return ZT_OK;
}

int ZTCursorScorer::MuxCursorScorer(ZTCursorScorer** scorers, PRUint32 n,
                                    ZTIMuxCursorScorer* computer, int* piStop) {
  if (n == 0) return ZT_OK;
  if (!scorers || !scorers[0] || !computer) {
    return ZTError(ZT_E_INVALID, "[ZTCursorScorer::MuxCursorScorer] null argument");
  }
  ZTCursor** cursors = nullptr;
  int rc = CollectCursors(scorers, n, &cursors);
  if (rc != ZT_OK) return rc;
  ZTMux mux;
  ZTCursorScorerWrapper wrapper(computer);
  rc = mux.MuxCursorsWithAncillary(cursors, n, sizeof(PRUint32), &wrapper, nullptr, piStop);
  ztFree(cursors);
  PRUint32 count = 0;
  PRUint32* items = nullptr;
  void* merged = nullptr;
  if (rc == ZT_OK) rc = mux.RetrieveDataWithAncillary(&count, &items, &merged);
  if (rc != ZT_OK) return rc;
  if ((rc = Init(count, scorers[0]->m_bSigned)) == ZT_OK && count > 0) {
    memcpy(ScoresOfKind(m_bSigned), merged, count * sizeof(PRUint32));
  }
  ZTCursor* cursor = nullptr;
  if (rc == ZT_OK) rc = ZTCursor::_CreateInstance(count, items, &cursor);
  if (rc == ZT_OK) rc = SetUnsortedCursor(cursor);
  ztRelease(cursor);
  ztFree(items);
  ztFree(merged);
  return rc;
}
