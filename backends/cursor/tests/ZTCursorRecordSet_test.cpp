// Cursor record sets created through the factory by URL, over the in-memory record set.
#include "backends/cursor/ZTCursorRecordSet.h"

#include <gtest/gtest.h>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecord.h"
#include "find/ZTRecordComparatorUNumField.h"
#include "find/ZTRecordFilterUNumBitField.h"
#include "testing/find/ztFindTesting.h"
#include "testing/find/ztMemoryField.h"
#include "testing/find/ztMemoryRecordSet.h"

namespace {

const ztID kCursorRecordSetId = {
    0x4caf4a81, 0x2d63, 0x49d7, {0xa2, 0x41, 0xf2, 0x36, 0xb9, 0x82, 0xb6, 0x0a}};

// A new cursor record set from the factory, or null.
ZTCursorRecordSet* NewCursorSet() {
  ZTFactory* factory = nullptr;
  ZTRefCount* object = nullptr;
  if (ZTFactory::GetFactory(&factory) != ZT_OK ||
      factory->CreateInstance("recordset:cursor:", &object) != ZT_OK) {
    return nullptr;
  }
  void* set = nullptr;
  const int rc = object->QueryZTInterface(kCursorRecordSetId, &set);
  object->Release();
  return rc == ZT_OK ? static_cast<ZTCursorRecordSet*>(static_cast<ZTIRecordSet*>(set)) : nullptr;
}

// The numbers, in the table, of the records of set.
ztElements Records(ZTIRecordSet* set) {
  ztElements ids;
  PRUint32 count = 0;
  EXPECT_EQ(set->GetCount(&count), ZT_OK);
  for (PRUint32 i = 0; i < count; ++i) {
    ZTIRecord* record = nullptr;
    EXPECT_EQ(set->GetRecord(i, &record), ZT_OK);
    PRUint32 id = 0;
    record->GetId(&id);
    ids.push_back(id);
    record->Release();
  }
  return ids;
}

class CursorRecordSetTest : public testing::Test {
 protected:
  // A table of 20 records whose "v" holds 100 - i for record i.
  void SetUp() override {
    m_table = new ztMemoryRecordSet();
    m_table->AddField("v", ztfFieldUNum);
    for (PRUint32 i = 0; i < 20; ++i) m_table->SetUNum(m_table->AddRecord(), "v", 100 - i);
    m_fragment = new ZTRefCount();
  }
  void TearDown() override {
    m_fragment->Release();
    m_table->Release();
  }
  // Records first .. first + count - 1 of the table.
  ZTCursorRecordSet* Range(PRUint32 first, PRUint32 count) {
    ZTCursorRecordSet* set = NewCursorSet();
    EXPECT_NE(set, nullptr);
    if (set) {
      EXPECT_EQ(set->InitCursorRS(first, count, m_table, m_fragment), ZT_OK);
    }
    return set;
  }
  ZTRecordComparatorUNumField* ByValue(int order) {
    ZTRecordComparatorUNumField* comparator = new ZTRecordComparatorUNumField();
    comparator->SetField("v");
    comparator->SetSortingOrder(order);
    return comparator;
  }

