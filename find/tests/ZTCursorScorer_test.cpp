// Cursor scorers: scores, the sorted view frozen at SetUnsortedCursor, signed and unsigned
// orders, and merging scorers.
#include "find/ZTCursorScorer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIMuxCursorScorer.h"
#include "testing/find/ztFindTesting.h"

namespace {

ztElements Cursor(ZTCursorScorer* scorer, int sorted) {
  ZTCursor* cursor = nullptr;
  EXPECT_EQ(scorer->GetCursor(sorted, &cursor), ZT_OK);
  if (!cursor) return {9999};
  ztElements elements = ztElementsOf(cursor);
  cursor->Release();
  return elements;
}

ztElements UnsignedScores(ZTCursorScorer* scorer, int sorted) {
  const PRUint32* scores = nullptr;
  PRUint32 size = 0;
  scorer->GetSize(&size);
  EXPECT_EQ(scorer->GetSharedUnsignedScores(sorted, &scores), ZT_OK);
  return scores ? ztElements(scores, scores + size) : ztElements{};
}

std::vector<PRInt32> SignedScores(ZTCursorScorer* scorer, int sorted) {
  const PRInt32* scores = nullptr;
  PRUint32 size = 0;
  scorer->GetSize(&size);
  EXPECT_EQ(scorer->GetSharedSignedScores(sorted, &scores), ZT_OK);
  return scores ? std::vector<PRInt32>(scores, scores + size) : std::vector<PRInt32>{};
}

void SetCursor(ZTCursorScorer* scorer, const ztElements& values, int expected = ZT_OK) {
  ZTCursor* cursor = ztMakeCursor(values);
  EXPECT_EQ(scorer->SetUnsortedCursor(cursor), expected);
  cursor->Release();
}

TEST(ZTCursorScorerTest, SortsByScoreHighestFirstThenByRecord) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  ASSERT_EQ(scorer->Init(3, 0), ZT_OK);
  scorer->AddToUnsignedScore(0, 5);
  scorer->AddToUnsignedScore(2, 9);
  scorer->AddToUnsignedScore(1, 5);
  SetCursor(scorer, {40, 10, 30});
  EXPECT_EQ(Cursor(scorer, 1), (ztElements{30, 10, 40}));
  EXPECT_EQ(UnsignedScores(scorer, 1), (ztElements{9, 5, 5}));
  EXPECT_EQ(Cursor(scorer, 0), (ztElements{40, 10, 30}));
  scorer->SetUnsignedScore(0, 100);  // frozen until the next SetUnsortedCursor
  EXPECT_EQ(Cursor(scorer, 1), (ztElements{30, 10, 40}));
  EXPECT_EQ(UnsignedScores(scorer, 1), (ztElements{9, 5, 5}));
  EXPECT_EQ(UnsignedScores(scorer, 0), (ztElements{100, 5, 9}));
  scorer->Release();
}

TEST(ZTCursorScorerTest, UnsignedScoresAbove2To31SortAsUnsigned) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  ASSERT_EQ(scorer->Init(3, 0), ZT_OK);
  scorer->SetUnsignedScore(0, 0x80000000u);
  scorer->SetUnsignedScore(1, 1);
  scorer->SetUnsignedScore(2, 0xFFFFFFFFu);
  SetCursor(scorer, {1, 2, 3});
  EXPECT_EQ(Cursor(scorer, 1), (ztElements{3, 1, 2}));
  scorer->Release();
}

TEST(ZTCursorScorerTest, SignedScoresSortAsSignedEvenFarApart) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  ASSERT_EQ(scorer->Init(4, 1), ZT_OK);
  scorer->SetSignedScore(0, INT_MIN);
  scorer->SetSignedScore(1, INT_MAX);
  scorer->SetSignedScore(2, -1);
  scorer->AddToSignedScore(3, 0);
  SetCursor(scorer, {5, 6, 7, 8});
  EXPECT_EQ(Cursor(scorer, 1), (ztElements{6, 8, 7, 5}));
  EXPECT_EQ(SignedScores(scorer, 1), (std::vector<PRInt32>{INT_MAX, 0, -1, INT_MIN}));
  scorer->Release();
}

