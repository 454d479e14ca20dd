#include "find/ZTCursor.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "core/ZTRecordSort.h"
#include "find/ZTCursorComparatorRank.h"
#include "find/ZTICursorFilter.h"
#include "find/ZTIRecordSet.h"
#include "find/ZTMux.h"
#include "find/detail/ztAlloc.h"
#include "find/detail/ztBitmap.h"
#include "find/detail/ztCursorMerge.h"
#include "find/detail/ztTextBinary.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTCursor, ZTRefCount,
                {0x793499cf, 0x6a27, 0x47d0, {0xa8, 0x5d, 0x3b, 0x7b, 0xb9, 0x2c, 0x3e, 0x0c}})

int ztCheckRecordNumber(PRUint32 value, const char* where) {
  if (value < ZTCursor::kRecordLimit) return ZT_OK;
  return ZTError(ZT_E_INVALID, "[%s] %u is not a record number (2^31 or more)", where, value);
}

namespace {

int CheckValues(const PRUint32* values, PRUint32 n, const char* where) {
  for (PRUint32 i = 0; values && i < n; ++i) {
    const int rc = ztCheckRecordNumber(values[i], where);
    if (rc != ZT_OK) return rc;
  }
  return ZT_OK;
}

// A copy of n words (zeroes when words is null); null for n = 0 or when memory runs out.
PRUint32* CopyWords(PRUint32 n, const PRUint32* words) {
  if (n == 0) return nullptr;
  PRUint32* copy = words ? ztAllocOf<PRUint32>(n) : ztCallocOf<PRUint32>(n);
  if (copy && words) memcpy(copy, words, n * sizeof(PRUint32));
  return copy;
}

int NoMemory(const char* where) {
  return ZTError(ZT_E_NOMEM, "[ZTCursor::%s] Cannot allocate memory", where);
}

}  // namespace

ZTCursor::ZTCursor()
    : m_uCount(0),
      m_puArray(nullptr),
      m_bHasArray(true),
      m_uBitmapSize(0),
      m_uBitmapCapacity(0),
      m_puBitmap(nullptr),
      m_bHasBitmap(false),
      m_bBitmapStale(false),
      m_bOrdered(false),
      m_pComparator(nullptr),
      m_pComparatorId(nullptr) {}

ZTCursor::ZTCursor(PRUint32 n, const PRUint32* values) : ZTCursor() {
  SetCursorForm(n, values);
}

ZTCursor::ZTCursor(PRUint32 n, const PRUint32* words, int bBitmap) : ZTCursor() {
  if (bBitmap) {
    SetBitmapForm(n, words);
  } else {
    SetCursorForm(n, words);
  }
}

ZTCursor::~ZTCursor() {
  ReleaseArray();
  ztFree(m_puBitmap);
  ztRelease(m_pComparator);
  ztRelease(m_pComparatorId);
}

int ZTCursor::_CreateInstance(PRUint32 n, const PRUint32* values, ZTCursor** ppOut) {
  return _CreateInstance(n, values, 0, ppOut);
}

int ZTCursor::_CreateInstance(PRUint32 n, const PRUint32* words, int bBitmap, ZTCursor** ppOut) {
  if (!ppOut) return ZTError(ZT_E_INVALID, "[ZTCursor::_CreateInstance] null out-pointer");
  *ppOut = nullptr;
  ZTCursor* cursor = new (std::nothrow) ZTCursor();
  if (!cursor) return NoMemory("_CreateInstance");
  const int rc = bBitmap ? cursor->SetBitmapForm(n, words) : cursor->SetCursorForm(n, words);
  if (rc != ZT_OK) {
    cursor->Release();
    return rc;
  }
  *ppOut = cursor;
  return ZT_OK;
}

int ZTCursor::InitStartCount(PRUint32 first, PRUint32 n) {
  if (n > 0 && (first >= kRecordLimit || n > kRecordLimit - first)) {
    return ZTError(ZT_E_INVALID, "[ZTCursor::InitStartCount] range %u + %u passes 2^31", first, n);
  }
  ZTCursorComparatorRank* rank = new (std::nothrow) ZTCursorComparatorRank();
  if (!rank || !CopyArray(n, nullptr)) {
    ztRelease(rank);
    return NoMemory("InitStartCount");
  }
  for (PRUint32 i = 0; i < n; ++i) m_puArray[i] = first + i;
  DestroyBitmapForm();
  SetComparator(rank, nullptr);  // ascending rank order is known by the comparator's kind
  m_bOrdered = true;
  rank->Release();
  return ZT_OK;
}

