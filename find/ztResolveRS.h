// Turning a cursor of records into a cursor of the record numbers they reference: through an
// unsigned-number field (ztResolveRSUNum) or through a link field (ztResolveRSLink). Both
// test *piStop (when given) before each element (once before a run of consecutive records read
// in one go) and return 19 when another thread set it.
#ifndef FIND_ZTRESOLVERS_H_
#define FIND_ZTRESOLVERS_H_

#include <prtypes.h>

#include "find/ZTFindExport.h"

class ZTCursor;
class ZTIField;
class ZTIRecord;
class ZTIRecordSet;

// Whether records holds count > 0 consecutive record numbers, ascending.
ZTFIND_API bool ztIsRun(const PRUint32* records, PRUint32 count);

// A new cursor of the field's values for records[first] .. records[first + count - 1] of the
// record set, or for records first .. first + count - 1 when records is null. Values of 2^31
// or more are refused with 1. Consecutive record numbers are read with the record set's own
// ExtractCursor, which therefore must not come back here with a records array of its own.
ZTFIND_API int ztExtractUNumCursor(ZTIRecordSet* recordSet, ZTIField* field,
                                   const PRUint32* records, PRUint32 first, PRUint32 count,
                                   int* piStop, ZTCursor** ppOut);

// For each element r of cursor, in order, the value of field in record r; sorted ascending
// unless bKeepOrder is set. Duplicates stay.
ZTFIND_API int ztResolveRSUNum(ZTCursor* cursor, ZTIRecordSet* recordSet, ZTIField* field,
                               int bKeepOrder, int* piStop, ZTCursor** ppOut);

// The cursor of targetField's values (a field of the linked record set) over the records that
// record's link field holds, in their order: read from the linked record set's range when the
// record tells it (ZTIRecord::GetLinkFieldRange), else from a record set of the link.
ZTFIND_API int ztLinkedValues(ZTIRecord* record, ZTIField* linkField, ZTIField* targetField,
                              ZTCursor** ppOut);

// The union of the target field's values over the records that each element's link field
// points to.
ZTFIND_API int ztResolveRSLink(ZTCursor* cursor, ZTIRecordSet* recordSet, ZTIField* linkField,
                               ZTIField* targetField, int bKeepOrder, int* piStop,
                               ZTCursor** ppOut);

#endif  // FIND_ZTRESOLVERS_H_
