// Cursor and record comparators: identification texts, orders (ascending, descending,
// extreme values), chains, links, and the record wrapper with and without consider-rank.
#include <gtest/gtest.h>

#include <climits>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorComparatorRank.h"
#include "find/ZTCursorComparatorRecordWrapper.h"
#include "find/ZTIRecord.h"
#include "find/ZTRecordComparatorChain.h"
#include "find/ZTRecordComparatorDataField.h"
#include "find/ZTRecordComparatorSNumField.h"
#include "find/ZTRecordComparatorUNumField.h"
#include "testing/find/ztFindTesting.h"
#include "testing/find/ztMemoryRecordSet.h"

namespace {

int Sign(int v) {
  return (v > 0) - (v < 0);
}

int CompareWith(ZTICursorComparator* c, PRUint32 a, PRUint32 b, int* piCode = nullptr) {
  int result = 99;
  const int rc = c->Compare(&a, &b, &result);
  if (piCode) *piCode = rc;
  return Sign(result);
}

TEST(ComparatorsTest, RankComparatorIdentifiesItsOrder) {
  ZTCursorComparatorRank* rank = new ZTCursorComparatorRank();
  EXPECT_EQ(ztCursorComparatorId(rank), "+RankCC");
  EXPECT_EQ(CompareWith(rank, 3, 5), -1);
  rank->SetSortingOrder(-1);
  EXPECT_EQ(ztCursorComparatorId(rank), "-RankCC");
  EXPECT_EQ(CompareWith(rank, 3, 5), 1);
  rank->Release();
}

TEST(ComparatorsTest, RankOrderHoldsForValuesFarApart) {
  ZTCursorComparatorRank* rank = new ZTCursorComparatorRank();
  int result = 0;
  ASSERT_EQ(rank->CompareRanks(0, 0x80000001u, &result), ZT_OK);
  EXPECT_LT(result, 0);
  ASSERT_EQ(rank->CompareRanks(0xFFFFFFFFu, 1, &result), ZT_OK);
  EXPECT_GT(result, 0);
  rank->Release();
}

TEST(ComparatorsTest, CompareRefusesNullElements) {
  ZTCursorComparatorRank* rank = new ZTCursorComparatorRank();
  PRUint32 a = 1;
  int result = 5;
  EXPECT_EQ(rank->Compare(&a, nullptr, &result), ZT_E_FAILED);
  EXPECT_EQ(result, 0);
  ZTBinary* id = nullptr;
  EXPECT_EQ(rank->GetCursorComparatorID(nullptr), ZT_E_INVALID);
  EXPECT_EQ(id, nullptr);
  rank->Release();
}

// Records: "n" unsigned, "s" signed, "d" text, "ref" an unsigned number naming a record of
// the same set.
ztMemoryRecordSet* MakeRecords() {
  ztMemoryRecordSet* rs = new ztMemoryRecordSet();
  rs->AddField("n", ztfFieldUNum);
  rs->AddField("s", ztfFieldSNum);
  rs->AddField("d", ztfFieldData);
  rs->AddField("ref", ztfFieldUNum);
  const struct {
    PRUint32 n;
    PRInt32 s;
    const char* d;
    PRUint32 ref;
  } rows[] = {{7, INT_MIN, "abc", 2}, {7, INT_MAX, "ab", 0}, {0xFFFFFFFFu, -1, "abd", 1}};
  for (const auto& row : rows) {
    const PRUint32 r = rs->AddRecord();
    rs->SetUNum(r, "n", row.n);
    rs->SetSNum(r, "s", row.s);
    rs->SetText(r, "d", row.d);
    rs->SetUNum(r, "ref", row.ref);
  }
  return rs;
}

// Sign of comparator's order of records a and b of rs.
int CompareRecords(ZTIRecordComparator* comparator, ZTIRecordSet* rs, PRUint32 a, PRUint32 b) {
  ZTIRecord* ra = nullptr;
  ZTIRecord* rb = nullptr;
  rs->GetRecord(a, &ra);
  rs->GetRecord(b, &rb);
  int result = 99;
  EXPECT_EQ(comparator->CompareRecords(ra, rb, &result), ZT_OK);
  ra->Release();
  rb->Release();
  return Sign(result);
}

template <class C>
C* FieldComparator(ZTIRecordSet* rs, const char* field, int order = 1) {
  C* comparator = new C();
  comparator->SetField(field);
  comparator->SetSortingOrder(order);
  EXPECT_EQ(comparator->SetRecordSet(rs), ZT_OK);
  return comparator;
}

TEST(ComparatorsTest, FieldComparatorsCompareThreeWay) {
  ztMemoryRecordSet* rs = MakeRecords();
  auto* u = FieldComparator<ZTRecordComparatorUNumField>(rs, "n");
  EXPECT_EQ(CompareRecords(u, rs, 0, 2), -1);  // 7 < 2^32 - 1, compared unsigned
  EXPECT_EQ(CompareRecords(u, rs, 0, 1), 0);
  auto* s = FieldComparator<ZTRecordComparatorSNumField>(rs, "s");
  EXPECT_EQ(CompareRecords(s, rs, 0, 1), -1);  // INT_MIN < INT_MAX although the difference wraps
  EXPECT_EQ(CompareRecords(s, rs, 1, 2), 1);
  auto* d = FieldComparator<ZTRecordComparatorDataField>(rs, "d");
  EXPECT_EQ(CompareRecords(d, rs, 1, 0), -1);  // "ab" before "abc"
  EXPECT_EQ(CompareRecords(d, rs, 0, 2), -1);  // "abc" before "abd"
  d->SetSortingOrder(-1);
  EXPECT_EQ(CompareRecords(d, rs, 0, 2), 1);
  for (ZTIRecordComparator* c :
       {static_cast<ZTIRecordComparator*>(u), static_cast<ZTIRecordComparator*>(s),
        static_cast<ZTIRecordComparator*>(d)}) {
    c->Release();
  }
  rs->Release();
}

TEST(ComparatorsTest, FieldComparatorIdentificationNamesOrderAndField) {
  ztMemoryRecordSet* rs = MakeRecords();
  auto* u = FieldComparator<ZTRecordComparatorUNumField>(rs, "n");
  EXPECT_EQ(ztRecordComparatorId(u), "UNumFieldRC<(n)");
  u->SetSortingOrder(-1);
  EXPECT_EQ(ztRecordComparatorId(u), "UNumFieldRC>(n)");
  ASSERT_EQ(u->SetOptionalLink("ref", rs, 1), ZT_OK);
  EXPECT_EQ(ztRecordComparatorId(u), "UNumFieldRC>(n)");  // the link is not in use yet
  ASSERT_EQ(u->SetRecordSet(rs), ZT_OK);
  EXPECT_EQ(ztRecordComparatorId(u), "UNKNOWN");
  u->Release();
  ZTRecordComparatorUNumField* missing = new ZTRecordComparatorUNumField();
  missing->SetField("nothing");
  EXPECT_EQ(missing->SetRecordSet(rs), ZT_E_NOTFOUND);
  ZTIRecordSet* stored = rs;
  EXPECT_EQ(missing->GetRecordSet(&stored), ZT_OK);
  EXPECT_EQ(stored, nullptr);  // not stored after the failure
  EXPECT_EQ(missing->SetRecordSet(nullptr), ZT_E_INVALID);
  EXPECT_EQ(missing->GetRecordSet(nullptr), ZT_E_NULLOUT);
  missing->Release();
  rs->Release();
}

TEST(ComparatorsTest, LinkedComparatorComparesTheLinkedRecords) {
  ztMemoryRecordSet* rs = MakeRecords();
  auto* d = new ZTRecordComparatorDataField();
  d->SetField("d");
  d->SetOptionalLink("ref", rs, 1);
  ASSERT_EQ(d->SetRecordSet(rs), ZT_OK);
  // Record 0 links to record 2 ("abd"), record 1 to record 0 ("abc").
  EXPECT_EQ(CompareRecords(d, rs, 0, 1), 1);
  ZTIRecord* record = nullptr;
  rs->GetRecord(1, &record);
  ASSERT_EQ(d->GetResolvedRecord(&record), ZT_OK);
  PRUint32 id = 9;
  record->GetId(&id);
  EXPECT_EQ(id, 0u);
  record->Release();
  EXPECT_EQ(d->GetResolvedRecord(nullptr), ZT_E_INVALID);
  d->Release();
  rs->Release();
}

TEST(ComparatorsTest, ChainAsksItsComparatorsInTurn) {
  ztMemoryRecordSet* rs = MakeRecords();
  ZTRecordComparatorChain* chain = new ZTRecordComparatorChain();
  EXPECT_EQ(ztRecordComparatorId(chain), "ChainRC{}");
  auto* u = FieldComparator<ZTRecordComparatorUNumField>(rs, "n");
  auto* d = FieldComparator<ZTRecordComparatorDataField>(rs, "d");
  chain->AddComparator(u);
  chain->AddComparator(d);
  ASSERT_EQ(chain->SetRecordSet(rs), ZT_OK);
  EXPECT_EQ(ztRecordComparatorId(chain), "ChainRC{UNumFieldRC<(n)|DataFieldRC<(d)}");
  EXPECT_EQ(CompareRecords(chain, rs, 0, 1), 1);  // equal n, then "abc" after "ab"
  EXPECT_EQ(CompareRecords(chain, rs, 2, 0), 1);  // n decides
  chain->SetSortingOrder(-1);
  EXPECT_EQ(CompareRecords(chain, rs, 0, 1), -1);
  EXPECT_EQ(ztRecordComparatorId(chain), "ChainRC{UNumFieldRC<(n)|DataFieldRC<(d)}");
  d->SetOptionalLink("ref", rs, 1);
  ASSERT_EQ(chain->SetRecordSet(rs), ZT_OK);
  EXPECT_EQ(ztRecordComparatorId(chain), "UNKNOWN");
  u->Release();
  d->Release();
  chain->Release();
  rs->Release();
}

TEST(ComparatorsTest, RecordWrapperTiesEqualRecordsByPositionOnlyWhenAsked) {
  ztMemoryRecordSet* rs = MakeRecords();
  auto* u = FieldComparator<ZTRecordComparatorUNumField>(rs, "n");
  ZTCursorComparatorRecordWrapper* wrapper = new ZTCursorComparatorRecordWrapper();
  EXPECT_EQ(ztCursorComparatorId(wrapper), "+RecordWrapperCC");
  PRUint32 a = 0, b = 1;
  int result = 0;
  EXPECT_EQ(wrapper->CompareRanks(a, b, &result), ZT_E_INVALID);  // no record set
  ASSERT_EQ(wrapper->SetRecordComparator(u, 1), ZT_OK);
  EXPECT_EQ(ztCursorComparatorId(wrapper), "+UNumFieldRC<(n)");
  EXPECT_EQ(CompareWith(wrapper, 1, 0), 0);  // records 0 and 1 hold the same n
  wrapper->SetConsiderRank(1);
  EXPECT_EQ(CompareWith(wrapper, 1, 0), 1);
  EXPECT_EQ(CompareWith(wrapper, 2, 0), 1);
  ZTCursor* cursor = ztMakeCursor({2, 1, 0});
  ASSERT_EQ(cursor->Sort(wrapper), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{0, 1, 2}));
  int code = ZT_OK;
  CompareWith(wrapper, 7, 0, &code);  // no record 7
  EXPECT_EQ(code, ZT_E_FAILED);
  cursor->Release();
  wrapper->Release();
  u->Release();
  rs->Release();
}

TEST(ComparatorsTest, RecordWrapperTranslatesKeysWhenRanksAreNotRecordNumbers) {
  ztMemoryRecordSet* rs = ztMemoryRecordSet::WithUNumKeys({100, 200, 300});
  rs->AddField("w", ztfFieldUNum);
  rs->SetUNum(0, "w", 3);
  rs->SetUNum(1, "w", 1);
  rs->SetUNum(2, "w", 2);
  auto* w = FieldComparator<ZTRecordComparatorUNumField>(rs, "w");
  ZTCursorComparatorRecordWrapper* wrapper = new ZTCursorComparatorRecordWrapper();
  ASSERT_EQ(wrapper->SetRecordComparator(w, 0), ZT_OK);
  ZTCursor* cursor = ztMakeCursor({100, 200, 300});
  ASSERT_EQ(cursor->Sort(wrapper), ZT_OK);
  EXPECT_EQ(ztElementsOf(cursor), (ztElements{200, 300, 100}));
  int code = ZT_OK;
  CompareWith(wrapper, 150, 100, &code);
  EXPECT_EQ(code, ZT_E_NOTFOUND);
  cursor->Release();
  wrapper->Release();
  w->Release();
  rs->Release();
}

}  // namespace