// The record of rank k of n in one of three layouts: in no order; ascending with repeats,
// over several bytes; ascending but for the last two.
PRUint32 LayoutRecord(int layout, PRUint32 k, PRUint32 n) {
  if (layout == 0) return (k * 7919u) % 100003u;
  if (layout == 1) return k / 2 * 300u;
  return (k + 2 >= n ? 2 * n - 3 - k : k) * 300u;
}

// Thousands of records, scores spread over every byte with many ties: the same order as a
// comparison sort, for both kinds.
TEST(ZTCursorScorerTest, LargeCursorsSortLikeTheComparison) {
  const PRUint32 n = 5000;
  for (int run = 0; run < 6; ++run) {
    const int bSigned = run % 2, layout = run / 2;
    ztElements records(n), scores(n);
    PRUint32 seed = 12345;
    for (PRUint32 k = 0; k < n; ++k) {
      seed = seed * 1103515245u + 12345u;
      records[k] = LayoutRecord(layout, k, n);
      scores[k] = (seed >> 8) % 4 == 0 ? seed : (seed >> 16) % 50;  // wide values and ties
    }
    scores[n - 1] = scores[n - 2];  // the last two tie: only their records order them
    ZTCursorScorer* scorer = new ZTCursorScorer();
    ASSERT_EQ(scorer->Init(n, bSigned), ZT_OK);
    for (PRUint32 k = 0; k < n; ++k) {
      if (bSigned) {
        scorer->SetSignedScore(k, static_cast<PRInt32>(scores[k]));
      } else {
        scorer->SetUnsignedScore(k, scores[k]);
      }
    }
    SetCursor(scorer, records);
    std::vector<PRUint32> order(n);
    for (PRUint32 k = 0; k < n; ++k) order[k] = k;
    std::sort(order.begin(), order.end(), [&](PRUint32 a, PRUint32 b) {
      if (scores[a] != scores[b]) {
        return bSigned ? static_cast<PRInt32>(scores[a]) > static_cast<PRInt32>(scores[b])
                       : scores[a] > scores[b];
      }
      return records[a] < records[b];
    });
    ztElements expectedRecords(n), expectedScores(n);
    for (PRUint32 k = 0; k < n; ++k) {
      expectedRecords[k] = records[order[k]];
      expectedScores[k] = scores[order[k]];
    }
    EXPECT_EQ(Cursor(scorer, 1), expectedRecords) << "signed " << bSigned << " layout " << layout;
    if (bSigned) {
      const std::vector<PRInt32> signedScores = SignedScores(scorer, 1);
      EXPECT_EQ(ztElements(signedScores.begin(), signedScores.end()), expectedScores);
    } else {
      EXPECT_EQ(UnsignedScores(scorer, 1), expectedScores);
    }
    scorer->Release();
  }
}

TEST(ZTCursorScorerTest, RefusesScoresOfTheOtherKindAndIndexesPastTheEnd) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  EXPECT_EQ(scorer->SetUnsignedScore(0, 1), ZT_E_FAILED);  // empty
  ASSERT_EQ(scorer->Init(3, 0), ZT_OK);
  EXPECT_EQ(scorer->SetSignedScore(0, 1), ZT_E_FAILED);
  EXPECT_EQ(scorer->AddToSignedScore(0, 1), ZT_E_FAILED);
  EXPECT_EQ(scorer->SetUnsignedScore(3, 1), ZT_E_FAILED);
  const PRInt32* signedScores = nullptr;
  EXPECT_EQ(scorer->GetSharedSignedScores(0, &signedScores), ZT_E_INVALID);
  EXPECT_EQ(scorer->GetCursor(0, nullptr), ZT_E_INVALID);
  scorer->Release();
}

TEST(ZTCursorScorerTest, ACursorOfTheWrongSizeLeavesNoCursors) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  ASSERT_EQ(scorer->Init(3, 0), ZT_OK);
  SetCursor(scorer, {1, 2, 3});
  SetCursor(scorer, {1, 2}, ZT_E_INVALID);
  EXPECT_EQ(Cursor(scorer, 0), ztElements{9999});  // null
  EXPECT_EQ(Cursor(scorer, 1), ztElements{9999});
  EXPECT_EQ(scorer->SetUnsortedCursor(nullptr), ZT_E_INVALID);
  EXPECT_EQ(UnsignedScores(scorer, 0).size(), 3u);  // the scores stay
  scorer->Release();
}

