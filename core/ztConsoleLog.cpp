#include "core/ztConsoleLog.h"

#include <prenv.h>
#include <prio.h>
#include <prprf.h>
#include <plstr.h>

#include <cstring>

#include "core/ZTErrors.h"

char* ztConsoleLog::m_pcLog = nullptr;
PRLock* ztConsoleLog::m_pLock = nullptr;

PRLock* ztConsoleLog::Init() {
  if (!m_pLock) m_pLock = PR_NewLock();
  return m_pLock;
}

namespace {

void WriteAll(PRFileDesc* fd, const char* text) {
  PRInt32 length = static_cast<PRInt32>(std::strlen(text));
  while (length > 0) {
    PRInt32 written = PR_Write(fd, text, length);
    if (written <= 0) return;
    text += written;
    length -= written;
  }
}

void AppendToLogFile(const char* line) {
  const char* path = PR_GetEnv("ZT_LOG_FILE");
  if (!path || !*path) return;
  PRFileDesc* fd = PR_Open(path, PR_WRONLY | PR_CREATE_FILE | PR_APPEND, 0644);
  if (!fd) return;
  WriteAll(fd, line);
  PR_Close(fd);
}

}  // namespace

void ztConsoleLog::vLog(const char* format, va_list args) {
  char* message = PR_vsmprintf(format, args);
  char* line = message ? PR_smprintf("%s\n", message) : nullptr;
  if (message) PR_smprintf_free(message);
  if (!line) return;
  WriteAll(PR_GetSpecialFD(PR_StandardError), line);
  if (m_pLock) {
    PR_Lock(m_pLock);
    char* grown = PR_sprintf_append(m_pcLog, "%s", line);
    if (grown) m_pcLog = grown;
    AppendToLogFile(line);
    PR_Unlock(m_pLock);
  }
  PR_smprintf_free(line);
}

void ztConsoleLog::Log(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vLog(format, args);
  va_end(args);
}

void ztConsoleLog::DebugLog(const char* format, ...) {
  char* debugFormat = PR_smprintf("[ztdebug] %s", format);
  if (!debugFormat) return;
  va_list args;
  va_start(args, format);
  vLog(debugFormat, args);
  va_end(args);
  PR_smprintf_free(debugFormat);
}

void ztConsoleLog::GetLog(char** ppcLog) {
  if (!ppcLog) return;
  *ppcLog = nullptr;
  if (!m_pLock) return;
  PR_Lock(m_pLock);
  if (m_pcLog) *ppcLog = PL_strdup(m_pcLog);
  PR_Unlock(m_pLock);
}

void ztConsoleLog::ClearLog() {
  if (!m_pLock) return;
  PR_Lock(m_pLock);
  if (m_pcLog) PR_smprintf_free(m_pcLog);
  m_pcLog = nullptr;
  PR_Unlock(m_pLock);
}

int ZTvError(int code, const char* format, va_list args) {
  ztConsoleLog::vLog(format, args);
  return code;
}

int ZTError(int code, const char* format, ...) {
  va_list args;
  va_start(args, format);
  ZTvError(code, format, args);
  va_end(args);
  return code;
}
