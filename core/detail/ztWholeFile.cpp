#include "core/detail/ztWholeFile.h"

#include <prio.h>
#include <prmem.h>

#include <cstring>

#include "core/ZTErrors.h"

namespace {

// Sizes beyond this cannot be read in one NSPR read with room for a terminator.
constexpr PRInt64 kLargestFile = PR_INT32_MAX - 16;

// Reads exactly size bytes; false on an error or a short read.
bool ReadExactly(PRFileDesc* fd, char* data, PRUint32 size) {
  PRUint32 done = 0;
  while (done < size) {
    PRInt32 got = PR_Read(fd, data + done, static_cast<PRInt32>(size - done));
    if (got <= 0) return false;
    done += static_cast<PRUint32>(got);
  }
  return true;
}

}  // namespace

int ztGetFileSize(const char* path, const char* caller, PRUint32* puSize) {
  PRFileInfo64 info;
  if (PR_GetFileInfo64(path, &info) != PR_SUCCESS) {
    return ZTError(ZT_E_FAILED, "[%s] Cannot read the information of %s", caller, path);
  }
  if (info.size > kLargestFile) {
    return ZTError(ZT_E_NOMEM, "[%s] %s is too large (%lld bytes)", caller, path,
                   static_cast<long long>(info.size));
  }
  *puSize = static_cast<PRUint32>(info.size);
  return ZT_OK;
}

int ztReadFileBytes(const char* path, const char* caller, PRUint32 size, PRUint32 extra,
                    char** ppData) {
  PRFileDesc* fd = PR_Open(path, PR_RDONLY, 0);
  if (!fd) return ZTError(ZT_E_NOTFOUND, "[%s] Cannot open %s", caller, path);
  char* data = static_cast<char*>(PR_Malloc(size_t{size} + extra));
  int rc = ZT_OK;
  if (!data) {
    rc = ZTError(ZT_E_NOMEM, "[%s] Cannot allocate %u bytes for %s", caller, size, path);
  } else if (!ReadExactly(fd, data, size)) {
    rc = ZTError(ZT_E_FAILED, "[%s] Cannot read the %u bytes of %s", caller, size, path);
    PR_Free(data);
    data = nullptr;
  } else if (extra) {
    std::memset(data + size, 0, extra);
  }
  PR_Close(fd);
  *ppData = data;
  return rc;
}
