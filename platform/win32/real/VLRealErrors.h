// Failures of system calls as statuses with the system's message.
#ifndef PLATFORM_WIN32_REAL_VLREALERRORS_H_
#define PLATFORM_WIN32_REAL_VLREALERRORS_H_

#include <windows.h>

#include <string>

#include "platform/win32/api/VLStatus.h"

// The status of the HRESULT, with the system's text for it (or what when it has none).
VLStatus vlHResult(HRESULT code, const std::string& what);

// The status of GetLastError.
VLStatus vlLastError(const std::string& what);

#endif  // PLATFORM_WIN32_REAL_VLREALERRORS_H_
