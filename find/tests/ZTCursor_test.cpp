// Cursor forms and access: construction, form changes, stale bitmaps, lookups, records,
// extraction, cloning, filtering, and the values refused where they enter a cursor.
#include "find/ZTCursor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/ZTErrors.h"
#include "find/ZTCursorComparatorRank.h"
#include "find/ZTICursorFilter.h"
#include "find/ZTIRecord.h"
#include "testing/find/ztFindTesting.h"
#include "testing/find/ztMemoryRecordSet.h"

namespace {

bool Found(ZTCursor* cursor, PRUint32 value) {
  int found = -1;
  EXPECT_EQ(cursor->Lookup(value, &found), ZT_OK);
  return found == 1;
}

TEST(ZTCursorTest, InitStartCountGivesConsecutiveElementsAndARankOrder) {
  ZTCursor* cursor = ztMakeCursor({});
  ASSERT_EQ(cursor->InitStartCount(10, 3), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{10, 11, 12}));
  EXPECT_TRUE(Found(cursor, 11));
  EXPECT_FALSE(Found(cursor, 13));
  ASSERT_EQ(cursor->InitStartCount(5, 0), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), ztElements{});
  cursor->Release();
}

TEST(ZTCursorTest, BitmapWordsBecomeAnAscendingArray) {
  const PRUint32 words[] = {0x5, 0x1};
  ZTCursor* cursor = nullptr;
  ASSERT_EQ(ZTCursor::_CreateInstance(2, words, 1, &cursor), ZT_OK);
  EXPECT_EQ(cursor->GetCount(), 0u);  // bitmap form only
  EXPECT_TRUE(Found(cursor, 32));
  EXPECT_FALSE(Found(cursor, 64));  // beyond the bitmap
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{0, 2, 32}));
  cursor->Release();
}

TEST(ZTCursorTest, ComputeBitmapFormCoversTheLargestElement) {
  ZTCursor* cursor = ztMakeCursor({70, 3, 3});
  ASSERT_EQ(cursor->ComputeBitmapForm(), ZT_OK);
  ASSERT_EQ(cursor->GetBitmapSize(), 3u);
  EXPECT_EQ(cursor->GetBitmap()[0], 1u << 3);
  EXPECT_EQ(cursor->GetBitmap()[2], 1u << 6);
  cursor->DestroyCursorForm();
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{3, 70}));
  cursor->Release();
}

TEST(ZTCursorTest, DirectWritesMakeTheBitmapStaleUntilTheyEnd) {
  ZTCursor* cursor = ztMakeCursor({1, 2});
  ASSERT_EQ(cursor->ComputeBitmapForm(), ZT_OK);
  cursor->BeginDirectWrite()[1] = 40;
  EXPECT_TRUE(cursor->IsBitmapStale());
  EXPECT_FALSE(Found(cursor, 2));                 // answered from the array, not the stale bitmap
  ASSERT_EQ(cursor->ComputeBitmapForm(), ZT_OK);  // rebuilt
  EXPECT_TRUE(Found(cursor, 40));
  cursor->BeginDirectWrite()[1] = 50;
  cursor->EndDirectWrite();
  EXPECT_FALSE(cursor->HasBitmapForm());
  EXPECT_TRUE(Found(cursor, 50));
  cursor->Release();
}

TEST(ZTCursorTest, SetElementOverwritesInsideTheArrayOnly) {
  ZTCursor* cursor = ztMakeCursor({4, 5});
  ASSERT_EQ(cursor->ComputeBitmapForm(), ZT_OK);
  EXPECT_EQ(cursor->SetElement(1, 9), ZT_OK);
  EXPECT_FALSE(cursor->HasBitmapForm());  // it described the old elements
  EXPECT_EQ(cursor->SetElement(2, 9), ZT_E_FAILED);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{4, 9}));
  cursor->Release();
}

