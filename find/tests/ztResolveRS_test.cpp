// Resolving cursors through unsigned fields and link fields, with stop flags.
#include "find/ztResolveRS.h"

#include <gtest/gtest.h>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "testing/find/ztFindTesting.h"
#include "testing/find/ztMemoryField.h"
#include "testing/find/ztMemoryRecordSet.h"

namespace {

// Targets: "doc" holds 50 + i for record i. Words: link "occ" into targets, "n" unsigned.
class ResolveTest : public testing::Test {
 protected:
  void SetUp() override {
    m_targets = new ztMemoryRecordSet();
    m_targets->AddField("doc", ztfFieldUNum);
    for (PRUint32 i = 0; i < 6; ++i) m_targets->SetUNum(m_targets->AddRecord(), "doc", 50 + i);
    m_words = new ztMemoryRecordSet();
    m_words->AddField("n", ztfFieldUNum);
    m_words->AddField("occ", ztfFieldLink, m_targets);
    const PRUint32 links[][3] = {{7, 3, 3}, {8, 0, 2}, {9, 1, 0}, {0x80000000u, 4, 9}};
    for (const auto& link : links) {
      const PRUint32 r = m_words->AddRecord();
      m_words->SetUNum(r, "n", link[0]);
      m_words->SetLink(r, "occ", link[1], link[2]);
    }
  }
  void TearDown() override {
    m_words->Release();
    m_targets->Release();
  }

  ztMemoryRecordSet* m_targets = nullptr;
  ztMemoryRecordSet* m_words = nullptr;
};

TEST_F(ResolveTest, UNumKeepsTheOrderAndTheRepeatsWhenAsked) {
  ZTCursor* input = ztMakeCursor({2, 0, 2});
  ZTCursor* out = nullptr;
  ASSERT_EQ(ztResolveRSUNum(input, m_words, m_words->Field("n"), 1, nullptr, &out), ZT_OK);
  EXPECT_EQ(ztElementsOf(out), (ztElements{9, 7, 9}));
  EXPECT_FALSE(out->HasBitmapForm());
  out->Release();
  ASSERT_EQ(ztResolveRSUNum(input, m_words, m_words->Field("n"), 0, nullptr, &out), ZT_OK);
  EXPECT_EQ(ztElementsOf(out), (ztElements{7, 9, 9}));
  out->Release();
  input->Release();
}

TEST_F(ResolveTest, UNumRefusesValuesThatAreNotRecordNumbers) {
  ZTCursor* input = ztMakeCursor({0, 3});
  ZTCursor* out = ztMakeCursor({});
  ZTCursor* placeholder = out;
  EXPECT_EQ(ztResolveRSUNum(input, m_words, m_words->Field("n"), 1, nullptr, &out), ZT_E_INVALID);
  EXPECT_EQ(out, nullptr);
  placeholder->Release();
  input->Release();
}

TEST_F(ResolveTest, LinkGivesTheUnionOfTheLinkedValues) {
  ZTCursor* input = ztMakeCursor({1, 0, 2});
  ZTCursor* out = nullptr;
  ASSERT_EQ(ztResolveRSLink(input, m_words, m_words->Field("occ"), m_targets->Field("doc"), 0,
                            nullptr, &out),
            ZT_OK);
  EXPECT_EQ(ztElementsOf(out), (ztElements{50, 51, 53, 54, 55}));
  out->Release();
  ZTCursor* empty = ztMakeCursor({});
  ASSERT_EQ(ztResolveRSLink(empty, m_words, m_words->Field("occ"), m_targets->Field("doc"), 1,
                            nullptr, &out),
            ZT_OK);
  EXPECT_EQ(ztElementsOf(out), ztElements{});
  out->Release();
  empty->Release();
  input->Release();
}

TEST_F(ResolveTest, LinkErrorsReleaseWhatWasBuilt) {
  ZTCursor* input = ztMakeCursor({0, 3});  // record 3 links past the end of the targets
  ZTCursor* out = nullptr;
  EXPECT_EQ(ztResolveRSLink(input, m_words, m_words->Field("occ"), m_targets->Field("doc"), 0,
                            nullptr, &out),
            ZT_E_FAILED);
  EXPECT_EQ(out, nullptr);
  input->Release();
}

// Runs of consecutive records are read as a range of the record set; the others one by one.
TEST_F(ResolveTest, ExtractReadsTheListedRecordsWhateverTheirOrder) {
  struct Case {
    ztElements m_records;
    PRUint32 m_uFirst;
    PRUint32 m_uCount;
    ztElements m_expected;
  };
  const Case cases[] = {
      {{9, 2, 3, 4}, 1, 3, {52, 53, 54}}, {{2, 3, 5}, 0, 3, {52, 53, 55}}, {{4}, 0, 1, {54}},
      {{3, 2}, 0, 2, {53, 52}},           {{5, 0}, 0, 2, {55, 50}},        {{1, 2}, 0, 0, {}},
  };
  for (const Case& c : cases) {
    ZTCursor* out = nullptr;
    ASSERT_EQ(ztExtractUNumCursor(m_targets, m_targets->Field("doc"), c.m_records.data(),
                                  c.m_uFirst, c.m_uCount, nullptr, &out),
              ZT_OK);
    EXPECT_EQ(ztElementsOf(out), c.m_expected) << c.m_records[0] << " " << c.m_uFirst;
    out->Release();
  }
  const ztElements pastTheEnd = {4, 5, 6};
  ZTCursor* out = nullptr;
  EXPECT_NE(ztExtractUNumCursor(m_targets, m_targets->Field("doc"), pastTheEnd.data(), 0, 3,
                                nullptr, &out),
            ZT_OK);
  EXPECT_EQ(out, nullptr);
}

TEST_F(ResolveTest, AStopFlagAlreadySetStopsBothRoutines) {
  ZTCursor* input = ztMakeCursor({0, 1});
  ZTCursor* out = nullptr;
  int stop = 1;
  EXPECT_EQ(ztResolveRSUNum(input, m_words, m_words->Field("n"), 1, &stop, &out), ZT_E_STOPPED);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(ztResolveRSLink(input, m_words, m_words->Field("occ"), m_targets->Field("doc"), 0,
                            &stop, &out),
            ZT_E_STOPPED);
  EXPECT_EQ(out, nullptr);
  input->Release();
}

}  // namespace