  ztMemoryRecordSet* m_table = nullptr;
  ZTRefCount* m_fragment = nullptr;
};

TEST_F(CursorRecordSetTest, PresentsARangeOfTheUnderlyingSet) {
  ZTCursorRecordSet* set = Range(10, 5);
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(Records(set), (ztElements{10, 11, 12, 13, 14}));
  ZTIRecord* record = nullptr;
  EXPECT_EQ(set->GetRecord(5, &record), ZT_E_FAILED);
  EXPECT_EQ(record, nullptr);
  EXPECT_EQ(set->InitCursorRS(0, 1, m_table, nullptr), ZT_E_INVALID);  // the speeder is required
  set->Release();
}

TEST_F(CursorRecordSetTest, AnEmptySetRefusesUntilItIsGivenACursor) {
  ZTCursorRecordSet* set = NewCursorSet();
  ASSERT_NE(set, nullptr);
  PRUint32 count = 0;
  EXPECT_EQ(set->GetCount(&count), ZT_E_INVALID);
  ZTCursor* cursor = nullptr;
  EXPECT_EQ(set->GetInternalCursor(&cursor), ZT_E_INVALID);
  cursor = ztMakeCursor({3, 1});
  ASSERT_EQ(set->SetCursorAndRecordSet(cursor, m_table), ZT_OK);
  EXPECT_EQ(Records(set), (ztElements{3, 1}));
  ZTCursor* inside = nullptr;
  ASSERT_EQ(set->GetInternalCursor(&inside), ZT_OK);
  EXPECT_EQ(inside, cursor);
  inside->Release();
  cursor->Release();
  set->Release();
}

TEST_F(CursorRecordSetTest, IsNotSortedOnALookupField) {
  ZTCursorRecordSet* set = Range(0, 3);
  PRUint32 record = 0;
  EXPECT_EQ(set->LookupUNum(1, ztfLookupEqual, &record), ZT_E_FAILED);
  EXPECT_EQ(set->LookupText("a", ztfLookupAfter, &record), ZT_E_FAILED);
  ZTIField* field = reinterpret_cast<ZTIField*>(set);
  EXPECT_EQ(set->GetLookupField(&field), ZT_E_FAILED);
  EXPECT_EQ(field, nullptr);
  set->Release();
}

TEST_F(CursorRecordSetTest, SubRecordSetsCopyTheirSliceOfRecordNumbers) {
  ZTCursorRecordSet* set = Range(4, 3);
  ZTIRecordSet* sub = nullptr;
  ASSERT_EQ(set->GetSubRecordSet(0, 3, &sub), ZT_OK);
  EXPECT_EQ(Records(sub), (ztElements{4, 5, 6}));
  sub->Release();
  ASSERT_EQ(set->GetSubRecordSet(1, 2, &sub), ZT_OK);
  EXPECT_EQ(Records(sub), (ztElements{5, 6}));
  sub->Release();
  EXPECT_EQ(set->GetSubRecordSet(2, 2, &sub), ZT_E_FAILED);
  EXPECT_EQ(set->GetSubRecordSet(1, 0xFFFFFFFFu, &sub), ZT_E_FAILED);
  EXPECT_EQ(sub, nullptr);
  EXPECT_EQ(set->GetSubRecordSet(0, 1, nullptr), ZT_E_NULLOUT);
  set->Release();
}

TEST_F(CursorRecordSetTest, ExtractCursorReadsTheFieldOfTheListedRecords) {
  ZTCursorRecordSet* set = NewCursorSet();
  ZTCursor* cursor = ztMakeCursor({9, 8, 7, 6, 5, 4});
  set->Init(cursor, m_table);
  cursor->Release();
  ZTCursor* values = nullptr;
  ASSERT_EQ(set->ExtractCursor(m_table->Field("v"), 2, 3, &values), ZT_OK);
  EXPECT_EQ(ztElementsOf(values), (ztElements{93, 94, 95}));  // records 7, 6, 5
  values->Release();
  EXPECT_EQ(set->ExtractCursor(m_table->Field("v"), 5, 2, &values), ZT_E_FAILED);
  EXPECT_EQ(set->ExtractCursor(m_table->Field("v"), 0, 1, nullptr), ZT_E_NULLOUT);
  set->Release();
}

// Runs of consecutive records are asked of the parent; other lists record by record.
TEST_F(CursorRecordSetTest, ExtractLinkCountsCountsTheLinksOfTheListedRecords) {
  ztMemoryRecordSet* linked = ztMemoryRecordSet::WithUNumKeys({1, 2, 3});
  ztMemoryRecordSet* table = new ztMemoryRecordSet();
  table->AddField("l", ztfFieldLink, linked);
  for (PRUint32 i = 0; i < 6; ++i) table->SetLink(table->AddRecord(), "l", 0, i % 4);
  ZTCursorRecordSet* set = NewCursorSet();
  for (const ztElements& records : {ztElements{1, 2, 3, 4}, ztElements{5, 3, 0, 2}}) {
    ZTCursor* cursor = ztMakeCursor(records);
    set->Init(cursor, table);
    cursor->Release();
    ZTCursor* counts = nullptr;
    ASSERT_EQ(set->ExtractLinkCounts(table->Field("l"), 1, 3, &counts), ZT_OK);
    ztElements expected;
    for (size_t k = 1; k < 4; ++k) expected.push_back(records[k] % 4);
    EXPECT_EQ(ztElementsOf(counts), expected);
    counts->Release();
    EXPECT_EQ(set->ExtractLinkCounts(table->Field("l"), 3, 2, &counts), ZT_E_FAILED);
  }
  set->Release();
  table->Release();
  linked->Release();
}

TEST_F(CursorRecordSetTest, SortToNewLeavesTheOriginalUntouched) {
  ZTCursorRecordSet* set = Range(0, 4);
  ZTRecordComparatorUNumField* ascending = ByValue(1);
  ZTIRecordSet* sorted = nullptr;
  ASSERT_EQ(set->SortToNew(ascending, 0, &sorted), ZT_OK);
  EXPECT_EQ(Records(sorted), (ztElements{3, 2, 1, 0}));  // values 97 .. 100
  EXPECT_EQ(Records(set), (ztElements{0, 1, 2, 3}));
  sorted->Release();
  ASSERT_EQ(set->Sort(ascending, 0), ZT_OK);
  EXPECT_EQ(Records(set), (ztElements{3, 2, 1, 0}));
  EXPECT_EQ(set->Sort(nullptr, 0), ZT_E_INVALID);
  ascending->Release();
  set->Release();
}

TEST_F(CursorRecordSetTest, FilterKeepsTheAcceptedRecords) {
  ZTCursorRecordSet* set = Range(0, 6);
  ZTRecordFilterUNumBitField* even = new ZTRecordFilterUNumBitField();
  even->SetField("v");
  even->SetDefaultPolicy(0);
  even->AddRule(1, 0, 1, 0, 0);
  ZTIRecordSet* filtered = nullptr;
  ASSERT_EQ(set->FilterToNew(even, &filtered), ZT_OK);
  EXPECT_EQ(Records(filtered), (ztElements{0, 2, 4}));
  EXPECT_EQ(Records(set).size(), 6u);
  filtered->Release();
  ZTRecordFilterUNumBitField* unresolved = new ZTRecordFilterUNumBitField();
  unresolved->SetField("nothing");
  EXPECT_EQ(set->FilterToNew(unresolved, &filtered), ZT_E_NOTFOUND);
  EXPECT_EQ(filtered, nullptr);
  unresolved->Release();
  even->Release();
  set->Release();
}

// A speeder whose references can be counted.
struct Speeder : ZTRefCount {
  PRInt32 count() const { return m_iRefCount; }
};

TEST_F(CursorRecordSetTest, MergeKeepsBothSetsSpeedersAlive) {
  Speeder* other = new Speeder();
  ZTCursorRecordSet* a = Range(0, 4);
  ZTCursorRecordSet* b = NewCursorSet();
  ASSERT_EQ(b->InitCursorRS(2, 4, m_table, other), ZT_OK);
  ZTRecordComparatorUNumField* descending = ByValue(-1);
  ZTIRecordSet* both = nullptr;
  ASSERT_EQ(a->MergeToNew(b, ztfAnd, descending, 0, &both), ZT_OK);
  EXPECT_EQ(Records(both), (ztElements{2, 3}));  // values 98, 97: descending
  both->Release();
  ASSERT_EQ(a->Merge(b, ztfOr, descending, 0), ZT_OK);
  EXPECT_EQ(Records(a), (ztElements{0, 1, 2, 3, 4, 5}));
  b->Release();
  // a now holds b's fragment too: it stays alive as long as a.
  EXPECT_EQ(other->count(), 2);
  a->Release();
  EXPECT_EQ(other->count(), 1);
  other->Release();
  descending->Release();
}

TEST_F(CursorRecordSetTest, MergeRefusesSetsThatAreNotCursorSets) {
  ZTCursorRecordSet* set = Range(0, 2);
  ZTRecordComparatorUNumField* ascending = ByValue(1);
  EXPECT_EQ(set->Merge(m_table, ztfOr, ascending, 0), ZT_E_FAILED);
  EXPECT_EQ(set->Merge(nullptr, ztfOr, ascending, 0), ZT_E_FAILED);
  ZTIRecordSet* out = nullptr;
  EXPECT_EQ(set->MergeToNew(m_table, ztfOr, ascending, 0, &out), ZT_E_FAILED);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(Records(set), (ztElements{0, 1}));
  ascending->Release();
  set->Release();
}

}  // namespace