TEST(ZTCursorScorerTest, AnEmptyScorerTakesAnEmptyCursor) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  ASSERT_EQ(scorer->Init(0, 0), ZT_OK);
  SetCursor(scorer, {});
  EXPECT_EQ(Cursor(scorer, 1), ztElements{});
  scorer->Release();
}

TEST(ZTCursorScorerTest, InitRefusesSizesWhoseBytesOverflow32Bits) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  EXPECT_EQ(scorer->Init(0x40000000u, 1), ZT_E_NOMEM);
  PRUint32 size = 9;
  scorer->GetSize(&size);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(scorer->SetUnsignedScore(0, 1), ZT_E_FAILED);  // empty and unsigned
  scorer->Release();
}

// Sums the scores of the inputs that hold the value.
class SumScores : public ZTIMuxCursorScorer {
 public:
  explicit SumScores(std::vector<ZTCursorScorer*> inputs) : m_inputs(inputs) {}
  int Compute(PRUint32, const PRUint32* positions, const int* flags, void* score) override {
    PRUint32 sum = 0;
    for (size_t i = 0; i < m_inputs.size(); ++i) {
      const PRUint32* scores = nullptr;
      m_inputs[i]->GetSharedUnsignedScores(0, &scores);
      if (flags[i]) sum += scores[positions[i] - 1];
    }
    *static_cast<PRUint32*>(score) = sum;
    return ZT_OK;
  }

 private:
  std::vector<ZTCursorScorer*> m_inputs;
};

ZTCursorScorer* Scored(const ztElements& records, const ztElements& scores) {
  ZTCursorScorer* scorer = new ZTCursorScorer();
  scorer->Init(static_cast<PRUint32>(scores.size()), 0);
  for (PRUint32 i = 0; i < scores.size(); ++i) scorer->SetUnsignedScore(i, scores[i]);
  SetCursor(scorer, records);
  return scorer;
}

TEST(ZTCursorScorerTest, MuxCursorScorerMergesTheScoresOfEveryInput) {
  ZTCursorScorer* inputs[] = {Scored({1, 4, 6}, {10, 20, 30}), Scored({4, 5}, {1, 2})};
  SumScores sum({inputs[0], inputs[1]});
  ZTCursorScorer* merged = new ZTCursorScorer();
  ASSERT_EQ(merged->MuxCursorScorer(inputs, 2, &sum, nullptr), ZT_OK);
  EXPECT_EQ(Cursor(merged, 0), (ztElements{1, 4, 5, 6}));
  // 4 is delivered by the second input, which was waiting with it; the first skipped it, so
  // its flag is clear and only the second input's score reaches the computer.
  EXPECT_EQ(UnsignedScores(merged, 0), (ztElements{10, 1, 2, 30}));
  EXPECT_EQ(Cursor(merged, 1), (ztElements{6, 1, 5, 4}));
  // Merging into one of the inputs.
  ASSERT_EQ(inputs[0]->MuxCursorScorer(inputs, 2, &sum, nullptr), ZT_OK);
  EXPECT_EQ(Cursor(inputs[0], 1), (ztElements{6, 1, 5, 4}));
  merged->Release();
  for (ZTCursorScorer* s : inputs) s->Release();
}

TEST(ZTCursorScorerTest, MuxCursorScorerErrorsLeaveTheScorerUnchanged) {
  ZTCursorScorer* inputs[] = {Scored({1}, {3}), new ZTCursorScorer()};
  SumScores sum({inputs[0]});
  ZTCursorScorer* target = Scored({8}, {1});
  EXPECT_EQ(target->MuxCursorScorer(inputs, 0, &sum, nullptr), ZT_OK);
  EXPECT_EQ(target->MuxCursorScorer(inputs, 2, &sum, nullptr), ZT_E_INVALID);  // no cursor
  EXPECT_EQ(target->MuxCursorScorer(nullptr, 1, &sum, nullptr), ZT_E_INVALID);
  ZTCursorScorer* two[] = {inputs[0], inputs[0]};
  int stop = 1;
  EXPECT_EQ(target->MuxCursorScorer(two, 2, &sum, &stop), ZT_E_STOPPED);
  EXPECT_EQ(Cursor(target, 0), ztElements{8});
  target->Release();
  for (ZTCursorScorer* s : inputs) s->Release();
}

}  // namespace
