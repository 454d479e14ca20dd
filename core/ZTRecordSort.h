// Sorting and searching arrays of fixed-size records through a ZTIComparator. Every routine
// returns 0 or the first error code of the comparator.
#ifndef CORE_ZTRECORDSORT_H_
#define CORE_ZTRECORDSORT_H_

#include <prtypes.h>

#include "core/ZTCoreExport.h"
#include "core/ZTIComparator.h"

// Linear search for the first record equal to key; *pbFound 1 and *puIndex its position, or
// *pbFound 0 and the index untouched. puIndex may be null.
ZTCORE_API int ZTLFindRecord(const void* key, const void* array, PRUint32 count, PRUint32 size,
                             ZTIComparator* comparator, PRUint32* puIndex, int* pbFound);
// Linear search over an ascending array: stops at the first record equal to (found) or greater
// than key; the index is that record's, or count when none stops it. puIndex may be null.
ZTCORE_API int ZTLFindSortedRecord(const void* key, const void* array, PRUint32 count,
                                   PRUint32 size, ZTIComparator* comparator, PRUint32* puIndex,
                                   int* pbFound);
// In-place ascending sorts, not stable. 12 when the scratch record cannot be had.
ZTCORE_API int ZTQsortRecord(void* array, PRUint32 count, PRUint32 size,
                             ZTIComparator* comparator);
ZTCORE_API int ZTQ3sortRecord(void* array, PRUint32 count, PRUint32 size,
                              ZTIComparator* comparator);
ZTCORE_API int ZTHsortRecord(void* array, PRUint32 count, PRUint32 size,
                             ZTIComparator* comparator);

#endif  // CORE_ZTRECORDSORT_H_
