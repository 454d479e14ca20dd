#include "core/ZTBinary.h"

#include <plstr.h>
#include <prio.h>
#include <prmem.h>
#include <prprf.h>

#include <cstdio>
#include <unistd.h>

#include <cstring>

#include "core/ZTErrors.h"

ZT_DEFINE_ZTIID(ZTBinary, ZTRefCount,
                {0x140d4618, 0xa539, 0x4241, {0x93, 0xec, 0x5a, 0x9c, 0xc1, 0x35, 0x74, 0xe3}})

ZTBinary::ZTBinary() : m_pData(nullptr), m_uLength(0) {}

ZTBinary::ZTBinary(const void* data, PRUint32 length) : m_pData(nullptr), m_uLength(0) {
  if (data && length) SetData(data, length);
}

ZTBinary::ZTBinary(const ZTBinary& other) : ZTRefCount(), m_pData(nullptr), m_uLength(0) {
  if (other.m_pData && other.m_uLength) SetData(other.m_pData, other.m_uLength);
}

ZTBinary::~ZTBinary() { Empty(); }

ZTBinary* ZTBinary::_CreateInstance(const void* data, PRUint32 length) {
  return new ZTBinary(data, length);
}

ZTBinary* ZTBinary::_CreateInstance(const ZTBinary& other) { return new ZTBinary(other); }

void ZTBinary::Empty() {
  if (m_pData) PR_Free(m_pData);
  m_pData = nullptr;
  m_uLength = 0;
}

int ZTBinary::Realloc(PRUint32 length) {
  if (length == 0) {
    Empty();
    return ZT_OK;
  }
  void* grown = PR_Realloc(m_pData, length);
  if (!grown) return ZT_E_INVALID;
  m_pData = static_cast<PRUint8*>(grown);
  m_uLength = length;
  return ZT_OK;
}

int ZTBinary::GetStringData(char** ppcOut) const {
  if (!ppcOut) return ZT_E_INVALID;
  if (!m_pData) {
    *ppcOut = PL_strdup("");
  } else {
    PRUint32 n = 0;
    while (n < m_uLength && m_pData[n]) ++n;
    *ppcOut = PL_strndup(reinterpret_cast<const char*>(m_pData), n);
  }
  return *ppcOut ? ZT_OK : ZT_E_NOMEM;
}

int ZTBinary::SetData(const void* data, PRUint32 length) {
  Empty();
  if (length == 0) return ZT_OK;
  if (!data) return ZT_E_INVALID;
  m_pData = static_cast<PRUint8*>(PR_Malloc(length));
  if (!m_pData) return ZT_E_NOMEM;
  std::memcpy(m_pData, data, length);
  m_uLength = length;
  return ZT_OK;
}

int ZTBinary::SetStringData(const char* text) {
  if (!text) return ZT_E_INVALID;
  size_t length = std::strlen(text) + 1;
  if (length > PR_UINT32_MAX) return ZT_E_INVALID;
  return SetData(text, static_cast<PRUint32>(length));
}

ZTBinary* ZTBinary::SetSharedData(void* data, PRUint32 length) {
  Empty();
  m_pData = static_cast<PRUint8*>(data);
  m_uLength = data ? length : 0;
  return this;
}

namespace {

// Index of the last '/' or '\\' of path, or -1.
PRInt32 LastSeparator(const char* path) {
  const char* slash = std::strrchr(path, '/');
  const char* backslash = std::strrchr(path, '\\');
  const char* last = slash > backslash ? slash : backslash;
  return last ? static_cast<PRInt32>(last - path) : -1;
}

// Creates the parent directory of path, if path names one.
int MakeParentDir(const char* path) {
  PRInt32 cut = LastSeparator(path);
  if (cut <= 0) return ZT_OK;  // no parent, or the root
  char* parent = PL_strndup(path, cut);
  if (!parent) return ZT_E_NOMEM;
  int rc = MakeDir(parent);
  PL_strfree(parent);
  return rc;
}

bool WriteWhole(PRFileDesc* fd, const PRUint8* data, PRUint32 length) {
  if (length == 0) return true;
  return PR_Write(fd, data, static_cast<PRInt32>(length)) == static_cast<PRInt32>(length);
}

}  // namespace

int MakeDir(const char* path) {
  if (!path || !*path) return ZT_E_INVALID;
  PRDir* dir = PR_OpenDir(path);
  if (dir) {
    PR_CloseDir(dir);
    return ZT_OK;
  }
  int rc = MakeParentDir(path);
  if (rc) return rc;
  if (PR_MkDir(path, 0755) != PR_SUCCESS) {
    // Another process may have made it in the meantime.
    dir = PR_OpenDir(path);
    if (!dir) return ZT_E_FAILED;
    PR_CloseDir(dir);
  }
  return ZT_OK;
}

int ZTBinary::WriteToFile(const char* path) const {
  if (!path || !*path) return ZT_E_INVALID;
  int rc = MakeParentDir(path);
  if (rc) return rc;
  if (m_uLength > static_cast<PRUint32>(PR_INT32_MAX)) return ZT_E_FAILED;
  static PRInt32 s_iSerial = 0;
  char* temp = PR_smprintf("%s.%d.%d.tmp", path, static_cast<int>(getpid()), ++s_iSerial);
  if (!temp) return ZT_E_NOMEM;
  PRFileDesc* fd = PR_Open(temp, PR_WRONLY | PR_CREATE_FILE | PR_TRUNCATE, 0644);
  if (!fd) {
    PR_smprintf_free(temp);
    return ZT_E_FAILED;
  }
  bool ok = WriteWhole(fd, m_pData, m_uLength) && PR_Sync(fd) == PR_SUCCESS;
  ok = (PR_Close(fd) == PR_SUCCESS) && ok;
  // NSPR's rename refuses an existing target; the C library's replaces it atomically.
  ok = ok && std::rename(temp, path) == 0;
  if (!ok) PR_Delete(temp);
  PR_smprintf_free(temp);
  return ok ? ZT_OK : ZT_E_FAILED;
}
