// The standard registration of an in-process server, as DllRegisterServer and
// DllUnregisterServer answer it.
#ifndef WINDOWS_VLCOMMON_VLREGISTRATION_H_
#define WINDOWS_VLCOMMON_VLREGISTRATION_H_

#include <cstdint>

#include "platform/win32/api/VLPlatform.h"

// S_OK, or E_FAIL when the registration fails.
int32_t vlRegisterServer(VLPlatform& platform, const VLServerInfo& server);
// S_OK, or E_FAIL when the removal fails.
int32_t vlUnregisterServer(VLPlatform& platform, const VLServerInfo& server);

#endif  // WINDOWS_VLCOMMON_VLREGISTRATION_H_
