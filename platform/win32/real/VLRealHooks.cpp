#include "platform/win32/real/VLRealHooks.h"

VLHook VLRealHooks::Install(VLHookKind kind, VLHookProc proc) {
  // The procedure has the hook signature: int, WPARAM, LPARAM -> LRESULT, WINAPI.
  const HOOKPROC hookProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(proc));
  return reinterpret_cast<VLHook>(
      SetWindowsHookExA(static_cast<int>(kind), hookProc, m_hModule, 0));
}

intptr_t VLRealHooks::CallNext(VLHook hook, int code, uintptr_t wParam, intptr_t lParam) {
  return CallNextHookEx(reinterpret_cast<HHOOK>(hook), code, wParam, lParam);
}

bool VLRealHooks::Remove(VLHook hook) {
  return UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hook)) != 0;
}
