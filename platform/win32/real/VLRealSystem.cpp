#include "platform/win32/real/VLRealSystem.h"

#include <windows.h>

#include <vector>

namespace {

class CriticalSection : public VLLock {
 public:
  CriticalSection() { InitializeCriticalSection(&m_section); }
  ~CriticalSection() override { DeleteCriticalSection(&m_section); }
  void Enter() override { EnterCriticalSection(&m_section); }
  void Leave() override { LeaveCriticalSection(&m_section); }

 private:
  CRITICAL_SECTION m_section;
};

uint64_t BusyBytes(HANDLE heap) {
  uint64_t bytes = 0;
  if (!HeapLock(heap)) return 0;
  PROCESS_HEAP_ENTRY entry = {};
  while (HeapWalk(heap, &entry)) {
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
  }
  HeapUnlock(heap);
  return bytes;
}

}  // namespace

uint32_t VLRealSystem::CurrentThread() {
  return GetCurrentThreadId();
}

void VLRealSystem::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

bool VLRealSystem::IsKeyDown(int virtualKey) {
  return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

std::unique_ptr<VLLock> VLRealSystem::CreateLock() {
  return std::make_unique<CriticalSection>();
}

std::string VLRealSystem::Narrow(const std::u16string& text) {
  if (text.empty()) return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string narrow(bytes > 0 ? bytes : 0, '\0');
  if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, wide, size, &narrow[0], bytes, nullptr, nullptr);
  return narrow;
}

uint64_t VLRealSystem::AllocatedBytes() {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr));
  const DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
  if (count < heaps.size()) heaps.resize(count);
  uint64_t bytes = 0;
  for (HANDLE heap : heaps) bytes += BusyBytes(heap);
  return bytes;
}

uint64_t VLRealSystem::AvailableVirtualBytes() {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  return GlobalMemoryStatusEx(&status) ? status.ullAvailVirtual : 0;
}
