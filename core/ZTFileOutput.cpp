#include "core/ZTFileOutput.h"

#include <plstr.h>
#include <prerror.h>
#include <prmem.h>
#include <prprf.h>

#include <cstring>

#include "core/ZTErrors.h"

namespace {

const PRUint32 kInitialCapacity = 8;

}  // namespace

ZTFileOutput::ZTFileOutput()
    : m_pcPath(nullptr), m_pFileDesc(nullptr), m_pcBuffer(nullptr), m_uCapacity(0), m_uWaiting(0) {}

ZTFileOutput::~ZTFileOutput() {
  Close();
}

int ZTFileOutput::Create(const char* path) {
  return Open(path, PR_WRONLY | PR_CREATE_FILE | PR_TRUNCATE);
}

int ZTFileOutput::Append(const char* path) {
  return Open(path, PR_WRONLY | PR_APPEND);
}

int ZTFileOutput::Open(const char* path, PRIntn flags) {
  Close();
  if (!path) return ZT_E_INVALID;
  m_pcPath = PL_strdup(path);
  if (!m_pcPath) return ZT_E_NOMEM;
  m_pFileDesc = PR_Open(path, flags, 0644);
  // Not logged: Append is tried on files that may not exist yet.
  if (!m_pFileDesc) return ZT_E_FAILED;
  m_pcBuffer = static_cast<char*>(PR_Malloc(kInitialCapacity));
  if (!m_pcBuffer) {
    Close();
    return ZT_E_NOMEM;
  }
  m_uCapacity = kInitialCapacity;
  return ZT_OK;
}

int ZTFileOutput::Write(const void* bytes, PRUint32 length) {
  if (!m_pFileDesc) return ZT_E_STATE;
  if (length == 0) return ZT_OK;
  if (!bytes || length > static_cast<PRUint32>(PR_INT32_MAX)) return ZT_E_INVALID;
  while (length > m_uCapacity - m_uWaiting) {
    if (m_uCapacity < length) {
      char* grown = static_cast<char*>(PR_Realloc(m_pcBuffer, length));
      if (!grown) return ZT_E_NOMEM;
      m_pcBuffer = grown;
      m_uCapacity = length;
    } else {
      int rc = Flush();
      if (rc) return rc;
    }
  }
  std::memcpy(m_pcBuffer + m_uWaiting, bytes, length);
  m_uWaiting += length;
  return ZT_OK;
}

int ZTFileOutput::Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  int rc = vPrintf(format, args);
  va_end(args);
  return rc;
}

int ZTFileOutput::vPrintf(const char* format, va_list args) {
  if (!format) return ZT_E_INVALID;
  char* text = PR_vsmprintf(format, args);
  if (!text) return ZT_E_NOMEM;
  int rc = Write(text, static_cast<PRUint32>(std::strlen(text)));
  PR_smprintf_free(text);
  return rc;
}

int ZTFileOutput::Flush() {
  if (m_uWaiting == 0) return ZT_OK;
  PRInt32 waiting = static_cast<PRInt32>(m_uWaiting);
  PRInt32 written = PR_Write(m_pFileDesc, m_pcBuffer, waiting);
  m_uWaiting = 0;
  if (written == waiting) return ZT_OK;
  return ZTError(ZT_E_FAILED, "[ZTFileOutput::Flush] Wrote %d of %d bytes to %s (error %d)",
                 written, waiting, m_pcPath, PR_GetError());
}

int ZTFileOutput::Close() {
  int rc = ZT_OK;
  if (m_pFileDesc) {
    rc = Flush();
    if (PR_Close(m_pFileDesc) != PR_SUCCESS) {
      rc = ZTFirstError(rc, ZTError(ZT_E_FAILED, "[ZTFileOutput::Close] Cannot close %s (error %d)",
                                    m_pcPath, PR_GetError()));
    }
    m_pFileDesc = nullptr;
  }
  PR_FREEIF(m_pcBuffer);
  m_uCapacity = m_uWaiting = 0;
  PL_strfree(m_pcPath);
  m_pcPath = nullptr;
  return rc;
}
