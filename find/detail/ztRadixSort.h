// Sorting 64-bit keys ascending by their bytes, least significant first.
#ifndef FIND_DETAIL_ZTRADIXSORT_H_
#define FIND_DETAIL_ZTRADIXSORT_H_

#include <prtypes.h>

// Sorts keys[0..n) ascending; scratch holds n keys. Bytes that are the same in every key cost
// nothing beyond the first counting pass. Short arrays are sorted by comparison. When the keys
// are already ascending in their low lowBytes bytes (0 to 8), those bytes are not sorted on:
// the sort is stable.
void ztRadixSort(PRUint64* keys, PRUint64* scratch, PRUint32 n, PRUint32 lowBytes);

#endif  // FIND_DETAIL_ZTRADIXSORT_H_
