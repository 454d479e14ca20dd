// Cursor and record filters: repeats, bit-field rules, the merge join, values in a cursor,
// and the record wrapper that filters a cursor by its records.
#include <gtest/gtest.h>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorFilterRecordWrapper.h"
#include "find/ZTCursorFilterRemoveDuplicated.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTRecordFilterJoinRSOnUNum.h"
#include "find/ZTRecordFilterUNumBitField.h"
#include "find/ztFieldByName.h"
#include "find/ztfRecordFilterUNumInCursor.h"
#include "testing/find/ztFindTesting.h"
#include "testing/find/ztMemoryRecordSet.h"

namespace {

// A set whose records hold the values in the unsigned field "v".
ztMemoryRecordSet* Values(const ztElements& values) {
  ztMemoryRecordSet* rs = new ztMemoryRecordSet();
  rs->AddField("v", ztfFieldUNum);
  for (PRUint32 v : values) rs->SetUNum(rs->AddRecord(), "v", v);
  return rs;
}

// The values of rs that filter keeps, offered in record order.
ztElements Kept(ZTIRecordFilter* filter, ztMemoryRecordSet* rs) {
  ztElements kept;
  filter->Reset();
  PRUint32 count = 0;
  rs->GetCount(&count);
  for (PRUint32 i = 0; i < count; ++i) {
    ZTIRecord* record = nullptr;
    rs->GetRecord(i, &record);
    int keep = -1;
    EXPECT_EQ(filter->CheckRecord(record, &keep), ZT_OK);
    if (keep) kept.push_back(rs->Row(i)[0].u);
    record->Release();
  }
  return kept;
}

TEST(FiltersTest, RemoveDuplicatedDropsAdjacentRepeatsOnly) {
  ZTCursor* cursor = ztMakeCursor({1, 1, 2, 1});
  ZTCursorFilterRemoveDuplicated* filter = new ZTCursorFilterRemoveDuplicated();
  ASSERT_EQ(cursor->Filter(filter), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{1, 2, 1}));
  int keep = 0;
  EXPECT_EQ(filter->CheckRank(3, &keep), ZT_E_FAILED);
  filter->Release();
  cursor->Release();
}

TEST(FiltersTest, BitFieldRulesLookAtTheShiftedMaskedValue) {
  ztMemoryRecordSet* rs = Values({512, 1023, 0xFFFF02FFu, 256, 0});
  ZTRecordFilterUNumBitField* filter = new ZTRecordFilterUNumBitField();
  filter->SetField("v");
  ASSERT_EQ(filter->SetRecordSet(rs), ZT_OK);
  filter->SetDefaultPolicy(0);
  filter->AddRule(1, 8, 255, 2, 3);
  EXPECT_EQ(Kept(filter, rs), (ztElements{512, 1023, 0xFFFF02FFu}));
  filter->Clear();  // no rules, accept
  EXPECT_EQ(Kept(filter, rs).size(), 5u);
  filter->AddRule(0, 32, 0xFFFFFFFFu, 0, 0);  // a shift past the width leaves 0
  EXPECT_EQ(Kept(filter, rs), ztElements{});
  filter->Release();
  rs->Release();
}

TEST(FiltersTest, BitFieldFirstMatchingRuleDecides) {
  ztMemoryRecordSet* rs = Values({4, 5, 6, 11});
  ZTRecordFilterUNumBitField* filter = new ZTRecordFilterUNumBitField();
  filter->SetField("v");
  ASSERT_EQ(filter->SetRecordSet(rs), ZT_OK);
  filter->SetDefaultPolicy(0);
  filter->AddRejectedValue(5);
  filter->AddAcceptedRange(0, 10);
  EXPECT_EQ(Kept(filter, rs), (ztElements{4, 6}));
  filter->Clear();
  filter->AddRejectedRange(5, 6);
  filter->AddAcceptedValue(6);
  EXPECT_EQ(Kept(filter, rs), (ztElements{4, 11}));
  filter->Release();
  rs->Release();
}

