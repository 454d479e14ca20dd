#include "core/ZTRecordSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/ZTErrors.h"
#include "testing/ztSortAdversary.h"

namespace {

constexpr PRUint32 kRecordSize = sizeof(ztTestRecord);

// Sorted by key, and a permutation of the input (every tag once, with its own key).
void ExpectSortedPermutation(const std::vector<ztTestRecord>& input,
                             const std::vector<ztTestRecord>& output, const char* what) {
  ASSERT_EQ(output.size(), input.size()) << what;
  EXPECT_TRUE(std::is_sorted(output.begin(), output.end())) << what;
  std::vector<bool> seen(input.size());
  for (const auto& r : output) {
    ASSERT_LT(r.tag, input.size()) << what;
    EXPECT_FALSE(seen[r.tag]) << what;
    seen[r.tag] = true;
    EXPECT_EQ(r.key, input[r.tag].key) << what;
  }
}

void ExpectSorts(const ztNamedSort& s, const std::vector<ztTestRecord>& input, const char* what) {
  std::vector<ztTestRecord> records = input;
  ztTestRecordComparator comparator;
  ASSERT_EQ(s.sort(records.data(), static_cast<PRUint32>(records.size()), kRecordSize, &comparator),
            0)
      << s.name << " " << what;
  ExpectSortedPermutation(input, records, s.name);
}

TEST(ZTRecordSortTest, EverySortSortsEveryInputOrder) {
  const ztSortInput inputs[] = {ztSortInput::kRandom,    ztSortInput::kSorted,
                                ztSortInput::kReversed,  ztSortInput::kAllEqual,
                                ztSortInput::kOrganPipe, ztSortInput::kFewDistinct};
  for (const auto& s : ztRecordSorts) {
    for (PRUint32 n : {2u, 3u, 5u, 1000u}) {
      for (ztSortInput input : inputs) {
        ExpectSorts(s, ztMakeSortInput(input, n), ztSortInputName(input));
      }
    }
  }
}

// Inputs of 200,000 records built against each sort's pivot choice: a quicksort without a
// bound on its depth would take quadratic time on them and recurse 100,000 levels deep.
TEST(ZTRecordSortTest, HostileInputsAndLongRunsAreSortedWithoutDeepRecursion) {
  constexpr PRUint32 n = 200000;
  for (const auto& s : ztRecordSorts) {
    ExpectSorts(s, ztAntiQuicksort::Generate(s.sort, n), "adversary");
    ExpectSorts(s, ztMakeSortInput(ztSortInput::kOrganPipe, n), "organ pipe");
    ExpectSorts(s, ztMakeSortInput(ztSortInput::kAllEqual, n), "all equal");
    ExpectSorts(s, ztMakeSortInput(ztSortInput::kReversed, n), "reversed");
  }
}

TEST(ZTRecordSortTest, ThreeWaySortLeavesEqualRecordsInPlaceAfterThePivotSwap) {
  std::vector<ztTestRecord> records = ztMakeSortInput(ztSortInput::kAllEqual, 9);
  ztTestRecordComparator comparator;
  ASSERT_EQ(ZTQ3sortRecord(records.data(), 9, kRecordSize, &comparator), 0);
  std::vector<PRUint32> tags;
  for (const auto& r : records) tags.push_back(r.tag);
  EXPECT_EQ(tags, (std::vector<PRUint32>{4, 1, 2, 3, 0, 5, 6, 7, 8}));
  // One partition pass: the eight scans and the final comparison, no recursion.
  EXPECT_EQ(comparator.m_uCalls, 8u);
}

TEST(ZTRecordSortTest, ComparatorErrorStopsTheSortAndIsReturned) {
  for (const auto& s : ztRecordSorts) {
    std::vector<ztTestRecord> records = ztMakeSortInput(ztSortInput::kRandom, 1000);
    ztTestRecordComparator comparator;
    comparator.FailAt(500, 42);
    EXPECT_EQ(s.sort(records.data(), 1000, kRecordSize, &comparator), 42) << s.name;
    EXPECT_EQ(comparator.m_uCalls, 500u) << s.name;
  }
}

TEST(ZTRecordSortTest, TinyCountsReturnAtOnceAndBadArgumentsAreRefused) {
  for (const auto& s : ztRecordSorts) {
    ztTestRecordComparator comparator;
    ztTestRecord one = {1, 0};
    EXPECT_EQ(s.sort(nullptr, 0, kRecordSize, &comparator), 0);
    EXPECT_EQ(s.sort(&one, 1, kRecordSize, nullptr), 0);
    EXPECT_EQ(comparator.m_uCalls, 0u);
    ztTestRecord two[2] = {{2, 0}, {1, 1}};
    EXPECT_EQ(s.sort(two, 2, kRecordSize, nullptr), ZT_E_INVALID) << s.name;
    EXPECT_EQ(s.sort(two, 2, 0, &comparator), ZT_E_INVALID) << s.name;
  }
}

struct FindCase {
  PRUint32 key;
  int found;
  PRUint32 linearIndex;  // ZTLFindRecord (untouched: 99)
  PRUint32 sortedIndex;  // ZTLFindSortedRecord
};

TEST(ZTRecordSortTest, LinearSearches) {
  const ztTestRecord sorted[] = {{10, 0}, {20, 1}, {20, 2}, {30, 3}};
  const FindCase cases[] = {
      {10, 1, 0, 0}, {20, 1, 1, 1}, {30, 1, 3, 3}, {5, 0, 99, 0}, {25, 0, 99, 3}, {40, 0, 99, 4},
  };
  for (const auto& c : cases) {
    ztTestRecordComparator comparator;
    ztTestRecord key = {c.key, 0};
    PRUint32 index = 99;
    int found = -1;
    ASSERT_EQ(ZTLFindRecord(&key, sorted, 4, kRecordSize, &comparator, &index, &found), 0);
    EXPECT_EQ(found, c.found) << c.key;
    EXPECT_EQ(index, c.linearIndex) << c.key;
    index = 99;
    ASSERT_EQ(ZTLFindSortedRecord(&key, sorted, 4, kRecordSize, &comparator, &index, &found), 0);
    EXPECT_EQ(found, c.found) << c.key;
    EXPECT_EQ(index, c.sortedIndex) << c.key;
  }
  ztTestRecordComparator failing;
  failing.FailAt(2, 7);
  ztTestRecord key = {30, 0};
  int found = 0;
  EXPECT_EQ(ZTLFindRecord(&key, sorted, 4, kRecordSize, &failing, nullptr, &found), 7);
  failing.m_uCalls = 0;
  EXPECT_EQ(ZTLFindSortedRecord(&key, sorted, 4, kRecordSize, &failing, nullptr, &found), 7);
}

}  // namespace
