// ZTIMuxAncillaryCallback computes the fixed-size block of data (ancillary data) of each value
// that ZTMux::MuxCursorsWithAncillary outputs.
#ifndef FIND_ZTIMUXANCILLARYCALLBACK_H_
#define FIND_ZTIMUXANCILLARYCALLBACK_H_

#include <prtypes.h>

#include "find/ZTFindExport.h"

class ZTFIND_API ZTIMuxAncillaryCallback {
 public:
  virtual ~ZTIMuxAncillaryCallback() {}
  // Fills the block of value. positions[i] counts the values taken from input i so far and
  // flags[i] tells whether input i holds value; both are read-only. A non-zero result stops
  // the merge and is returned by it.
  virtual int Compute(PRUint32 value, const PRUint32* positions, const int* flags,
                      void* ancillary) = 0;
};

#endif  // FIND_ZTIMUXANCILLARYCALLBACK_H_