void ZTCursor::SetArray(PRUint32 n, PRUint32* array) {
  ReleaseArray();
  m_puArray = array;
  m_uCount = n;
  m_bHasArray = true;
  m_bOrdered = false;
}

void ZTCursor::ReleaseArray() {
  if (m_puArray != m_auInline) ztFree(m_puArray);
  m_puArray = nullptr;
}

bool ZTCursor::CopyArray(PRUint32 n, const PRUint32* values) {
  if (n > kInlineValues) {
    PRUint32* array = CopyWords(n, values);
    if (!array) return false;
    SetArray(n, array);
    return true;
  }
  // values may lie in the array about to go.
  PRUint32 copy[kInlineValues] = {};
  if (values && n > 0) memcpy(copy, values, n * sizeof(PRUint32));
  SetArray(n, n > 0 ? m_auInline : nullptr);
  memcpy(m_auInline, copy, sizeof(copy));
  return true;
}

int ZTCursor::SetCursorForm(PRUint32 n, const PRUint32* values) {
  int rc = CheckValues(values, n, "ZTCursor::SetCursorForm");
  if (rc != ZT_OK) return rc;
  if (!CopyArray(n, values)) return NoMemory("SetCursorForm");
  DestroyBitmapForm();
  return ZT_OK;
}

int ZTCursor::CopyBitmap(PRUint32 n, const PRUint32* words) {
  PRUint32* bitmap = CopyWords(n, words);
  if (n > 0 && !bitmap) return NoMemory("CopyBitmap");
  ztFree(m_puBitmap);
  m_puBitmap = bitmap;
  m_uBitmapSize = m_uBitmapCapacity = n;
  m_bHasBitmap = true;
  m_bBitmapStale = false;
  return ZT_OK;
}

int ZTCursor::SetBitmapForm(PRUint32 n, const PRUint32* words) {
  if (n > kMaxBitmapWords) {
    return ZTError(ZT_E_INVALID, "[ZTCursor::SetBitmapForm] %u words pass 2^31 records", n);
  }
  const int rc = CopyBitmap(n, words);
  if (rc != ZT_OK) return rc;
  ReleaseArray();
  m_uCount = 0;
  m_bHasArray = m_bOrdered = false;
  return ZT_OK;
}

int ZTCursor::ComputeCursorForm() {
  if (m_bHasArray) return ZT_OK;
  if (m_bHasBitmap) return ArrayFromBitmap();
  SetArray(0, nullptr);
  return ZT_OK;
}

int ZTCursor::ArrayFromBitmap() {
  const PRUint32 count = ztBitmapCount(m_puBitmap, m_uBitmapSize);
  if (!CopyArray(count, nullptr)) return NoMemory("ComputeCursorForm");
  ztBitmapToArray(m_puBitmap, m_uBitmapSize, m_puArray);
  m_bOrdered = IsAscendingRank();
  if (!m_pComparator || m_bOrdered) return ZT_OK;
  const int rc = SortArray(m_pComparator);
  m_bOrdered = rc == ZT_OK;
  return rc;
}

int ZTCursor::ComputeBitmapForm() {
  if (HasValidBitmap()) return ZT_OK;
  if (!m_bHasArray) return CopyBitmap(0, nullptr);
  const int rc = GrowBitmap(ztBitmapWordsFor(m_puArray, m_uCount));
  if (rc != ZT_OK) return rc;
  CleanBitmap();
  ztBitmapSetBits(m_puBitmap, m_puArray, m_uCount);
  m_bBitmapStale = false;
  return ZT_OK;
}

void ZTCursor::DestroyCursorForm() {
  ReleaseArray();
  m_uCount = 0;
  m_bHasArray = m_bOrdered = false;
  if (m_bBitmapStale) DestroyBitmapForm();  // it described an array that is gone
}

void ZTCursor::DestroyBitmapForm() {
  ztFree(m_puBitmap);
  m_uBitmapSize = m_uBitmapCapacity = 0;
  m_bHasBitmap = m_bBitmapStale = false;
}

void ZTCursor::CleanBitmap() {
  if (m_puBitmap) memset(m_puBitmap, 0, m_uBitmapSize * sizeof(PRUint32));
}

