// The lookups every record set derives from its own equal and before searches, over the
// in-memory record set, for text, unsigned and signed keys.
#include "find/ZTIRecordSet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/ZTErrors.h"
#include "testing/find/ztMemoryField.h"
#include "testing/find/ztMemoryRecordSet.h"

namespace {

enum KeyKind { kText, kUNum, kSNum };

// Maps the table's numbers (keys 10, 20, 30; searched keys 5 to 35) onto each kind of key:
// two-digit texts, the numbers themselves, and the numbers minus 20 (so signed keys cross 0).
std::string TextKey(int n) {
  char text[8];
  snprintf(text, sizeof text, "%02d", n);
  return text;
}

ztMemoryRecordSet* MakeSet(KeyKind kind, std::initializer_list<int> keys) {
  ztMemoryRecordSet* rs = new ztMemoryRecordSet();
  const char* name = kind == kText ? "t" : kind == kUNum ? "u" : "s";
  rs->AddField(name, kind == kText ? ztfFieldData : kind == kUNum ? ztfFieldUNum : ztfFieldSNum);
  rs->SetLookupField(name);
  for (int key : keys) {
    const PRUint32 r = rs->AddRecord();
    if (kind == kText) rs->SetText(r, name, TextKey(key));
    if (kind == kUNum) rs->SetUNum(r, name, key);
    if (kind == kSNum) rs->SetSNum(r, name, key - 20);
  }
  return rs;
}

// The record found, or -1 for "not found" (11); other codes fail the test.
int Find(ZTIRecordSet* rs, KeyKind kind, int key, int mode) {
  PRUint32 record = 999;
  const ztfLookupMode m = static_cast<ztfLookupMode>(mode);
  int rc = kind == kText   ? rs->LookupText(TextKey(key).c_str(), m, &record)
           : kind == kUNum ? rs->LookupUNum(key, m, &record)
                           : rs->LookupSNum(key - 20, m, &record);
  if (rc == ZT_E_NOTFOUND) return -1;
  EXPECT_EQ(rc, ZT_OK);
  return static_cast<int>(record);
}

class DerivedLookup : public testing::TestWithParam<KeyKind> {};

TEST_P(DerivedLookup, AnswersEveryModeOverKeys10To30) {
  // key, then the answers of modes 0 to 4 (-1: no answer).
  const int table[][6] = {
      {5, -1, -1, 0, -1, 0}, {10, 0, -1, 1, 0, 0}, {15, -1, 0, 1, 0, 1},   {20, 1, 0, 2, 1, 1},
      {25, -1, 1, 2, 1, 2},  {30, 2, 1, -1, 2, 2}, {35, -1, 2, -1, 2, -1},
  };
  ztMemoryRecordSet* rs = MakeSet(GetParam(), {10, 20, 30});
  for (const auto& row : table) {
    for (int mode = 0; mode <= 4; ++mode) {
      EXPECT_EQ(Find(rs, GetParam(), row[0], mode), row[mode + 1])
          << "key " << row[0] << " mode " << mode;
    }
  }
  rs->Release();
}

TEST_P(DerivedLookup, AnswersNothingOnAnEmptySetAndNothingAfterTheOnlyRecord) {
  ztMemoryRecordSet* empty = MakeSet(GetParam(), {});
  for (int mode = 0; mode <= 4; ++mode) EXPECT_EQ(Find(empty, GetParam(), 10, mode), -1);
  empty->Release();
  ztMemoryRecordSet* one = MakeSet(GetParam(), {10});
  EXPECT_EQ(Find(one, GetParam(), 10, ztfLookupAfter), -1);
  EXPECT_EQ(Find(one, GetParam(), 10, ztfLookupEqualOrBefore), 0);
  EXPECT_EQ(Find(one, GetParam(), 5, ztfLookupEqualOrAfter), 0);
  one->Release();
}

TEST_P(DerivedLookup, SkipsRunsOfEqualKeys) {
  ztMemoryRecordSet* rs = MakeSet(GetParam(), {10, 20, 20, 20, 30});
  EXPECT_EQ(Find(rs, GetParam(), 20, ztfLookupBefore), 0);
  EXPECT_EQ(Find(rs, GetParam(), 20, ztfLookupAfter), 4);
  EXPECT_EQ(Find(rs, GetParam(), 20, ztfLookupEqualOrBefore), 3);
  EXPECT_EQ(Find(rs, GetParam(), 20, ztfLookupEqualOrAfter), 1);
  rs->Release();
  ztMemoryRecordSet* front = MakeSet(GetParam(), {10, 10});
  EXPECT_EQ(Find(front, GetParam(), 10, ztfLookupAfter), -1);
  EXPECT_EQ(Find(front, GetParam(), 10, ztfLookupEqualOrBefore), 1);
  front->Release();
}

INSTANTIATE_TEST_SUITE_P(Keys, DerivedLookup, testing::Values(kText, kUNum, kSNum));

// The values one record after the other, through each record.
TEST(ZTIRecordSetTest, VisitDataValuesReadsEachRecord) {
  struct Texts : ZTIDataValueVisitor {
    int VisitDataValue(PRUint32 uRecord, const PRUint8* value, PRUint32 length) override {
      text += std::to_string(uRecord) + ":" +
              std::string(reinterpret_cast<const char*>(value),
                          strnlen(reinterpret_cast<const char*>(value), length)) +
              " ";
      return ZT_OK;
    }
    std::string text;
  } texts;
  ztMemoryRecordSet* rs = MakeSet(kText, {10, 20, 30});
  ASSERT_EQ(rs->VisitDataValues(rs->Field("t"), 1, 2, &texts), ZT_OK);
  EXPECT_EQ(texts.text, "1:20 2:30 ");
  EXPECT_NE(rs->VisitDataValues(rs->Field("t"), 2, 2, &texts), ZT_OK);
  EXPECT_EQ(rs->VisitDataValues(nullptr, 0, 1, &texts), ZT_E_INVALID);
  rs->Release();
}

TEST(ZTIRecordSetTest, TextRunsAreTheRecordsOfEqualKeys) {
  ztMemoryRecordSet* rs = MakeSet(kText, {10, 20, 20, 20, 30, 30});
  // key, then the run [first, end): empty where the key would go when no record has it.
  const int table[][3] = {{5, 0, 0}, {10, 0, 1}, {15, 1, 1}, {20, 1, 4}, {30, 4, 6}, {35, 6, 6}};
  for (const auto& row : table) {
    PRUint32 first = 99, end = 99;
    ASSERT_EQ(rs->LookupTextRun(TextKey(row[0]).c_str(), &first, &end), ZT_OK) << row[0];
    EXPECT_EQ(first, static_cast<PRUint32>(row[1])) << row[0];
    EXPECT_EQ(end, static_cast<PRUint32>(row[2])) << row[0];
  }
  PRUint32 first = 0, end = 0;
  EXPECT_EQ(rs->LookupTextRun(nullptr, &first, &end), ZT_E_INVALID);
  rs->Release();
  ztMemoryRecordSet* empty = MakeSet(kText, {});
  ASSERT_EQ(empty->LookupTextRun("10", &first, &end), ZT_OK);
  EXPECT_EQ(first, 0u);
  EXPECT_EQ(end, 0u);
  empty->Release();
}

TEST(ZTIRecordSetTest, RefusesUnknownModesAndNullArguments) {
  ztMemoryRecordSet* rs = ztMemoryRecordSet::WithUNumKeys({10, 20});
  PRUint32 record = 0;
  EXPECT_EQ(rs->LookupUNum(10, static_cast<ztfLookupMode>(5), &record), ZT_E_INVALID);
  EXPECT_EQ(rs->LookupUNum(10, ztfLookupAfter, nullptr), ZT_E_INVALID);
  EXPECT_EQ(rs->LookupText(nullptr, ztfLookupAfter, &record), ZT_E_INVALID);
  rs->Release();
}

TEST(ZTIRecordSetTest, PassesTheBackEndsErrorsOn) {
  ztMemoryRecordSet* rs = new ztMemoryRecordSet();  // no lookup field: the back-end says 15
  rs->AddField("u", ztfFieldUNum);
  rs->AddRecord();
  PRUint32 record = 0;
  EXPECT_EQ(rs->LookupUNum(1, ztfLookupEqualOrAfter, &record), ZT_E_UNSUPPORTED);
  EXPECT_EQ(rs->InitCursorRS(0, 1, rs, rs), ZT_E_UNSUPPORTED);
  rs->Release();
}

}  // namespace
