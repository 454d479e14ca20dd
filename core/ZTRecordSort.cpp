#include "core/ZTRecordSort.h"

#include <prmem.h>

#include <cstring>

#include "core/ZTErrors.h"

namespace {

// A view of consecutive fixed-size records, addressed by index from the view's first record,
// with the one scratch record through which records are moved. Byte offsets are computed in
// size_t, so arrays of any size the address space holds are addressed correctly.
class RecordArray {
 public:
  RecordArray(void* base, size_t size, ZTIComparator* comparator, char* scratch)
      : m_base(static_cast<char*>(base)),
        m_size(size),
        m_comparator(comparator),
        m_scratch(scratch) {}

  RecordArray From(size_t index) const {
    return RecordArray(At(index), m_size, m_comparator, m_scratch);
  }
  char* At(size_t index) const { return m_base + index * m_size; }
  int Compare(size_t a, size_t b, int* piResult) const {
    return m_comparator->Compare(At(a), At(b), piResult);
  }
  void Swap(size_t a, size_t b) const {
    if (a == b) return;
    std::memcpy(m_scratch, At(a), m_size);
    std::memcpy(At(a), At(b), m_size);
    std::memcpy(At(b), m_scratch, m_size);
  }
  // Record i goes to j, record l to i, record j to l (i and l may be the same record).
  void Rotate(size_t i, size_t j, size_t l) const {
    std::memcpy(m_scratch, At(j), m_size);
    std::memcpy(At(j), At(i), m_size);
    if (l != i) std::memcpy(At(i), At(l), m_size);
    std::memcpy(At(l), m_scratch, m_size);
  }

