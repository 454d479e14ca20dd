// ZTIMuxCursorScorer computes the merged score of each record when scorers are merged
// (ZTCursorScorer::MuxCursorScorer); supplied by the caller.
#ifndef FIND_ZTIMUXCURSORSCORER_H_
#define FIND_ZTIMUXCURSORSCORER_H_

#include <prtypes.h>

#include "find/ZTFindExport.h"

class ZTFIND_API ZTIMuxCursorScorer {
 public:
  virtual ~ZTIMuxCursorScorer() {}
  // As ZTIMuxAncillaryCallback::Compute; score is one 32-bit score, unsigned or signed as the
  // first input scorer.
  virtual int Compute(PRUint32 value, const PRUint32* positions, const int* flags, void* score) = 0;
};

#endif  // FIND_ZTIMUXCURSORSCORER_H_
