// Windows, their classes and threads, and the messages the lookup libraries exchange.
#ifndef PLATFORM_WIN32_API_VLWINDOWS_H_
#define PLATFORM_WIN32_API_VLWINDOWS_H_

#include <cstdint>
#include <string>

// A window handle; 0 is none. Handles fit in 32 bits so that they travel as automation longs.
using VLWindow = uintptr_t;

// Window handles as automation longs and back (sign-extended, as the system does).
inline int32_t vlWindowToLong(VLWindow window) {
  return static_cast<int32_t>(window);
}
inline VLWindow vlWindowFromLong(int32_t handle) {
  return static_cast<VLWindow>(static_cast<intptr_t>(handle));
}

constexpr uint32_t VL_WM_KEYDOWN = 0x0100;
constexpr uint32_t VL_WM_KEYUP = 0x0101;
constexpr uint32_t VL_WM_LBUTTONDOWN = 0x0201;

class VLWindows {
 public:
  virtual ~VLWindows() = default;
  // The top-level window with this class and title; 0 when there is none.
  virtual VLWindow Find(const std::string& windowClass, const std::string& title) = 0;
  // Sends WM_COPYDATA {dwData, size, data} and waits for the answer.
  virtual intptr_t SendCopyData(VLWindow window, uintptr_t wParam, uintptr_t dwData,
                                const void* data, uint32_t size) = 0;
  // Puts a message in the queue of the window's thread.
  virtual bool Post(VLWindow window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
  // The parent (or owner) window; 0 for a top-level window or an invalid handle.
  virtual VLWindow Parent(VLWindow window) = 0;
  // The window's class name, at most 128 characters; false for an invalid handle.
  virtual bool ClassName(VLWindow window, std::string* name) = 0;
  // The identifier of the thread that created the window; 0 for an invalid handle.
  virtual uint32_t Thread(VLWindow window) = 0;
  // Shares (attach) or separates the input state of two threads.
  virtual bool AttachInput(uint32_t thread, uint32_t toThread, bool attach) = 0;
  // The whole text of a window (WM_GETTEXT).
  virtual bool Text(VLWindow window, std::u16string* text) = 0;
  // The index in the text of an edit control of the character nearest to a screen point.
  virtual bool CharFromPoint(VLWindow window, int32_t x, int32_t y, uint32_t* index) = 0;
};

#endif  // PLATFORM_WIN32_API_VLWINDOWS_H_
