// What every client list of the process shares: the lock and the source of client handles.
#ifndef WINDOWS_VLSUP_VLCOMMLIBRARY_H_
#define WINDOWS_VLSUP_VLCOMMLIBRARY_H_

#include <cstdint>
#include <memory>

#include "platform/win32/api/VLPlatform.h"

class VLCommLibrary {
 public:
  explicit VLCommLibrary(VLPlatform& platform)
      : m_rPlatform(platform), m_pLock(platform.m_rSystem.CreateLock()) {}

  VLPlatform& Platform() { return m_rPlatform; }
  VLLock& Lock() { return *m_pLock; }
  // A client handle not given out before in this process; call with the lock held.
  int32_t NextHandle() { return ++m_iLastHandle; }

 private:
  VLPlatform& m_rPlatform;
  std::unique_ptr<VLLock> m_pLock;
  int32_t m_iLastHandle = 0;
};

#endif  // WINDOWS_VLSUP_VLCOMMLIBRARY_H_
