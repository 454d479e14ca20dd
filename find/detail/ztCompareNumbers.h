// Comparing the numeric field values of two records, three-way.
#ifndef FIND_DETAIL_ZTCOMPARENUMBERS_H_
#define FIND_DETAIL_ZTCOMPARENUMBERS_H_

#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "find/detail/ztOrder.h"

// Reads field in a and b with get and sets *piResult to -1, 0 or 1.
template <class T>
int ztCompareNumbers(ZTIRecord* a, ZTIRecord* b, ZTIField* field,
                     int (ZTIRecord::*get)(ZTIField*, T*), int* piResult) {
  T va = 0, vb = 0;
  int rc = (a->*get)(field, &va);
  if (rc == ZT_OK) rc = (b->*get)(field, &vb);
  *piResult = ztCompare3(va, vb);
  return rc;
}

#endif  // FIND_DETAIL_ZTCOMPARENUMBERS_H_
