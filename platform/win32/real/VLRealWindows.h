// Windows and messages over the user32 functions.
#ifndef PLATFORM_WIN32_REAL_VLREALWINDOWS_H_
#define PLATFORM_WIN32_REAL_VLREALWINDOWS_H_

#include "platform/win32/api/VLWindows.h"

class VLRealWindows : public VLWindows {
 public:
  VLWindow Find(const std::string& windowClass, const std::string& title) override;
  intptr_t SendCopyData(VLWindow window, uintptr_t wParam, uintptr_t dwData, const void* data,
                        uint32_t size) override;
  bool Post(VLWindow window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  VLWindow Parent(VLWindow window) override;
  bool ClassName(VLWindow window, std::string* name) override;
  uint32_t Thread(VLWindow window) override;
  bool AttachInput(uint32_t thread, uint32_t toThread, bool attach) override;
  bool Text(VLWindow window, std::u16string* text) override;
  bool CharFromPoint(VLWindow window, int32_t x, int32_t y, uint32_t* index) override;
};

#endif  // PLATFORM_WIN32_REAL_VLREALWINDOWS_H_
