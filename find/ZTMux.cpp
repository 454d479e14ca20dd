#include "find/ZTMux.h"

#include <algorithm>
#include <cstring>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTICursorComparator.h"
#include "find/ZTIMuxAncillaryCallback.h"
#include "find/detail/ztAlloc.h"
#include "find/detail/ztOrder.h"

namespace {

int Stopped(const int* piStop, const char* where) {
  if (piStop && *piStop) return ZTError(ZT_E_STOPPED, "[ZTMux::%s] stopped", where);
  return ZT_OK;
}

int NoMemory(const char* where) {
  return ZTError(ZT_E_NOMEM, "[ZTMux::%s] Cannot allocate memory", where);
}

int MissingArray(const char* where) {
  return ZTError(ZT_E_FAILED, "[ZTMux::%s] a cursor has a count but no array", where);
}

// Unions of at most this many values from cursors in array form are sorted, not made into a
// bitmap spanning the largest value.
const PRUint32 kSortedUnionLimit = 4096;

// The values of the cursors, all in array form, when they are few; else 0 (with *pbFew false).
PRUint32 FewValues(ZTCursor** cursors, PRUint32 n, bool* pbFew) {
  PRUint32 total = 0;
  *pbFew = false;
  for (PRUint32 i = 0; i < n; ++i) {
    if (!cursors[i] || !cursors[i]->HasCursorForm() || cursors[i]->HasBitmapForm()) return 0;
    total += cursors[i]->GetCount();
    if (total > kSortedUnionLimit) return 0;
  }
  *pbFew = true;
  return total;
}

}  // namespace

ZTMux::ZTMux()
    : m_uSources(0),
      m_ppuSources(nullptr),
      m_puCounts(nullptr),
      m_puPositions(nullptr),
      m_puCurrent(nullptr),
      m_puWaiting(nullptr),
      m_uWaiting(0),
      m_piFlags(nullptr),
      m_uCount(0),
      m_puItems(nullptr),
      m_pAncillary(nullptr) {}

ZTMux::~ZTMux() {
  FreeSources();
  FreeResult();
}

void ZTMux::FreeSources() {
  ztFree(m_ppuSources);
  ztFree(m_puCounts);
  ztFree(m_puPositions);
  ztFree(m_puCurrent);
  ztFree(m_puWaiting);
  ztFree(m_piFlags);
  m_uSources = m_uWaiting = 0;
}

void ZTMux::FreeResult() {
  ztFree(m_puItems);
  ztFree(m_pAncillary);
  m_uCount = 0;
}

int ZTMux::MuxCursors(ZTCursor** cursors, PRUint32 n, int* piStop) {
  if (n == 0) return ZT_OK;
  if (!cursors || !cursors[0]) return ZTError(ZT_E_INVALID, "[ZTMux::MuxCursors] null cursor");
  FreeResult();
  bool few = false;
  const PRUint32 total = FewValues(cursors, n, &few);
  if (few) {
    const int stopped = Stopped(piStop, "MuxCursors");
    return stopped == ZT_OK ? SortedUnion(cursors, n, total) : stopped;
  }
  ZTCursor* merged = nullptr;
  int rc = cursors[0]->Clone(&merged);
  if (rc == ZT_OK) rc = merged->ComputeBitmapForm();
  if (rc == ZT_OK) rc = Stopped(piStop, "MuxCursors");
  for (PRUint32 i = 1; rc == ZT_OK && i < n; ++i) {
    rc = cursors[i] ? merged->Merge(cursors[i], ztfOr)
                    : ZTError(ZT_E_INVALID, "[ZTMux::MuxCursors] null cursor %u", i);
    if (rc == ZT_OK) rc = Stopped(piStop, "MuxCursors");
  }
  if (rc == ZT_OK) rc = merged->ComputeCursorForm();
  if (rc == ZT_OK) rc = AllocResult(merged->GetCount(), 0);
  if (rc == ZT_OK) {
    m_uCount = merged->GetCount();
    if (m_uCount) memcpy(m_puItems, merged->GetArray(), m_uCount * sizeof(PRUint32));
  }
  ztRelease(merged);
  return rc;
}

