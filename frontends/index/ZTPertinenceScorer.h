// ZTPertinenceScorer: each record adds its occurrence count times the sum of the weights of
// its structure bits (bits 0 to 7; higher bits weigh nothing) to its document's score.
#ifndef FRONTENDS_INDEX_ZTPERTINENCESCORER_H_
#define FRONTENDS_INDEX_ZTPERTINENCESCORER_H_

#include "frontends/index/ZTIIndexScorer.h"

class ZTFINDFEINDEX_API ZTPertinenceScorer : public ZTIIndexScorer {
 public:
  static const unsigned kBits = 8;

  ZTPertinenceScorer();
  ~ZTPertinenceScorer() override;
  ZT_DECLARE_ZTIID

  // Copies kBits weights, for bits 0 to 7 (100, 20, 10, 5, 4, 3, 2, 1 at construction); 1 for
  // a null array.
  int SetElementaryScores(const unsigned* scores);
  // A new cursor scorer of documents zero unsigned scores; 12 when it cannot be made.
  int Init(unsigned documents) override;
  // 10 when rank is beyond Init's count, or before Init.
  int AddScore(unsigned rank, unsigned document, unsigned structure, unsigned occurrences) override;
  int GetCursorScorer(ZTCursorScorer** ppOut) override;

 private:
  ZTCursorScorer* m_pScorer;
  unsigned m_auScores[kBits];
};

#endif  // FRONTENDS_INDEX_ZTPERTINENCESCORER_H_