 private:
  char* m_base;
  size_t m_size;
  ZTIComparator* m_comparator;
  char* m_scratch;
};

// The record-sized scratch area of one sort.
class Scratch {
 public:
  explicit Scratch(size_t size) : m_pData(static_cast<char*>(PR_Malloc(size))) {}
  ~Scratch() { PR_Free(m_pData); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  char* Get() const { return m_pData; }

 private:
  char* m_pData;
};

// After a partition: records [0, less) sort before the records kept in place, records
// [greater, n) after them.
struct Parts {
  size_t less;
  size_t greater;
};

using Partitioner = int (*)(const RecordArray&, size_t, Parts*);

// Sifts record `node` down the max-heap of the first n records.
int SiftDown(const RecordArray& a, PRUint64 node, PRUint64 n) {
  for (;;) {
    PRUint64 child = 2 * node + 1;
    if (child >= n) return ZT_OK;
    int order = 0;
    if (child + 1 < n) {
      if (int rc = a.Compare(child + 1, child, &order)) return rc;
      if (order > 0) ++child;
    }
    if (int rc = a.Compare(node, child, &order)) return rc;
    if (order >= 0) return ZT_OK;
    a.Swap(node, child);
    node = child;
  }
}

int HeapSort(const RecordArray& a, size_t n) {
  if (n < 2) return ZT_OK;
  for (size_t k = n / 2; k-- > 0;) {
    if (int rc = SiftDown(a, k, n)) return rc;
  }
  for (size_t end = n - 1; end > 0; --end) {
    a.Swap(0, end);
    if (int rc = SiftDown(a, 0, end)) return rc;
  }
  return ZT_OK;
}

// Three-way partition around the middle record. Records less than the pivot gather at the
// front behind l, equal ones between l and i, greater ones from j on.
int PartitionThreeWay(const RecordArray& a, size_t n, Parts* parts) {
  a.Swap(n / 2, 0);
  size_t l = 1, i = 1, j = n - 1;
  int order = 0;
  while (i < j) {
    while (i < j) {
      if (int rc = a.Compare(0, i, &order)) return rc;
      if (order < 0) break;
      if (order > 0) a.Swap(i, l++);
      ++i;
    }
    while (i < j) {
      if (int rc = a.Compare(j, 0, &order)) return rc;
      if (order <= 0) break;
      --j;
    }
    if (i >= j) break;
    if (order < 0) {
      a.Rotate(i, j, l++);
    } else {
      a.Swap(i, j);
    }
    ++i;
  }
  if (int rc = a.Compare(0, i, &order)) return rc;
  if (order > 0) a.Swap(i, l++);
  j = order >= 0 ? i + 1 : i;
  a.Swap(0, l - 1);
  *parts = {l - 1, j};
  return ZT_OK;
}

// Two-way partition around the middle record. Both scans stop at records equal to the pivot,
// so runs of equal records split evenly, and both stay inside the range.
int PartitionTwoWay(const RecordArray& a, size_t n, Parts* parts) {
  a.Swap(n / 2, 0);
  size_t i = 0, j = n;
  int order = 0;
  for (;;) {
    do {
      if (int rc = a.Compare(0, ++i, &order)) return rc;
    } while (order > 0 && i < n - 1);
    do {
      if (int rc = a.Compare(--j, 0, &order)) return rc;
    } while (order > 0 && j > 0);
    if (i >= j) break;
    a.Swap(i, j);
  }
  a.Swap(0, j);
  *parts = {j, j + 1};
  return ZT_OK;
}

int DepthLimit(size_t n) {
  int depth = 0;
  for (; n > 1; n >>= 1) depth += 2;
  return depth;
}

// Quicksort that recurses into the smaller part and loops on the larger one, so the stack
// stays logarithmic; past the depth limit the range is heapsorted, so hostile orders cost
// O(n log n) comparisons.
int QuickSort(Partitioner partition, RecordArray a, size_t n, int depth) {
  while (n > 1) {
    if (depth-- == 0) return HeapSort(a, n);
    Parts parts;
    if (int rc = partition(a, n, &parts)) return rc;
    const size_t greaterCount = n - parts.greater;
    RecordArray greater = a.From(parts.greater);
    if (parts.less < greaterCount) {
      if (int rc = QuickSort(partition, a, parts.less, depth)) return rc;
      a = greater;
      n = greaterCount;
    } else {
      if (int rc = QuickSort(partition, greater, greaterCount, depth)) return rc;
      n = parts.less;
    }
  }
  return ZT_OK;
}

// Validates the arguments, provides the scratch record and runs the sort: a quicksort with
// the given partition, or a heapsort without one.
int SortRecords(Partitioner partition, void* array, PRUint32 count, PRUint32 size,
                ZTIComparator* comparator) {
  if (count <= 1) return ZT_OK;
  if (!array || !size || !comparator) return ZT_E_INVALID;
  Scratch scratch(size);
  if (!scratch.Get()) return ZT_E_NOMEM;
  RecordArray a(array, size, comparator, scratch.Get());
  if (!partition) return HeapSort(a, count);
  return QuickSort(partition, a, count, DepthLimit(count));
}

const void* RecordAt(const void* array, PRUint32 index, PRUint32 size) {
  return static_cast<const char*>(array) + size_t{index} * size;
}

}  // namespace

int ZTLFindRecord(const void* key, const void* array, PRUint32 count, PRUint32 size,
                  ZTIComparator* comparator, PRUint32* puIndex, int* pbFound) {
  if (!pbFound || !comparator || (!array && count)) return ZT_E_INVALID;
  *pbFound = 0;
  for (PRUint32 i = 0; i < count; ++i) {
    int order = 0;
    if (int rc = comparator->Compare(key, RecordAt(array, i, size), &order)) return rc;
    if (order == 0) {
      *pbFound = 1;
      if (puIndex) *puIndex = i;
      return ZT_OK;
    }
  }
  return ZT_OK;
}

int ZTLFindSortedRecord(const void* key, const void* array, PRUint32 count, PRUint32 size,
                        ZTIComparator* comparator, PRUint32* puIndex, int* pbFound) {
  if (!pbFound || !comparator || (!array && count)) return ZT_E_INVALID;
  *pbFound = 0;
  PRUint32 i = 0;
  for (; i < count; ++i) {
    int order = 0;
    if (int rc = comparator->Compare(key, RecordAt(array, i, size), &order)) return rc;
    if (order <= 0) {
      *pbFound = order == 0;
      break;
    }
  }
  if (puIndex) *puIndex = i;
  return ZT_OK;
}

int ZTQsortRecord(void* array, PRUint32 count, PRUint32 size, ZTIComparator* comparator) {
  return SortRecords(PartitionTwoWay, array, count, size, comparator);
}

int ZTQ3sortRecord(void* array, PRUint32 count, PRUint32 size, ZTIComparator* comparator) {
  return SortRecords(PartitionThreeWay, array, count, size, comparator);
}

int ZTHsortRecord(void* array, PRUint32 count, PRUint32 size, ZTIComparator* comparator) {
  return SortRecords(nullptr, array, count, size, comparator);
}
