#include "find/detail/ztCursorMerge.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursorComparatorRank.h"
#include "find/detail/ztAlloc.h"
#include "find/detail/ztBitmap.h"

namespace {

// Merges two arrays sorted in cmp's order: a pair of equal heads yields one element, while
// repeated elements inside one operand stay.
template <class Cmp>
int Union(const PRUint32* a, PRUint32 na, const PRUint32* b, PRUint32 nb, PRUint32* out,
          PRUint32* puCount, Cmp cmp) {
  PRUint32 i = 0, j = 0, k = 0;
  while (i < na && j < nb) {
    int r = 0;
    const int rc = cmp(a[i], b[j], &r);
    if (rc != ZT_OK) return rc;
    out[k++] = r <= 0 ? a[i++] : b[j++];
    if (r == 0) ++j;
  }
  PRUint32* end = std::copy(a + i, a + na, out + k);
  end = std::copy(b + j, b + nb, end);
  *puCount = static_cast<PRUint32>(end - out);
  return ZT_OK;
}

// Keeps, in place and in order, the elements of a found (or not found) in d, walking d once:
// for each element x, the position p in d moves past the elements before x and never back.
template <class Cmp>
int Walk(PRUint32* a, PRUint32 na, const PRUint32* d, PRUint32 nd, bool bKeepFound,
         PRUint32* puCount, Cmp cmp) {
  PRUint32 p = 0, k = 0;
  for (PRUint32 i = 0; i < na; ++i) {
    const PRUint32 x = a[i];
    int r = -1;
    for (; p < nd; ++p) {
      const int rc = cmp(d[p], x, &r);
      if (rc != ZT_OK) return rc;
      if (r >= 0) break;
    }
    if ((p < nd && r == 0) == bKeepFound) a[k++] = x;
  }
  *puCount = k;
  return ZT_OK;
}

// The rank comparator's order on plain ascending arrays: the same results as Union and Walk
// with a comparison by value, without a branch on the comparison.
PRUint32 UnionByValue(const PRUint32* a, PRUint32 na, const PRUint32* b, PRUint32 nb,
                      PRUint32* out) {
  PRUint32 i = 0, j = 0, k = 0;
  while (i < na && j < nb) {
    const PRUint32 x = a[i], y = b[j];
    out[k++] = x <= y ? x : y;
    i += x <= y;
    j += y <= x;
  }
  PRUint32* end = std::copy(a + i, a + na, out + k);
  return static_cast<PRUint32>(std::copy(b + j, b + nb, end) - out);
}

PRUint32 WalkByValue(PRUint32* a, PRUint32 na, const PRUint32* d, PRUint32 nd, bool bKeepFound) {
  PRUint32 p = 0, k = 0;
  for (PRUint32 i = 0; i < na; ++i) {
    const PRUint32 x = a[i];
    while (p < nd && d[p] < x) ++p;
    a[k] = x;
    k += (p < nd && d[p] == x) == bKeepFound;
  }
  return k;
}

struct ByComparator {
  ZTICursorComparator* comparator;
  int operator()(PRUint32 a, PRUint32 b, int* piResult) const {
    return comparator->Compare(&a, &b, piResult);
  }
};

}  // namespace

int ztCursorMerge::Run(ZTCursor* self, ZTCursor* other, ztfOperator op) {
  if (!other) return ZTError(ZT_E_FAILED, "[ZTCursor::Merge] null cursor");
  if (other == self) {  // merge with a copy: the walks read one operand while writing the other
    ZTCursor* copy = nullptr;
    int rc = self->Clone(&copy);
    if (rc == ZT_OK) rc = Run(self, copy, op);
    ztRelease(copy);
    return rc;
  }
  switch (op) {
    case ztfAppend:
      return Append(self, other);
    case ztfOr:
      return self->m_bHasBitmap ? OrBitmap(self, other) : Arrays(self, other, op);
    case ztfAnd:
    case ztfAndNot:
      if (self->m_bHasBitmap && !self->m_bHasArray) return AndBitmap(self, other, op == ztfAnd);
      return Arrays(self, other, op);
    default:
      return ZTError(ZT_E_FAILED, "[ZTCursor::Merge] operator %d not supported", op);
  }
}

