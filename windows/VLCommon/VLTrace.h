// The trace channel: lines sent to the debugger window when one is open.
#ifndef WINDOWS_VLCOMMON_VLTRACE_H_
#define WINDOWS_VLCOMMON_VLTRACE_H_

#include <string>

#include "platform/win32/api/VLPlatform.h"

constexpr const char* VL_TRACE_CLASS = "TfrmDebug";
constexpr const char* VL_TRACE_TITLE = "Kestrel Debugger";

// Sends text as WM_COPYDATA {0, length + 1, text} to the window of class "TfrmDebug" titled
// "Kestrel Debugger"; nothing when there is none. "ALLOC" is replaced by the bytes the memory
// manager holds allocated and "TOTALAVAILVIR" by the bytes of available virtual memory.
void vlTrace(VLPlatform& platform, std::string text);

#endif  // WINDOWS_VLCOMMON_VLTRACE_H_