TEST(FiltersTest, BitFieldThroughALink) {
  ztMemoryRecordSet* target = Values({10, 20, 30});
  ztMemoryRecordSet* rs = Values({2, 0});
  rs->AddField("to", ztfFieldUNum);
  rs->SetUNum(0, "to", 2);
  rs->SetUNum(1, "to", 0);
  ZTRecordFilterUNumBitField* filter = new ZTRecordFilterUNumBitField();
  filter->SetField("v");
  filter->SetOptionalLink("to", target, 1);
  ASSERT_EQ(filter->SetRecordSet(rs), ZT_OK);
  filter->SetDefaultPolicy(0);
  filter->AddAcceptedValue(30);
  EXPECT_EQ(Kept(filter, rs), ztElements{2});  // record 0 links to the record holding 30
  filter->Release();
  rs->Release();
  target->Release();
}

TEST(FiltersTest, JoinKeepsValuesFoundAmongTheJoinRecords) {
  ztMemoryRecordSet* join = Values({9, 2, 7, 4});
  ZTCursor* joinCursor = ztMakeCursor({1, 3, 0});  // records holding 2, 4, 9
  ztMemoryRecordSet* rs = Values({3, 4, 9, 10});
  ZTRecordFilterJoinRSOnUNum* filter = new ZTRecordFilterJoinRSOnUNum();
  int keep = 0;
  ZTIRecord* record = nullptr;
  rs->GetRecord(0, &record);
  EXPECT_EQ(filter->CheckRecord(record, &keep), ZT_E_INVALID);  // not set up
  record->Release();
  filter->SetFieldName("v");
  ASSERT_EQ(filter->SetRecordSet(rs), ZT_OK);
  EXPECT_EQ(filter->SetFilterData(joinCursor, join, "nothing"), ZT_E_NOTFOUND);
  ASSERT_EQ(filter->SetFilterData(joinCursor, join, "v"), ZT_OK);
  EXPECT_EQ(Kept(filter, rs), (ztElements{4, 9}));
  EXPECT_EQ(Kept(filter, rs), (ztElements{4, 9}));  // Reset starts a new pass
  filter->Release();
  joinCursor->Release();
  rs->Release();
  join->Release();
}

TEST(FiltersTest, InCursorFilterLooksTheValueUp) {
  ztMemoryRecordSet* rs = Values({3, 4, 9});
  ztfRecordFilterUNumInCursor* filter = new ztfRecordFilterUNumInCursor();
  ZTIRecord* record = nullptr;
  rs->GetRecord(0, &record);
  int keep = 0;
  EXPECT_EQ(filter->CheckRecord(record, &keep), ZT_E_INVALID);  // no field
  record->Release();
  ZTIField* field = nullptr;
  ASSERT_EQ(ztFieldByName(rs, "v", &field), ZT_OK);
  filter->SetField(field);
  field->Release();
  ZTCursor* accepted = ztMakeBitmapCursor({9, 3});
  filter->SetCursor(accepted);
  accepted->Release();
  EXPECT_EQ(Kept(filter, rs), (ztElements{3, 9}));
  EXPECT_EQ(filter->CheckRecord(nullptr, &keep), ZT_E_INVALID);
  filter->Release();
  rs->Release();
}

TEST(FiltersTest, RecordWrapperFiltersACursorByItsRecords) {
  ztMemoryRecordSet* rs = Values({5, 6, 7, 8});
  ZTRecordFilterUNumBitField* odd = new ZTRecordFilterUNumBitField();
  odd->SetField("v");
  ASSERT_EQ(odd->SetRecordSet(rs), ZT_OK);
  odd->SetDefaultPolicy(0);
  odd->AddRule(1, 0, 1, 1, 1);
  ZTCursorFilterRecordWrapper* wrapper = new ZTCursorFilterRecordWrapper();
  ASSERT_EQ(wrapper->SetRecordFilter(odd, 1), ZT_OK);
  ZTCursor* cursor = ztMakeCursor({3, 2, 1, 0, 2});
  ASSERT_EQ(cursor->Filter(wrapper), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{2, 0, 2}));  // records holding 7 and 5
  int keep = 0;
  EXPECT_EQ(wrapper->CheckRank(3, &keep), ZT_E_FAILED);
  ZTCursor* outside = ztMakeCursor({9});
  EXPECT_EQ(outside->Filter(wrapper), ZT_E_FAILED);  // no record 9
  outside->Release();
  cursor->Release();
  wrapper->Release();
  odd->Release();
  rs->Release();
}

}  // namespace
