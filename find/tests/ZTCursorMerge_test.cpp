// Merging and sorting cursors: the set operators over both forms, comparator identities that
// avoid sorting twice, descending orders, and comparator errors in the middle of a sort.
#include <gtest/gtest.h>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorComparatorRank.h"
#include "testing/find/ztFindTesting.h"

namespace {

enum Form { kArray, kBitmap };

ZTCursor* Make(Form form, const ztElements& values) {
  return form == kArray ? ztMakeCursor(values) : ztMakeBitmapCursor(values);
}

ztElements Merged(Form form, const ztElements& a, const ztElements& b, ztfOperator op,
                  int* piCode = nullptr) {
  ZTCursor* x = Make(form, a);
  ZTCursor* y = Make(form, b);
  const int rc = x->Merge(y, op);
  if (piCode) *piCode = rc;
  ztElements result = ztElementsOf(x);
  x->Release();
  y->Release();
  return result;
}

class MergeForms : public testing::TestWithParam<Form> {};

TEST_P(MergeForms, SetOperatorsGiveTheSameSetsInEitherForm) {
  const Form form = GetParam();
  EXPECT_EQ(Merged(form, {1, 3, 5}, {3, 4}, ztfOr), (ztElements{1, 3, 4, 5}));
  EXPECT_EQ(Merged(form, {1, 3, 5}, {3, 4}, ztfAnd), (ztElements{3}));
  EXPECT_EQ(Merged(form, {1, 3, 5}, {3, 4}, ztfAndNot), (ztElements{1, 5}));
  EXPECT_EQ(Merged(form, {}, {3, 4}, ztfOr), (ztElements{3, 4}));
  EXPECT_EQ(Merged(form, {3, 4}, {}, ztfAnd), (ztElements{}));
  EXPECT_EQ(Merged(form, {1, 3, 5}, {3, 4}, ztfAppend), (ztElements{1, 3, 5, 3, 4}));
}

TEST_P(MergeForms, AndWithAShortBitmapClearsEverythingBeyondIt) {
  EXPECT_EQ(Merged(GetParam(), {1, 40, 100, 200}, {1, 2}, ztfAnd), (ztElements{1}));
  EXPECT_EQ(Merged(GetParam(), {1, 40, 100, 200}, {1, 2}, ztfAndNot), (ztElements{40, 100, 200}));
}

TEST_P(MergeForms, RefusesOperatorsOtherThanOrAndAndNotAppend) {
  for (int op : {4, 5, 6, 0}) {
    int rc = ZT_OK;
    EXPECT_EQ(Merged(GetParam(), {1, 3}, {3}, static_cast<ztfOperator>(op), &rc),
              (ztElements{1, 3}));
    EXPECT_EQ(rc, ZT_E_FAILED) << "operator " << op;
  }
}

TEST_P(MergeForms, MergeWithItself) {
  ZTCursor* x = Make(GetParam(), {2, 5});
  EXPECT_EQ(x->Merge(x, ztfOr), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{2, 5}));
  EXPECT_EQ(x->Merge(x, ztfAndNot), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), ztElements{});
  EXPECT_EQ(x->Merge(nullptr, ztfOr), ZT_E_FAILED);
  x->Release();
}

INSTANTIATE_TEST_SUITE_P(Forms, MergeForms, testing::Values(kArray, kBitmap));

TEST(ZTCursorMergeTest, ArrayMergesSortUnsortedOperandsFirst) {
  EXPECT_EQ(Merged(kArray, {5, 1, 3}, {4, 3}, ztfOr), (ztElements{1, 3, 4, 5}));
  EXPECT_EQ(Merged(kArray, {5, 1, 3}, {4, 3}, ztfAnd), (ztElements{3}));
}

TEST(ZTCursorMergeTest, RepeatedElementsOfOneOperandStay) {
  EXPECT_EQ(Merged(kArray, {1, 1, 3}, {1, 3, 3}, ztfOr), (ztElements{1, 1, 3, 3}));
  EXPECT_EQ(Merged(kArray, {1, 1, 3}, {1}, ztfAnd), (ztElements{1, 1}));
  EXPECT_EQ(Merged(kArray, {1, 1, 3}, {1}, ztfAndNot), (ztElements{3}));
  // Append keeps everything; a following or in bitmap form collapses the repeats.
  ZTCursor* x = ztMakeCursor({4, 4});
  ZTCursor* y = ztMakeCursor({4});
  ASSERT_EQ(x->Merge(y, ztfAppend), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{4, 4, 4}));
  ASSERT_EQ(x->ComputeBitmapForm(), ZT_OK);
  ASSERT_EQ(x->Merge(y, ztfOr), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{4}));
  x->Release();
  y->Release();
}

TEST(ZTCursorMergeTest, DescendingOrderIsKeptThroughMerges) {
  ZTCursorComparatorRank* descending = new ZTCursorComparatorRank();
  descending->SetSortingOrder(-1);
  ZTCursor* x = ztMakeCursor({1, 5, 3});
  ASSERT_EQ(x->Sort(descending), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{5, 3, 1}));
  ZTCursor* y = ztMakeCursor({1, 4, 6});
  ASSERT_EQ(x->Merge(y, ztfOr), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{6, 5, 4, 3, 1}));
  EXPECT_EQ(ztElementsOf(y), (ztElements{6, 4, 1}));  // the other cursor took the order
  ZTCursor* three = ztMakeCursor({3});
  ASSERT_EQ(x->Merge(three, ztfAnd), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{3}));
  // A bitmap or keeps the comparator: the next array is built in its order.
  ZTCursor* z = ztMakeCursor({2, 8});
  ASSERT_EQ(z->Sort(descending), ZT_OK);
  ASSERT_EQ(z->ComputeBitmapForm(), ZT_OK);
  ASSERT_EQ(z->Merge(y, ztfOr), ZT_OK);
  EXPECT_EQ(ztElementsOf(z), (ztElements{8, 6, 4, 2, 1}));
  for (ZTCursor* c : {x, y, three, z}) c->Release();
  descending->Release();
}

