// The simulated platform that the tests of the Windows lookup libraries run on.
#ifndef PLATFORM_WIN32_SIM_VLSIMPLATFORM_H_
#define PLATFORM_WIN32_SIM_VLSIMPLATFORM_H_

#include "platform/win32/api/VLPlatform.h"
#include "platform/win32/sim/VLSimAutomation.h"
#include "platform/win32/sim/VLSimClipboard.h"
#include "platform/win32/sim/VLSimHooks.h"
#include "platform/win32/sim/VLSimRegistry.h"
#include "platform/win32/sim/VLSimSystem.h"
#include "platform/win32/sim/VLSimWindows.h"

class VLSimPlatform {
 public:
  VLSimPlatform();
  VLSimPlatform(const VLSimPlatform&) = delete;
  VLSimPlatform& operator=(const VLSimPlatform&) = delete;

  VLPlatform& Platform() { return m_platform; }

  VLSimHooks m_hooks;
  VLSimClipboard m_clipboard;
  VLSimWindows m_windows;
  VLSimRegistry m_registry;
  VLSimAutomation m_automation;
  VLSimSystem m_system;

 private:
  VLPlatform m_platform;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMPLATFORM_H_
