// Threads, time, keys, critical sections, the ANSI code page and memory figures.
#ifndef PLATFORM_WIN32_REAL_VLREALSYSTEM_H_
#define PLATFORM_WIN32_REAL_VLREALSYSTEM_H_

#include "platform/win32/api/VLSystem.h"

class VLRealSystem : public VLSystem {
 public:
  uint32_t CurrentThread() override;
  void Sleep(uint32_t milliseconds) override;
  bool IsKeyDown(int virtualKey) override;
  std::unique_ptr<VLLock> CreateLock() override;
  // The ANSI code page.
  std::string Narrow(const std::u16string& text) override;
  // Bytes in use on the heaps of the process.
  uint64_t AllocatedBytes() override;
  uint64_t AvailableVirtualBytes() override;
};

#endif  // PLATFORM_WIN32_REAL_VLREALSYSTEM_H_
