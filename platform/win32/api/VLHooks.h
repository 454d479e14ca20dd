// System-wide hooks on the mouse and the keyboard.
#ifndef PLATFORM_WIN32_API_VLHOOKS_H_
#define PLATFORM_WIN32_API_VLHOOKS_H_

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VL_WINAPI __stdcall
#else
#define VL_WINAPI
#endif

// A hook procedure: hook code, message data (wParam), event data (lParam) -> answer.
using VLHookProc = intptr_t(VL_WINAPI*)(int code, uintptr_t wParam, intptr_t lParam);

// An installed hook; 0 is none.
using VLHook = uintptr_t;

enum class VLHookKind { kKeyboard = 2, kMouse = 7 };

class VLHooks {
 public:
  virtual ~VLHooks() = default;
  // Installs proc for every thread of the desktop; 0 when that fails.
  virtual VLHook Install(VLHookKind kind, VLHookProc proc) = 0;
  // Passes the event on to the next hook and answers what it answers.
  virtual intptr_t CallNext(VLHook hook, int code, uintptr_t wParam, intptr_t lParam) = 0;
  virtual bool Remove(VLHook hook) = 0;
};

#endif  // PLATFORM_WIN32_API_VLHOOKS_H_
