// Threads, time, the keyboard state, locks, text conversion and memory figures.
#ifndef PLATFORM_WIN32_API_VLSYSTEM_H_
#define PLATFORM_WIN32_API_VLSYSTEM_H_

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32/api/VLLock.h"

constexpr int VL_VK_SHIFT = 16;
constexpr int VL_VK_CONTROL = 17;

class VLSystem {
 public:
  virtual ~VLSystem() = default;
  virtual uint32_t CurrentThread() = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
  // Whether the key is down at this moment (GetAsyncKeyState).
  virtual bool IsKeyDown(int virtualKey) = 0;
  virtual std::unique_ptr<VLLock> CreateLock() = 0;
  // The text in the narrow encoding of the window and message functions.
  virtual std::string Narrow(const std::u16string& text) = 0;
  // Bytes the library's memory manager holds allocated.
  virtual uint64_t AllocatedBytes() = 0;
  // Bytes of virtual memory still available to the process.
  virtual uint64_t AvailableVirtualBytes() = 0;
};

#endif  // PLATFORM_WIN32_API_VLSYSTEM_H_
