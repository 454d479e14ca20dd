// The platform of a library running on Windows.
#ifndef PLATFORM_WIN32_REAL_VLREALPLATFORM_H_
#define PLATFORM_WIN32_REAL_VLREALPLATFORM_H_

#include <windows.h>

#include "platform/win32/api/VLPlatform.h"
#include "platform/win32/real/VLRealAutomation.h"
#include "platform/win32/real/VLRealClipboard.h"
#include "platform/win32/real/VLRealHooks.h"
#include "platform/win32/real/VLRealRegistry.h"
#include "platform/win32/real/VLRealSystem.h"
#include "platform/win32/real/VLRealWindows.h"

class VLRealPlatform {
 public:
  // module is the library that uses the platform.
  explicit VLRealPlatform(HINSTANCE module);
  VLRealPlatform(const VLRealPlatform&) = delete;
  VLRealPlatform& operator=(const VLRealPlatform&) = delete;

  VLPlatform& Platform() { return m_platform; }

 private:
  VLRealHooks m_hooks;
  VLRealWindows m_windows;
  VLRealClipboard m_clipboard;
  VLRealRegistry m_registry;
  VLRealAutomation m_automation;
  VLRealSystem m_system;
  VLPlatform m_platform;
};

#endif  // PLATFORM_WIN32_REAL_VLREALPLATFORM_H_