int ztCursorMerge::Append(ZTCursor* self, ZTCursor* other) {
  int rc = self->ComputeCursorForm();
  if (rc == ZT_OK) rc = other->ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  const PRUint32 na = self->m_uCount, nb = other->m_uCount;
  PRUint32* out = na > PR_UINT32_MAX - nb ? nullptr : ztAllocOf<PRUint32>(na + nb);
  if (!out) return ZTError(ZT_E_NOMEM, "[ZTCursor::Merge] Cannot allocate %u + %u", na, nb);
  if (na) memcpy(out, self->m_puArray, na * sizeof(PRUint32));
  if (nb) memcpy(out + na, other->m_puArray, nb * sizeof(PRUint32));
  self->DestroyBitmapForm();
  self->SetArray(na + nb, out);
  self->SetComparator(nullptr, nullptr);
  return ZT_OK;
}

int ztCursorMerge::OrBitmap(ZTCursor* self, ZTCursor* other) {
  int rc = self->ComputeBitmapForm();  // rebuilds a stale bitmap
  if (rc != ZT_OK) return rc;
  self->DestroyCursorForm();
  if (other->m_bHasArray) {
    rc = self->GrowBitmap(ztBitmapWordsFor(other->m_puArray, other->m_uCount));
    if (rc == ZT_OK) ztBitmapSetBits(self->m_puBitmap, other->m_puArray, other->m_uCount);
  } else if (other->m_bHasBitmap) {
    rc = self->GrowBitmap(other->m_uBitmapSize);
    if (rc == ZT_OK) ztBitmapOr(self->m_puBitmap, other->m_puBitmap, other->m_uBitmapSize);
  }
  return rc;
}

int ztCursorMerge::AndBitmap(ZTCursor* self, ZTCursor* other, bool bKeepFound) {
  const int rc = other->ComputeBitmapForm();
  if (rc != ZT_OK) return rc;
  const PRUint32 common = std::min(self->m_uBitmapSize, other->m_uBitmapSize);
  if (bKeepFound) {
    ztBitmapAnd(self->m_puBitmap, other->m_puBitmap, common);
    memset(self->m_puBitmap + common, 0, (self->m_uBitmapSize - common) * sizeof(PRUint32));
  } else {
    ztBitmapAndNot(self->m_puBitmap, other->m_puBitmap, common);
  }
  return ZT_OK;
}

int ztCursorMerge::Arrays(ZTCursor* self, ZTCursor* other, ztfOperator op) {
  ZTICursorComparator* comparator = self->m_pComparator;
  if (comparator) {
    comparator->AddRef();
  } else if (!(comparator = new (std::nothrow) ZTCursorComparatorRank())) {
    return ZTError(ZT_E_NOMEM, "[ZTCursor::Merge] Cannot allocate a rank comparator");
  }
  int rc = self->Sort(comparator);
  if (rc == ZT_OK) rc = other->Sort(comparator);
  if (rc == ZT_OK) {
    self->DestroyBitmapForm();
    rc = op == ztfOr ? OrArrays(self, other, comparator)
                     : AndArrays(self, other, comparator, op == ztfAnd);
  }
  comparator->Release();
  return rc;
}

int ztCursorMerge::OrArrays(ZTCursor* self, ZTCursor* other, ZTICursorComparator* comparator) {
  const PRUint32 na = self->m_uCount, nb = other->m_uCount;
  PRUint32* out = na > PR_UINT32_MAX - nb ? nullptr : ztAllocOf<PRUint32>(na + nb);
  if (!out) return ZTError(ZT_E_FAILED, "[ZTCursor::Merge] Cannot allocate %u + %u", na, nb);
  PRUint32 count = 0;
  int rc = ZT_OK;
  if (ztIsRankComparator(comparator, 1)) {
    count = UnionByValue(self->m_puArray, na, other->m_puArray, nb, out);
  } else {
    rc = Union(self->m_puArray, na, other->m_puArray, nb, out, &count, ByComparator{comparator});
  }
  if (rc != ZT_OK) {
    ztFree(out);
    return rc;
  }
  self->SetArray(count, out);
  self->m_bOrdered = true;
  return ZT_OK;
}

int ztCursorMerge::AndArrays(ZTCursor* self, ZTCursor* other, ZTICursorComparator* comparator,
                             bool bKeepFound) {
  if (ztIsRankComparator(comparator, 1)) {
    self->m_uCount =
        WalkByValue(self->m_puArray, self->m_uCount, other->m_puArray, other->m_uCount, bKeepFound);
    return ZT_OK;
  }
  PRUint32 count = self->m_uCount;
  const int rc = Walk(self->m_puArray, count, other->m_puArray, other->m_uCount, bKeepFound, &count,
                      ByComparator{comparator});
  self->m_uCount = count;
  return rc;
}
