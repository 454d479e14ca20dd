// ZTCursorScorerWrapper lets a ZTIMuxCursorScorer serve as the callback of a mux.
#ifndef FIND_ZTCURSORSCORERWRAPPER_H_
#define FIND_ZTCURSORSCORERWRAPPER_H_

#include "find/ZTIMuxAncillaryCallback.h"

class ZTIMuxCursorScorer;

class ZTFIND_API ZTCursorScorerWrapper : public ZTIMuxAncillaryCallback {
 public:
  // The computer is neither owned nor counted.
  explicit ZTCursorScorerWrapper(ZTIMuxCursorScorer* computer) : m_pComputer(computer) {}
  int Compute(PRUint32 value, const PRUint32* positions, const int* flags,
              void* ancillary) override;

 private:
  ZTIMuxCursorScorer* m_pComputer;
};

#endif  // FIND_ZTCURSORSCORERWRAPPER_H_
