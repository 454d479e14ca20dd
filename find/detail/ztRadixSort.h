// Sorting 64-bit keys ascending by their bytes, least significant first.
#ifndef FIND_DETAIL_ZTRADIXSORT_H_
#define FIND_DETAIL_ZTRADIXSORT_H_

#include <prtypes.h>

// Sorts keys[0..n) ascending; scratch holds n keys. Bytes that are the same in every key cost
// nothing beyond the first counting pass. Short arrays are sorted by comparison.
void ztRadixSort(PRUint64* keys, PRUint64* scratch, PRUint32 n);

#endif  // FIND_DETAIL_ZTRADIXSORT_H_
