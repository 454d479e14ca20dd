#include "platform/win32/real/VLRealWindows.h"

#include <windows.h>

#include <vector>

namespace {

HWND Hwnd(VLWindow window) {
  return reinterpret_cast<HWND>(window);
}

// Waits at most this long for a window of another thread to answer a text request.
constexpr UINT kTextTimeoutMs = 1000;

}  // namespace

VLWindow VLRealWindows::Find(const std::string& windowClass, const std::string& title) {
  return reinterpret_cast<VLWindow>(FindWindowA(windowClass.c_str(), title.c_str()));
}

intptr_t VLRealWindows::SendCopyData(VLWindow window, uintptr_t wParam, uintptr_t dwData,
                                     const void* data, uint32_t size) {
  COPYDATASTRUCT copy;
  copy.dwData = dwData;
  copy.cbData = size;
  copy.lpData = const_cast<void*>(data);
  return SendMessageA(Hwnd(window), WM_COPYDATA, wParam, reinterpret_cast<LPARAM>(&copy));
}

bool VLRealWindows::Post(VLWindow window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return PostMessageA(Hwnd(window), message, wParam, lParam) != 0;
}

VLWindow VLRealWindows::Parent(VLWindow window) {
  return reinterpret_cast<VLWindow>(GetParent(Hwnd(window)));
}

bool VLRealWindows::ClassName(VLWindow window, std::string* name) {
  char buffer[129];
  const int length = GetClassNameA(Hwnd(window), buffer, sizeof buffer);
  if (length <= 0) return false;
  name->assign(buffer, length);
  return true;
}

uint32_t VLRealWindows::Thread(VLWindow window) {
  return GetWindowThreadProcessId(Hwnd(window), nullptr);
}

bool VLRealWindows::AttachInput(uint32_t thread, uint32_t toThread, bool attach) {
  return AttachThreadInput(thread, toThread, attach ? TRUE : FALSE) != 0;
}

bool VLRealWindows::Text(VLWindow window, std::u16string* text) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(Hwnd(window), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs,
                           &length)) {
    return false;
  }
  std::vector<wchar_t> buffer(length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(Hwnd(window), WM_GETTEXT, buffer.size(),
                           reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                           kTextTimeoutMs, &copied)) {
    return false;
  }
  text->assign(reinterpret_cast<const char16_t*>(buffer.data()),
               copied < buffer.size() ? copied : buffer.size() - 1);
  return true;
}

bool VLRealWindows::CharFromPoint(VLWindow window, int32_t x, int32_t y, uint32_t* index) {
  POINT point = {x, y};
  if (!ScreenToClient(Hwnd(window), &point)) return false;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(Hwnd(window), EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y),
                           SMTO_ABORTIFHUNG, kTextTimeoutMs, &answer) ||
      static_cast<LRESULT>(answer) == -1) {
    return false;
  }
  *index = LOWORD(answer);
  return true;
}
