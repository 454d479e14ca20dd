// Every platform service the Windows lookup libraries use, in one place. The simulated
// implementation serves the tests; the real one runs on Windows.
#ifndef PLATFORM_WIN32_API_VLPLATFORM_H_
#define PLATFORM_WIN32_API_VLPLATFORM_H_

#include "platform/win32/api/VLAutomation.h"
#include "platform/win32/api/VLClipboard.h"
#include "platform/win32/api/VLHooks.h"
#include "platform/win32/api/VLRegistry.h"
#include "platform/win32/api/VLSystem.h"
#include "platform/win32/api/VLWindows.h"

struct VLPlatform {
  VLHooks& m_rHooks;
  VLWindows& m_rWindows;
  VLClipboard& m_rClipboard;
  VLRegistry& m_rRegistry;
  VLAutomation& m_rAutomation;
  VLSystem& m_rSystem;
};

#endif  // PLATFORM_WIN32_API_VLPLATFORM_H_