// Orders by value like the rank comparator, counts its comparisons, and can fail after a
// number of them.
class CountingComparator : public ZTICursorComparator {
 public:
  explicit CountingComparator(const char* id = "Counting", int failAfter = -1)
      : m_id(id), m_failAfter(failAfter) {}
  int CompareRanks(PRUint32 a, PRUint32 b, int* piResult) override {
    if (m_calls++ == m_failAfter) return 77;
    *piResult = (a > b) - (a < b);
    return ZT_OK;
  }
  int GetMyComparatorID(ZTBinary** ppId) override {
    *ppId = new ZTBinary();
    return (*ppId)->SetStringData(m_id);
  }
  int calls() const { return m_calls; }
  // The comparison after the next `more` ones fails.
  void FailAfter(int more) { m_failAfter = m_calls + more; }

 private:
  const char* m_id;
  int m_failAfter;
  int m_calls = 0;
};

TEST(ZTCursorMergeTest, SortingTwiceByTheSameIdentificationDoesNotSortAgain) {
  CountingComparator* first = new CountingComparator();
  CountingComparator* same = new CountingComparator();
  ZTCursor* x = ztMakeCursor({3, 1, 2});
  ASSERT_EQ(x->Sort(first), ZT_OK);
  EXPECT_GT(first->calls(), 0);
  ASSERT_EQ(x->Sort(same), ZT_OK);  // another object with the same identification
  EXPECT_EQ(same->calls(), 0);
  EXPECT_EQ(ztElementsOf(x), (ztElements{1, 2, 3}));
  ASSERT_EQ(x->SetElement(0, 9), ZT_OK);  // the array no longer is in that order
  ASSERT_EQ(x->Sort(same), ZT_OK);
  EXPECT_GT(same->calls(), 0);
  EXPECT_EQ(ztElementsOf(x), (ztElements{2, 3, 9}));
  x->Release();
  first->Release();
  same->Release();
}

// The ascending rank order is known by the comparator's kind: an array in it is not sorted
// again, any change or other order is.
TEST(ZTCursorMergeTest, TheAscendingRankOrderIsTrackedThroughChanges) {
  ZTCursorComparatorRank* ascending = new ZTCursorComparatorRank();
  ZTCursorComparatorRank* descending = new ZTCursorComparatorRank();
  descending->SetSortingOrder(-1);
  CountingComparator* counting = new CountingComparator();
  ZTCursor* x = ztMakeCursor({3, 1, 2});
  ASSERT_EQ(x->Sort(descending), ZT_OK);
  ASSERT_EQ(x->Sort(ascending), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{1, 2, 3}));
  ASSERT_EQ(x->SetElement(0, 9), ZT_OK);
  ASSERT_EQ(x->Sort(ascending), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{2, 3, 9}));
  ASSERT_EQ(x->Sort(counting), ZT_OK);  // another order: compared again
  EXPECT_GT(counting->calls(), 0);
  ASSERT_EQ(x->Sort(descending), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{9, 3, 2}));
  ASSERT_EQ(x->InitStartCount(10, 3), ZT_OK);
  ASSERT_EQ(x->SetElement(0, 20), ZT_OK);
  ASSERT_EQ(x->Sort(ascending), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{11, 12, 20}));
  x->Release();
  counting->Release();
  descending->Release();
  ascending->Release();
}

TEST(ZTCursorMergeTest, UnknownIdentificationsAlwaysSort) {
  CountingComparator* unknown = new CountingComparator("UNKNOWN");
  ZTCursor* x = ztMakeCursor({3, 1, 2});
  ASSERT_EQ(x->Sort(unknown), ZT_OK);
  const int calls = unknown->calls();
  ASSERT_EQ(x->Sort(unknown), ZT_OK);
  EXPECT_GT(unknown->calls(), calls);
  x->Release();
  unknown->Release();
}

TEST(ZTCursorMergeTest, ComparatorErrorsInTheMiddleAreReturned) {
  CountingComparator* failing = new CountingComparator("Failing", 3);
  ZTCursor* x = ztMakeCursor({5, 4, 3, 2, 1});
  EXPECT_EQ(x->Sort(failing), 77);
  EXPECT_EQ(x->GetCount(), 5u);
  failing->Release();
  // And in the middle of a merge: both operands are sorted first, then merged.
  CountingComparator* late = new CountingComparator("Late");
  ZTCursor* y = ztMakeCursor({1, 2});
  ZTCursor* z = ztMakeCursor({3, 4});
  ASSERT_EQ(y->Sort(late), ZT_OK);
  ASSERT_EQ(z->Sort(late), ZT_OK);
  late->FailAfter(0);  // the merge's first comparison
  EXPECT_EQ(y->Merge(z, ztfOr), 77);
  EXPECT_EQ(ztElementsOf(y), (ztElements{1, 2}));
  for (ZTCursor* c : {x, y, z}) c->Release();
  late->Release();
}

TEST(ZTCursorMergeTest, SortWithoutComparatorIsAscendingByValue) {
  ZTCursor* x = ztMakeCursor({3, 0x7FFFFFFF, 0});
  ASSERT_EQ(x->Sort(nullptr), ZT_OK);
  EXPECT_EQ(ztElementsOf(x), (ztElements{0, 3, 0x7FFFFFFF}));
  x->Release();
}

}  // namespace
