// ZTIComparator, the comparator through which record arrays are sorted and searched.
#ifndef CORE_ZTICOMPARATOR_H_
#define CORE_ZTICOMPARATOR_H_

#include "core/ZTRefCount.h"

class ZTCORE_API ZTIComparator : public ZTRefCount {
 public:
  // Stores in *piResult a negative value, 0 or a positive value as record a sorts before, with
  // or after record b. A non-zero return aborts the sort or search that called it.
  virtual int Compare(const void* a, const void* b, int* piResult) = 0;
};

#endif  // CORE_ZTICOMPARATOR_H_
