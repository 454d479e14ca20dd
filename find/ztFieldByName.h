// Resolving a field of a record set by its name.
#ifndef FIND_ZTFIELDBYNAME_H_
#define FIND_ZTFIELDBYNAME_H_

#include "find/ZTFindExport.h"

class ZTIField;
class ZTIRecordSet;

// The field named name in recordSet's field collection, with one reference; 1 for a null
// record set, otherwise the collection's codes.
ZTFIND_API int ztFieldByName(ZTIRecordSet* recordSet, const char* name, ZTIField** ppField);

#endif  // FIND_ZTFIELDBYNAME_H_