int ZTCursor::GrowBitmap(PRUint32 n) {
  if (n > kMaxBitmapWords) {
    return ZTError(ZT_E_INVALID, "[ZTCursor::GrowBitmap] %u words pass 2^31 records", n);
  }
  if (!m_bHasBitmap) return CopyBitmap(n, nullptr);
  if (n <= m_uBitmapSize) return ZT_OK;
  if (n > m_uBitmapCapacity) {
    const PRUint32 capacity = std::max(n, std::min(kMaxBitmapWords, m_uBitmapCapacity * 2));
    void* grown = PR_Realloc(m_puBitmap, capacity * sizeof(PRUint32));
    if (!grown) return NoMemory("GrowBitmap");
    m_puBitmap = static_cast<PRUint32*>(grown);
    m_uBitmapCapacity = capacity;
  }
  memset(m_puBitmap + m_uBitmapSize, 0, (n - m_uBitmapSize) * sizeof(PRUint32));
  m_uBitmapSize = n;
  return ZT_OK;
}

int ZTCursor::SetElement(PRUint32 index, PRUint32 value) {
  int rc = ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  if (index >= m_uCount) {
    return ZTError(ZT_E_FAILED, "[ZTCursor::SetElement] index %u not below %u", index, m_uCount);
  }
  if ((rc = ztCheckRecordNumber(value, "ZTCursor::SetElement")) != ZT_OK) return rc;
  m_puArray[index] = value;
  m_bOrdered = false;
  DestroyBitmapForm();  // it no longer describes the array
  return ZT_OK;
}

int ZTCursor::Lookup(PRUint32 value, int* pbFound) {
  if (!pbFound) return ZTError(ZT_E_INVALID, "[ZTCursor::Lookup] null out-pointer");
  *pbFound = 0;
  if (HasValidBitmap()) {
    *pbFound = ztBitmapTest(m_puBitmap, m_uBitmapSize, value);
  } else if (m_bHasArray) {
    *pbFound = std::binary_search(m_puArray, m_puArray + m_uCount, value);
  } else {
    return ZTError(ZT_E_INVALID, "[ZTCursor::Lookup] the cursor has neither form");
  }
  return ZT_OK;
}

int ZTCursor::GetRecord(ZTIRecordSet* recordSet, PRUint32 index, int bDirect,
                        ZTIRecord** ppRecord) {
  if (!recordSet || !ppRecord) return ZTError(ZT_E_INVALID, "[ZTCursor::GetRecord] null argument");
  *ppRecord = nullptr;
  int rc = ComputeCursorForm();
  if (rc == ZT_OK && !bDirect) rc = recordSet->LookupUNum(index, ztfLookupEqual, &index);
  if (rc != ZT_OK) return rc;
  if (index >= m_uCount) {
    return ZTError(ZT_E_FAILED, "[ZTCursor::GetRecord] index %u not below %u", index, m_uCount);
  }
  return recordSet->GetRecord(m_puArray[index], ppRecord);
}

int ZTCursor::Extract(PRUint32 first, PRUint32 n, ZTCursor** ppOut) {
  if (!ppOut) return ZTError(ZT_E_INVALID, "[ZTCursor::Extract] null out-pointer");
  *ppOut = nullptr;
  const int rc = ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  if (n > m_uCount || first > m_uCount - n) {
    return ZTError(ZT_E_FAILED, "[ZTCursor::Extract] range %u + %u passes %u", first, n, m_uCount);
  }
  return _CreateInstance(n, m_puArray ? m_puArray + first : nullptr, ppOut);
}

int ZTCursor::CopyInto(ZTCursor* copy) const {
  if (!copy->CopyArray(m_uCount, m_puArray)) return NoMemory("Clone");
  copy->m_bHasArray = m_bHasArray;
  if (m_bHasBitmap) {
    const int rc = copy->CopyBitmap(m_uBitmapSize, m_puBitmap);
    if (rc != ZT_OK) return rc;
    copy->m_bBitmapStale = m_bBitmapStale;
  }
  copy->SetComparator(m_pComparator, m_pComparatorId);
  copy->m_bOrdered = m_bOrdered;
  return ZT_OK;
}

int ZTCursor::Clone(ZTCursor** ppOut) {
  if (!ppOut) return ZTError(ZT_E_INVALID, "[ZTCursor::Clone] null out-pointer");
  *ppOut = nullptr;
  ZTCursor* copy = new (std::nothrow) ZTCursor();
  if (!copy) return NoMemory("Clone");
  const int rc = CopyInto(copy);
  if (rc != ZT_OK) {
    copy->Release();
    return rc;
  }
  *ppOut = copy;
  return ZT_OK;
}

