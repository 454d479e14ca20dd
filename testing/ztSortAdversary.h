// Test and benchmark support for the record sorts: eight-byte records, their comparator, the
// input orders the sorts are tried on, and a generator of inputs that are hostile to a given
// quicksort.
#ifndef TESTING_ZTSORTADVERSARY_H_
#define TESTING_ZTSORTADVERSARY_H_

#include <prtypes.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/ZTIComparator.h"
#include "core/ZTRecordSort.h"

// The sort key and the record's original position, which the comparator ignores.
struct ztTestRecord {
  PRUint32 key;
  PRUint32 tag;
};

inline bool operator<(const ztTestRecord& a, const ztTestRecord& b) {
  return a.key < b.key;
}

// Compares the keys; counts its calls and can fail with a chosen code at a chosen call.
class ztTestRecordComparator : public ZTIComparator {
 public:
  int Compare(const void* a, const void* b, int* piResult) override {
    if (++m_uCalls == m_uFailAt) return m_iFailCode;
    PRUint32 ka = static_cast<const ztTestRecord*>(a)->key;
    PRUint32 kb = static_cast<const ztTestRecord*>(b)->key;
    *piResult = ka < kb ? -1 : (ka > kb ? 1 : 0);
    return 0;
  }
  void FailAt(PRUint64 call, int code) {
    m_uFailAt = call;
    m_iFailCode = code;
  }
  PRUint64 m_uCalls = 0;

 private:
  PRUint64 m_uFailAt = 0;
  int m_iFailCode = 0;
};

// Any of the three sorts.
using ztTestSort = std::function<int(void*, PRUint32, PRUint32, ZTIComparator*)>;

struct ztNamedSort {
  const char* name;
  ztTestSort sort;
};

inline const ztNamedSort ztRecordSorts[] = {
    {"ZTQ3sortRecord", ZTQ3sortRecord},
    {"ZTQsortRecord", ZTQsortRecord},
    {"ZTHsortRecord", ZTHsortRecord},
};

// Makes an input that drives a quicksort with a fixed pivot choice towards its worst case
// (M. D. McIlroy, "A killer adversary for quicksort"): all keys start undecided ("gas"); when
// two undecided keys meet, one of them is frozen to the next smaller solid value, preferring the
// current pivot candidate. Sorting the resulting keys repeats the same comparisons.
class ztAntiQuicksort : public ZTIComparator {
 public:
  explicit ztAntiQuicksort(PRUint32 n) : m_values(n, n), m_uGas(n) {}

  int Compare(const void* a, const void* b, int* piResult) override {
    PRUint32 x = static_cast<const ztTestRecord*>(a)->tag;
    PRUint32 y = static_cast<const ztTestRecord*>(b)->tag;
    if (m_values[x] == m_uGas && m_values[y] == m_uGas) Freeze(x == m_uCandidate ? x : y);
    if (m_values[x] == m_uGas) {
      m_uCandidate = x;
    } else if (m_values[y] == m_uGas) {
      m_uCandidate = y;
    }
    *piResult = m_values[x] < m_values[y] ? -1 : (m_values[x] > m_values[y] ? 1 : 0);
    return 0;
  }

  // Runs sort against the adversary and returns the keys it chose, by original position.
  static std::vector<ztTestRecord> Generate(const ztTestSort& sort, PRUint32 n) {
    std::vector<ztTestRecord> records(n);
    for (PRUint32 i = 0; i < n; ++i) records[i] = {0, i};
    ztAntiQuicksort adversary(n);
    sort(records.data(), n, sizeof(ztTestRecord), &adversary);
    for (PRUint32 i = 0; i < n; ++i) records[i] = {adversary.m_values[i], i};
    return records;
  }

 private:
  void Freeze(PRUint32 index) { m_values[index] = m_uSolid++; }

  std::vector<PRUint32> m_values;
  PRUint32 m_uGas;
  PRUint32 m_uSolid = 0;
  PRUint32 m_uCandidate = 0;
};

// The input orders the sorts are tried on; tags are the original positions.
enum class ztSortInput { kRandom, kSorted, kReversed, kAllEqual, kOrganPipe, kFewDistinct };

inline const char* ztSortInputName(ztSortInput input) {
  switch (input) {
    case ztSortInput::kRandom:
      return "random";
    case ztSortInput::kSorted:
      return "sorted";
    case ztSortInput::kReversed:
      return "reversed";
    case ztSortInput::kAllEqual:
      return "all_equal";
    case ztSortInput::kOrganPipe:
      return "organ_pipe";
    case ztSortInput::kFewDistinct:
      return "few_distinct";
  }
  return "?";
}

inline std::vector<ztTestRecord> ztMakeSortInput(ztSortInput input, PRUint32 n) {
  std::mt19937 random(12345);
  std::vector<ztTestRecord> records(n);
  for (PRUint32 i = 0; i < n; ++i) {
    PRUint32 key = 0;
    switch (input) {
      case ztSortInput::kRandom:
        key = static_cast<PRUint32>(random());
        break;
      case ztSortInput::kSorted:
        key = i;
        break;
      case ztSortInput::kReversed:
        key = n - i;
        break;
      case ztSortInput::kAllEqual:
        key = 7;
        break;
      case ztSortInput::kOrganPipe:
        key = std::min(i, n - 1 - i);
        break;
      case ztSortInput::kFewDistinct:
        key = static_cast<PRUint32>(random() % 16);
        break;
    }
    records[i] = {key, i};
  }
  return records;
}

#endif  // TESTING_ZTSORTADVERSARY_H_
