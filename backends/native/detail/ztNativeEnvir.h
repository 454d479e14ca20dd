// The engine variables the native back-end reads.
#ifndef BACKENDS_NATIVE_DETAIL_ZTNATIVEENVIR_H_
#define BACKENDS_NATIVE_DETAIL_ZTNATIVEENVIR_H_

#include <prtypes.h>

// Stores a new copy (PL_strfree) of the engine variable's value, "" when unset.
int ztNativeEnvirValue(const char* name, char** ppcValue);
// The engine variable read as a decimal number, 0 when unset, empty or unreadable.
PRUint32 ztNativeEnvirNumber(const char* name);

#endif  // BACKENDS_NATIVE_DETAIL_ZTNATIVEENVIR_H_