TEST(ZTCursorTest, RefusesRecordNumbersAndRangesPast2To31) {
  const PRUint32 high[] = {1, 0x80000000u};
  ZTCursor* cursor = nullptr;
  EXPECT_EQ(ZTCursor::_CreateInstance(2, high, &cursor), ZT_E_INVALID);
  EXPECT_EQ(cursor, nullptr);
  cursor = ztMakeCursor({1});
  EXPECT_EQ(cursor->SetCursorForm(2, high), ZT_E_INVALID);
  EXPECT_EQ(cursor->SetElement(0, 0xFFFFFFFFu), ZT_E_INVALID);
  EXPECT_EQ(cursor->InitStartCount(0x7FFFFFFFu, 2), ZT_E_INVALID);
  EXPECT_EQ(cursor->InitStartCount(0xFFFFFFFFu, 2), ZT_E_INVALID);  // wraps around 32 bits
  EXPECT_EQ(cursor->SetBitmapForm(ZTCursor::kMaxBitmapWords + 1, nullptr), ZT_E_INVALID);
  EXPECT_EQ(cursor->GrowBitmap(ZTCursor::kMaxBitmapWords + 1), ZT_E_INVALID);
  EXPECT_EQ(ztElementsOf(cursor), ztElements{1});  // unchanged
  cursor->Release();
}

TEST(ZTCursorTest, RefusesArraysWhoseByteSizeOverflows32Bits) {
  ZTCursor* cursor = nullptr;
  EXPECT_EQ(ZTCursor::_CreateInstance(0x40000000u, nullptr, &cursor), ZT_E_NOMEM);
  EXPECT_EQ(cursor, nullptr);
}

TEST(ZTCursorTest, LookupWithNeitherFormIsRefused) {
  ZTCursor* cursor = ztMakeCursor({1});
  cursor->DestroyCursorForm();
  int found = 0;
  EXPECT_EQ(cursor->Lookup(1, &found), ZT_E_INVALID);
  EXPECT_EQ(ztElementsOf(cursor), ztElements{});  // ComputeCursorForm: an empty array
  cursor->Release();
}

TEST(ZTCursorTest, GetRecordFetchesDirectlyOrThroughTheLookupField) {
  ztMemoryRecordSet* rs = ztMemoryRecordSet::WithUNumKeys({100, 1, 2, 3});
  ZTCursor* cursor = ztMakeCursor({3, 0});
  ZTIRecord* record = nullptr;
  PRUint32 id = 0;
  ASSERT_EQ(cursor->GetRecord(rs, 0, 1, &record), ZT_OK);
  record->GetId(&id);
  EXPECT_EQ(id, 3u);
  record->Release();
  EXPECT_EQ(cursor->GetRecord(rs, 2, 1, &record), ZT_E_FAILED);
  EXPECT_EQ(record, nullptr);
  ztMemoryRecordSet* keys = ztMemoryRecordSet::WithUNumKeys({0, 1});  // key k is record k
  ASSERT_EQ(cursor->GetRecord(keys, 1, 0, &record), ZT_OK);
  record->Release();
  EXPECT_EQ(cursor->GetRecord(keys, 7, 0, &record), ZT_E_NOTFOUND);
  keys->Release();
  cursor->Release();
  rs->Release();
}

TEST(ZTCursorTest, ExtractCopiesARangeOfElements) {
  ZTCursor* cursor = ztMakeCursor({4, 5, 6});
  ZTCursor* part = nullptr;
  ASSERT_EQ(cursor->Extract(1, 2, &part), ZT_OK);
  EXPECT_EQ(ztElementsOf(part), (ztElements{5, 6}));
  part->Release();
  EXPECT_EQ(cursor->Extract(2, 2, &part), ZT_E_FAILED);
  EXPECT_EQ(cursor->Extract(1, 0xFFFFFFFFu, &part), ZT_E_FAILED);  // no wrap-around
  EXPECT_EQ(cursor->Extract(0, 1, nullptr), ZT_E_INVALID);
  cursor->Release();
}

