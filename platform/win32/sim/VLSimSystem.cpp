#include "platform/win32/sim/VLSimSystem.h"

#include <mutex>

#include "platform/win32/api/VLText.h"

namespace {

class SimLock : public VLLock {
 public:
  void Enter() override { m_mutex.lock(); }
  void Leave() override { m_mutex.unlock(); }

 private:
  std::recursive_mutex m_mutex;
};

}  // namespace

std::unique_ptr<VLLock> VLSimSystem::CreateLock() {
  return std::make_unique<SimLock>();
}

std::string VLSimSystem::Narrow(const std::u16string& text) {
  return vlUtf8(text);
}

void VLSimSystem::SetKeyDown(int virtualKey, bool down) {
  if (down) {
    m_keysDown.insert(virtualKey);
  } else {
    m_keysDown.erase(virtualKey);
  }
}

void VLSimSystem::SetMemory(uint64_t allocated, uint64_t available) {
  m_iAllocated = allocated;
  m_iAvailable = available;
}