// The ascending union of a few values, as the bitmap union gives it.
int ZTMux::SortedUnion(ZTCursor** cursors, PRUint32 n, PRUint32 total) {
  int rc = AllocResult(total, 0);
  if (rc != ZT_OK) return rc;
  for (PRUint32 i = 0; i < n; ++i) {
    const PRUint32 count = cursors[i]->GetCount();
    if (count && !cursors[i]->GetArray()) {
      FreeResult();
      return MissingArray("MuxCursors");
    }
    if (count) memcpy(m_puItems + m_uCount, cursors[i]->GetArray(), count * sizeof(PRUint32));
    m_uCount += count;
  }
  std::sort(m_puItems, m_puItems + m_uCount);
  m_uCount = static_cast<PRUint32>(std::unique(m_puItems, m_puItems + m_uCount) - m_puItems);
  return ZT_OK;
}

int ZTMux::AllocResult(PRUint32 capacity, PRUint32 ancillarySize) {
  m_uCount = 0;
  m_puItems = ztAllocOf<PRUint32>(capacity);
  m_pAncillary =
      ancillarySize ? static_cast<PRUint8*>(ztAllocArray(capacity, ancillarySize)) : nullptr;
  if (!m_puItems || (ancillarySize && !m_pAncillary)) {
    FreeResult();
    return NoMemory("MuxCursorsWithAncillary");
  }
  return ZT_OK;
}

int ZTMux::MuxCursorsWithAncillary(ZTCursor** cursors, PRUint32 n, PRUint32 ancillarySize,
                                   ZTIMuxAncillaryCallback* callback,
                                   ZTICursorComparator* comparator, int* piStop) {
  FreeSources();
  FreeResult();
  if (n == 0) return ZT_OK;
  if (!cursors) return ZTError(ZT_E_INVALID, "[ZTMux::MuxCursorsWithAncillary] null list");
  if (n == 1) return PassThrough(cursors[0], ancillarySize, callback);
  PRUint32 capacity = 0;
  int rc = Open(cursors, n, &capacity);
  if (rc == ZT_OK) rc = AllocResult(capacity, ancillarySize);
  for (PRUint32 i = 0; rc == ZT_OK && i < n; ++i) {
    if (m_puCounts[i] > 0) {
      rc = comparator ? InsertIndexWithComparator(i, comparator) : InsertIndexWithoutComparator(i);
    }
    if (rc == ZT_OK) rc = Stopped(piStop, "MuxCursorsWithAncillary");
  }
  while (rc == ZT_OK && m_uWaiting > 0) {
    if ((rc = Stopped(piStop, "MuxCursorsWithAncillary")) != ZT_OK) break;
    const PRUint32 r = m_puWaiting[--m_uWaiting];
    if ((rc = Output(r, ancillarySize, callback)) != ZT_OK) break;
    if (m_puPositions[r] < m_puCounts[r]) {
      rc = comparator ? InsertIndexWithComparator(r, comparator) : InsertIndexWithoutComparator(r);
    }
  }
  return rc;
}

int ZTMux::PassThrough(ZTCursor* cursor, PRUint32 ancillarySize,
                       ZTIMuxAncillaryCallback* callback) {
  if (!cursor) return ZTError(ZT_E_INVALID, "[ZTMux::MuxCursorsWithAncillary] null cursor");
  int rc = cursor->ComputeCursorForm();
  const PRUint32 count = cursor->GetCount();
  if (rc != ZT_OK || count == 0) return rc;
  if ((rc = AllocResult(count, ancillarySize)) != ZT_OK) return rc;
  if (!cursor->GetArray()) return MissingArray("MuxCursorsWithAncillary");
  memcpy(m_puItems, cursor->GetArray(), count * sizeof(PRUint32));
  m_uCount = count;
  if (ancillarySize == 0 || !callback) return ZT_OK;
  const int flag = 1;
  for (PRUint32 k = 0; k < count; ++k) {
    rc = callback->Compute(m_puItems[k], &k, &flag, m_pAncillary + k * ancillarySize);
    if (rc != ZT_OK) return rc;
  }
  return ZT_OK;
}