TEST(ZTCursorTest, CloneCopiesBothFormsAndTheOrder) {
  ZTCursor* cursor = ztMakeCursor({9, 1, 5});
  ZTCursorComparatorRank* descending = new ZTCursorComparatorRank();
  descending->SetSortingOrder(-1);
  ASSERT_EQ(cursor->Sort(descending), ZT_OK);
  ASSERT_EQ(cursor->ComputeBitmapForm(), ZT_OK);
  ZTCursor* copy = nullptr;
  ASSERT_EQ(cursor->Clone(&copy), ZT_OK);
  cursor->Release();
  EXPECT_TRUE(copy->HasBitmapForm());
  copy->DestroyCursorForm();
  EXPECT_EQ(ztElementsOf(copy), (ztElements{9, 5, 1}));  // rebuilt in the comparator's order
  copy->Release();
  descending->Release();
}

// Short arrays live in the cursor and long ones on the heap; every change between the two
// keeps the values, including a cursor set from its own array.
TEST(ZTCursorTest, ShortAndLongArraysKeepTheirValuesThroughEveryChange) {
  const ztElements longer = {1, 3, 5, 7, 9, 11};
  ZTCursor* cursor = ztMakeCursor({8, 2});
  ZTCursor* other = ztMakeCursor(longer);
  ASSERT_EQ(cursor->Merge(other, ztfOr), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{1, 2, 3, 5, 7, 8, 9, 11}));
  ASSERT_EQ(cursor->SetCursorForm(3, cursor->GetArray() + 2), ZT_OK);  // long to short, aliased
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{3, 5, 7}));
  ASSERT_EQ(cursor->SetCursorForm(2, cursor->GetArray() + 1), ZT_OK);  // short to short, aliased
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{5, 7}));
  ZTCursor* copy = nullptr;
  ASSERT_EQ(cursor->Clone(&copy), ZT_OK);
  ASSERT_EQ(cursor->SetCursorForm(6, other->GetArray()), ZT_OK);  // short to long
  EXPECT_EQ(ztElementsOf(cursor), longer);
  EXPECT_EQ(ztElementsOf(copy), (ztElements{5, 7}));
  ASSERT_EQ(copy->ComputeBitmapForm(), ZT_OK);
  copy->DestroyCursorForm();
  EXPECT_EQ(ztElementsOf(copy), (ztElements{5, 7}));  // rebuilt from the bitmap, inline
  copy->Release();
  other->Release();
  cursor->Release();
}

// Rejects the positions listed, or fails at position failAt.
class PositionFilter : public ZTICursorFilter {
 public:
  PositionFilter(ztElements reject, PRUint32 failAt) : m_reject(reject), m_failAt(failAt) {}
  int CheckRank(PRUint32 position, int* pbKeep) override {
    if (position == m_failAt) return 42;
    *pbKeep = std::find(m_reject.begin(), m_reject.end(), position) == m_reject.end();
    return ZT_OK;
  }

 private:
  ztElements m_reject;
  PRUint32 m_failAt;
};

TEST(ZTCursorTest, FilterKeepsTheAcceptedPositionsInOrder) {
  ZTCursor* cursor = ztMakeCursor({7, 8, 9, 10});
  PositionFilter* filter = new PositionFilter({0, 2}, 99);
  ASSERT_EQ(cursor->Filter(filter), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{8, 10}));
  filter->Release();
  EXPECT_EQ(cursor->Filter(nullptr), ZT_E_FAILED);
  PositionFilter* failing = new PositionFilter({}, 1);
  EXPECT_EQ(cursor->Filter(failing), 42);
  failing->Release();
  cursor->Release();
}

TEST(ZTCursorTest, MuxCursorsReplacesTheArrayByTheUnion) {
  ZTCursor* inputs[] = {ztMakeCursor({2, 9}), ztMakeBitmapCursor({2, 4}), ztMakeCursor({})};
  ZTCursor* cursor = ztMakeCursor({100});
  ASSERT_EQ(cursor->MuxCursors(inputs, 3, nullptr), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{2, 4, 9}));
  ASSERT_EQ(cursor->MuxCursors(inputs, 0, nullptr), ZT_OK);  // nothing happens
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{2, 4, 9}));
  inputs[2]->Release();
  inputs[2] = nullptr;
  EXPECT_EQ(cursor->MuxCursors(inputs, 3, nullptr), ZT_E_INVALID);
  for (ZTCursor* input : inputs) ztRelease(input);
  cursor->Release();
}

}  // namespace
