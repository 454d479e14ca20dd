#include "windows/VLServerDLL/VLKeyGesture.h"

bool VLKeyGesture::Feed(intptr_t keyData) {
  const int64_t scan = static_cast<int64_t>(keyData & 0x00FF0000);
  const bool released = (keyData & 0x80000000u) != 0;
  if (!released && scan != m_iLastScan) {
    if (++m_iDownCount == 1) m_iFirstScan = scan;
    m_iLastScan = scan;
    return false;
  }
  if (m_iDownCount == 2 && released && scan == m_iFirstScan) {
    Reset();
    return true;
  }
  if (released) Reset();
  return false;
}

void VLKeyGesture::Reset() {
  m_iDownCount = 0;
  m_iFirstScan = -1;
  m_iLastScan = -1;
}
