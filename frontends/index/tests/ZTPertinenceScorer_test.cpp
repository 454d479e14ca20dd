// The pertinence scorer's weights.
#include <gtest/gtest.h>

#include "find/ZTCursorScorer.h"
#include "frontends/index/ZTPertinenceScorer.h"

namespace {

PRUint32 ScoreOf(ZTPertinenceScorer* scorer, unsigned rank) {
  ZTCursorScorer* scores = nullptr;
  const PRUint32* values = nullptr;
  EXPECT_EQ(scorer->GetCursorScorer(&scores), 0);
  EXPECT_EQ(scores->GetSharedUnsignedScores(0, &values), 0);
  const PRUint32 value = values[rank];
  scores->Release();
  return value;
}

TEST(ZTPertinenceScorerTest, WeighsStructureBitsTimesOccurrences) {
  ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
  ZTCursorScorer* none = nullptr;
  EXPECT_EQ(scorer->GetCursorScorer(&none), 0);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(scorer->GetCursorScorer(nullptr), 101);
  EXPECT_NE(scorer->AddScore(0, 7, 1, 1), 0);
  ASSERT_EQ(scorer->Init(3), 0);
  EXPECT_EQ(scorer->AddScore(0, 7, 1, 1), 0);
  EXPECT_EQ(scorer->AddScore(1, 8, 5, 3), 0);      // 3 x (100 + 10)
  EXPECT_EQ(scorer->AddScore(2, 9, 0x300, 4), 0);  // bits above 7 weigh nothing
  EXPECT_EQ(scorer->AddScore(3, 9, 1, 1), 10);
  EXPECT_EQ(ScoreOf(scorer, 0), 100u);
  EXPECT_EQ(ScoreOf(scorer, 1), 330u);
  EXPECT_EQ(ScoreOf(scorer, 2), 0u);
  const unsigned ones[ZTPertinenceScorer::kBits] = {1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(scorer->SetElementaryScores(ones), 0);
  EXPECT_EQ(scorer->SetElementaryScores(nullptr), 1);
  ASSERT_EQ(scorer->Init(1), 0);
  EXPECT_EQ(scorer->AddScore(0, 1, 255, 2), 0);
  EXPECT_EQ(ScoreOf(scorer, 0), 16u);
  // A huge weight saturates instead of wrapping.
  const unsigned big[ZTPertinenceScorer::kBits] = {0xFFFFFFFFu, 0, 0, 0, 0, 0, 0, 0};
  scorer->SetElementaryScores(big);
  ASSERT_EQ(scorer->Init(1), 0);
  EXPECT_EQ(scorer->AddScore(0, 1, 1, 3), 0);
  EXPECT_EQ(ScoreOf(scorer, 0), 0xFFFFFFFFu);
  void* base = nullptr;
  EXPECT_EQ(scorer->QueryZTInterface(ZTIIndexScorer::GetZTIID(), &base), 0);
  static_cast<ZTIIndexScorer*>(base)->Release();
  scorer->Release();
}

}  // namespace
