// Searching ascending arrays of record numbers from a position that only moves forward.
#ifndef FRONTENDS_INDEX_DETAIL_ZTGALLOP_H_
#define FRONTENDS_INDEX_DETAIL_ZTGALLOP_H_

#include <prtypes.h>

#include <algorithm>

// The first index from first on whose value is not below value in values[0..count), ascending;
// count when there is none (first itself when it is not below count). Gallops, then halves,
// so answers near first are cheap.
inline PRUint32 ztGallop(const PRUint32* values, PRUint32 first, PRUint32 count, PRUint32 value) {
  PRUint32 low = first, high = first, step = 1;
  while (high < count && values[high] < value) {
    low = high + 1;
    high = (count - high > step) ? high + step : count;
    step *= 2;
  }
  return static_cast<PRUint32>(std::lower_bound(values + low, values + high, value) - values);
}

#endif  // FRONTENDS_INDEX_DETAIL_ZTGALLOP_H_
