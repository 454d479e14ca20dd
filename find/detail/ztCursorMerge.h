// The set operations of ZTCursor::Merge, on bitmaps and on sorted arrays.
#ifndef FIND_DETAIL_ZTCURSORMERGE_H_
#define FIND_DETAIL_ZTCURSORMERGE_H_

#include "find/ZTCursor.h"

class ztCursorMerge {
 public:
  static int Run(ZTCursor* self, ZTCursor* other, ztfOperator op);

 private:
  static int Append(ZTCursor* self, ZTCursor* other);
  static int OrBitmap(ZTCursor* self, ZTCursor* other);
  static int AndBitmap(ZTCursor* self, ZTCursor* other, bool bKeepFound);
  static int Arrays(ZTCursor* self, ZTCursor* other, ztfOperator op);
  static int OrArrays(ZTCursor* self, ZTCursor* other, ZTICursorComparator* comparator);
  static int AndArrays(ZTCursor* self, ZTCursor* other, ZTICursorComparator* comparator,
                       bool bKeepFound);
};

#endif  // FIND_DETAIL_ZTCURSORMERGE_H_
