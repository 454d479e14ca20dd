// Engine result codes and the error reporting helpers. Every engine operation returns an int:
// 0 for success, otherwise one of the codes below (or a code of the library that detected it).
#ifndef CORE_ZTERRORS_H_
#define CORE_ZTERRORS_H_

#include <prtypes.h>

#include <cstdarg>

#include "core/ZTCoreExport.h"

enum : int {
  ZT_OK = 0,
  ZT_E_INVALID = 1,       // invalid argument, malformed input, or a plain no
  ZT_E_STATE = 2,         // the object was never set up for the operation
  ZT_E_FAILED = 10,       // input/output error or other failure
  ZT_E_NOTFOUND = 11,     // not found
  ZT_E_NOMEM = 12,        // out of memory, or an output area too small for one step
  ZT_E_UNHANDLED = 14,    // a configuration delegate does not handle the key
  ZT_E_UNSUPPORTED = 15,  // not supported by this object
  ZT_E_STOPPED = 19,      // stopped through the caller's stop flag
  ZT_E_BADOPTION = 100,   // invalid configuration option
  ZT_E_NULLOUT = 101,     // a required out-pointer is null
  ZT_E_TERMINATED = 710,  // the factory has been terminated
  ZT_E_NOTINIT = 711,     // the factory has not been initialised
};

// Formats the message with NSPR's printf rules, logs it (standard error, accumulated log,
// ZT_LOG_FILE) and returns code unchanged. NSPR reads "%ld" as 32 bits: pass 64-bit values
// as long long with "%lld" / "%llu".
ZTCORE_API int ZTError(int code, const char* format, ...) __attribute__((format(printf, 2, 3)));
ZTCORE_API int ZTvError(int code, const char* format, va_list args);

// Returns a when it is non-zero, else b: keeps the first of two error codes.
inline int ZTFirstError(int a, int b) {
  return a != 0 ? a : b;
}

#endif  // CORE_ZTERRORS_H_
