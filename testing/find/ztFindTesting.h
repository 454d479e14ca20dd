// Small helpers for tests of cursors, comparators and filters.
#ifndef TESTING_FIND_ZTFINDTESTING_H_
#define TESTING_FIND_ZTFINDTESTING_H_

#include <prtypes.h>

#include <string>
#include <vector>

class ZTCursor;
class ZTICursorComparator;
class ZTIRecordComparator;

typedef std::vector<PRUint32> ztElements;

// A new array-form cursor holding values (one reference).
ZTCursor* ztMakeCursor(const ztElements& values);
// A new bitmap-form cursor holding values.
ZTCursor* ztMakeBitmapCursor(const ztElements& values);
// The array form of the cursor, in order (brings the cursor to array form).
ztElements ztElementsOf(ZTCursor* cursor);
// The identification texts, "" when the call fails.
std::string ztCursorComparatorId(ZTICursorComparator* comparator);
std::string ztRecordComparatorId(ZTIRecordComparator* comparator);

#endif  // TESTING_FIND_ZTFINDTESTING_H_