int ZTMux::Open(ZTCursor** cursors, PRUint32 n, PRUint32* puCapacity) {
  m_ppuSources = ztCallocOf<const PRUint32*>(n);
  m_puCounts = ztCallocOf<PRUint32>(n);
  m_puPositions = ztCallocOf<PRUint32>(n);
  m_puCurrent = ztCallocOf<PRUint32>(n);
  m_puWaiting = ztAllocOf<PRUint32>(n);
  m_piFlags = ztCallocOf<int>(n);
  if (!m_ppuSources || !m_puCounts || !m_puPositions || !m_puCurrent || !m_puWaiting ||
      !m_piFlags) {
    FreeSources();
    return NoMemory("MuxCursorsWithAncillary");
  }
  m_uSources = n;
  PRUint32 capacity = 0;
  for (PRUint32 i = 0; i < n; ++i) {
    if (!cursors[i]) return ZTError(ZT_E_INVALID, "[ZTMux::MuxCursorsWithAncillary] null cursor");
    const int rc = cursors[i]->ComputeCursorForm();
    if (rc != ZT_OK) return rc;
    m_ppuSources[i] = cursors[i]->GetArray();
    m_puCounts[i] = cursors[i]->GetCount();
    if (m_puCounts[i] && !m_ppuSources[i]) return MissingArray("MuxCursorsWithAncillary");
    if (m_puCounts[i] > PR_UINT32_MAX - capacity) return NoMemory("MuxCursorsWithAncillary");
    capacity += m_puCounts[i];
  }
  *puCapacity = capacity;
  return ZT_OK;
}

int ZTMux::Output(PRUint32 input, PRUint32 ancillarySize, ZTIMuxAncillaryCallback* callback) {
  const PRUint32 m = m_uCount;
  const PRUint32 value = m_puCurrent[input];
  m_puItems[m] = value;
  if (ancillarySize > 0 && callback) {
    for (PRUint32 i = 0; i < m_uSources; ++i) m_piFlags[i] = m_puCurrent[i] == value;
    const int rc = callback->Compute(value, m_puPositions, m_piFlags,
                                     m_pAncillary + static_cast<size_t>(m) * ancillarySize);
    if (rc != ZT_OK) return rc;
  }
  m_uCount = m + 1;
  return ZT_OK;
}

template <class Cmp>
int ZTMux::Insert(PRUint32 r, Cmp cmp) {
  if (r >= m_uSources || m_puPositions[r] >= m_puCounts[r]) {
    return ZTError(ZT_E_INVALID, "[ZTMux::InsertIndex] input %u has no value left", r);
  }
  PRUint32 v = m_puCurrent[r] = m_ppuSources[r][m_puPositions[r]++];
  PRInt64 lo = -1, hi = m_uWaiting;
  while (lo + 1 < hi) {
    const PRInt64 m = (lo + hi) / 2;
    int result = 0;
    const int rc = cmp(m_puCurrent[m_puWaiting[m]], v, &result);
    if (rc != ZT_OK) return rc;
    if (result > 0) {
      lo = m;
    } else if (result < 0) {
      hi = m;
    } else {  // v is already waiting: skip it
      if (m_puPositions[r] >= m_puCounts[r]) return ZT_OK;
      v = m_puCurrent[r] = m_ppuSources[r][m_puPositions[r]++];
      lo = -1;
      hi = m + 1;
    }
  }
  memmove(m_puWaiting + hi + 1, m_puWaiting + hi, (m_uWaiting - hi) * sizeof(PRUint32));
  m_puWaiting[hi] = r;
  ++m_uWaiting;
  return ZT_OK;
}

int ZTMux::InsertIndexWithComparator(PRUint32 input, ZTICursorComparator* comparator) {
  if (!comparator) return InsertIndexWithoutComparator(input);
  return Insert(input, [comparator](PRUint32 w, PRUint32 v, int* piResult) {
    return comparator->CompareRanks(w, v, piResult);
  });
}

int ZTMux::InsertIndexWithoutComparator(PRUint32 input) {
  return Insert(input, [](PRUint32 w, PRUint32 v, int* piResult) {
    *piResult = ztCompare3(w, v);
    return ZT_OK;
  });
}

int ZTMux::RetrieveDataWithAncillary(PRUint32* puCount, PRUint32** ppuItems, void** ppAncillary) {
  if (!puCount || !ppuItems) {
    return ZTError(ZT_E_INVALID, "[ZTMux::RetrieveDataWithAncillary] null out-pointer");
  }
  if (m_uCount != 0 && !m_puItems) {
    return ZTError(ZT_E_FAILED, "[ZTMux::RetrieveDataWithAncillary] a count and no items");
  }
  *puCount = m_uCount;
  *ppuItems = m_puItems;
  m_puItems = nullptr;
  if (ppAncillary) {
    *ppAncillary = m_pAncillary;
    m_pAncillary = nullptr;
  }
  FreeResult();
  return ZT_OK;
}
