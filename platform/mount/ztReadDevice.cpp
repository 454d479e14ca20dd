#include "platform/mount/ztReadDevice.h"

#include <prio.h>

bool ztReadDevice(const char* pcszPath, PRInt64 offset, void* pBuffer, PRInt32 length) {
  PRFileDesc* fd = PR_Open(pcszPath, PR_RDONLY, 0);
  if (!fd) return false;
  char* buffer = static_cast<char*>(pBuffer);
  bool ok = PR_Seek64(fd, offset, PR_SEEK_SET) == offset;
  for (PRInt32 done = 0; ok && done < length;) {
    PRInt32 got = PR_Read(fd, buffer + done, length - done);
    ok = got > 0;
    done += ok ? got : 0;
  }
  PR_Close(fd);
  return ok;
}
