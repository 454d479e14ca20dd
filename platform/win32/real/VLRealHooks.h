// Hooks over SetWindowsHookExA, CallNextHookEx and UnhookWindowsHookEx.
#ifndef PLATFORM_WIN32_REAL_VLREALHOOKS_H_
#define PLATFORM_WIN32_REAL_VLREALHOOKS_H_

#include <windows.h>

#include "platform/win32/api/VLHooks.h"

class VLRealHooks : public VLHooks {
 public:
  // module holds the hook procedures.
  explicit VLRealHooks(HINSTANCE module) : m_hModule(module) {}

  VLHook Install(VLHookKind kind, VLHookProc proc) override;
  intptr_t CallNext(VLHook hook, int code, uintptr_t wParam, intptr_t lParam) override;
  bool Remove(VLHook hook) override;

 private:
  HINSTANCE m_hModule;
};

#endif  // PLATFORM_WIN32_REAL_VLREALHOOKS_H_
