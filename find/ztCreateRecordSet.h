// Record sets named in configuration files: "native:<path>", "cursor:" ...
#ifndef FIND_ZTCREATERECORDSET_H_
#define FIND_ZTCREATERECORDSET_H_

#include "find/ZTFindExport.h"

class ZTIRecordSet;

// The record set of the component "recordset:" + value (a null value counts as empty), with one
// reference: the factory's code, 12 when the URL cannot be made, or 10 when the component is
// not a record set. *ppSet is null on failure.
ZTFIND_API int ztCreateRecordSet(const char* value, ZTIRecordSet** ppSet);

#endif  // FIND_ZTCREATERECORDSET_H_
