// Simulated threads, time, keyboard state, locks and memory figures.
#ifndef PLATFORM_WIN32_SIM_VLSIMSYSTEM_H_
#define PLATFORM_WIN32_SIM_VLSIMSYSTEM_H_

#include <set>

#include "platform/win32/api/VLSystem.h"

class VLSimSystem : public VLSystem {
 public:
  uint32_t CurrentThread() override { return m_iThread; }
  void Sleep(uint32_t milliseconds) override { m_iSleptMs += milliseconds; }
  bool IsKeyDown(int virtualKey) override { return m_keysDown.count(virtualKey) == 1; }
  std::unique_ptr<VLLock> CreateLock() override;
  // UTF-8.
  std::string Narrow(const std::u16string& text) override;
  uint64_t AllocatedBytes() override { return m_iAllocated; }
  uint64_t AvailableVirtualBytes() override { return m_iAvailable; }

  void SetThread(uint32_t thread) { m_iThread = thread; }
  void SetKeyDown(int virtualKey, bool down);
  uint32_t SleptMs() const { return m_iSleptMs; }
  void SetMemory(uint64_t allocated, uint64_t available);

 private:
  uint32_t m_iThread = 7;
  uint32_t m_iSleptMs = 0;
  std::set<int> m_keysDown;
  uint64_t m_iAllocated = 0;
  uint64_t m_iAvailable = 0;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMSYSTEM_H_
