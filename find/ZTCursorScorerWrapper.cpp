#include "find/ZTCursorScorerWrapper.h"

#include "find/ZTIMuxCursorScorer.h"

int ZTCursorScorerWrapper::Compute(PRUint32 value, const PRUint32* positions, const int* flags,
                                   void* ancillary) {
  return m_pComputer->Compute(value, positions, flags, ancillary);
}