void ZTCursor::SetComparator(ZTICursorComparator* comparator, ZTBinary* id) {
  ztAssignRef(m_pComparator, comparator);
  ztAssignRef(m_pComparatorId, id);
}

bool ZTCursor::IsAscendingRank() const {
  return ztIsRankComparator(m_pComparator, 1);
}

int ZTCursor::SortArray(ZTICursorComparator* comparator) {
  PRUint32* end = m_puArray + m_uCount;
  if (ztIsRankComparator(comparator, 1)) {
    std::sort(m_puArray, end);
  } else if (ztIsRankComparator(comparator, -1)) {
    std::sort(m_puArray, end, std::greater<PRUint32>());
  } else {
    return ZTQ3sortRecord(m_puArray, m_uCount, sizeof(PRUint32), comparator);
  }
  return ZT_OK;
}

// Every ascending rank comparator gives the same order: an array already in it is kept, one
// found ascending is only marked. No identifier is recorded; the order is known by the
// comparator's kind.
int ZTCursor::SortAscending(ZTICursorComparator* comparator) {
  if (m_bOrdered && IsAscendingRank()) return ZT_OK;
  if (!std::is_sorted(m_puArray, m_puArray + m_uCount)) std::sort(m_puArray, m_puArray + m_uCount);
  comparator->AddRef();  // it may be the comparator SetComparator replaces
  SetComparator(comparator, nullptr);
  comparator->Release();
  m_bOrdered = true;
  return ZT_OK;
}

int ZTCursor::Sort(ZTICursorComparator* comparator) {
  if (!m_bHasArray && !comparator) return ZT_OK;  // a bitmap is always ascending
  int rc = ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  if (!comparator) {
    std::sort(m_puArray, m_puArray + m_uCount);
    SetComparator(nullptr, nullptr);
    return ZT_OK;
  }
  if (ztIsRankComparator(comparator, 1)) return SortAscending(comparator);
  ZTBinary* id = nullptr;
  if ((rc = comparator->GetCursorComparatorID(&id)) != ZT_OK) return rc;
  if (ztIsUnknownId(id)) ztRelease(id);
  const char* text = ztBinaryText(id);
  const char* recorded = ztBinaryText(m_pComparatorId);
  if (m_bOrdered && text && recorded && strcmp(text, recorded) == 0) {
    id->Release();
    return ZT_OK;
  }
  comparator->AddRef();  // it may be the comparator SetComparator replaces
  m_bOrdered = false;
  if ((rc = SortArray(comparator)) == ZT_OK) {
    SetComparator(comparator, id);
    m_bOrdered = true;
  }
  comparator->Release();
  ztRelease(id);
  return rc;
}

int ZTCursor::Filter(ZTICursorFilter* filter) {
  if (!filter) return ZTError(ZT_E_FAILED, "[ZTCursor::Filter] null filter");
  int rc = ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  DestroyBitmapForm();
  if ((rc = filter->SetCursor(this)) != ZT_OK || (rc = filter->Reset()) != ZT_OK) return rc;
  PRUint32 kept = 0;
  for (PRUint32 i = 0; i < m_uCount; ++i) {
    int keep = 0;
    if ((rc = filter->CheckRank(i, &keep)) != ZT_OK) return rc;
    if (keep) m_puArray[kept++] = m_puArray[i];
  }
  m_uCount = kept;
  return ZT_OK;
}

int ZTCursor::Merge(ZTCursor* other, ztfOperator op) {
  return ztCursorMerge::Run(this, other, op);
}

int ZTCursor::MuxCursors(ZTCursor** cursors, PRUint32 n, int* piStop) {
  if (n == 0) return ZT_OK;
  ZTMux mux;
  int rc = mux.MuxCursors(cursors, n, piStop);
  PRUint32 count = 0;
  PRUint32* items = nullptr;
  if (rc == ZT_OK) rc = mux.RetrieveDataWithAncillary(&count, &items, nullptr);
  if (rc != ZT_OK) return rc;
  DestroyBitmapForm();
  SetArray(count, items);
  return ZT_OK;
}

PRUint32* ZTCursor::BeginDirectWrite() {
  m_bBitmapStale = m_bHasBitmap;
  m_bOrdered = false;
  return m_puArray;
}

void ZTCursor::EndDirectWrite() {
  DestroyBitmapForm();
}
