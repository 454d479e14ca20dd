// The process-wide console log through which every engine message passes.
#ifndef CORE_ZTCONSOLELOG_H_
#define CORE_ZTCONSOLELOG_H_

#include <prlock.h>

#include <cstdarg>

#include "core/ZTCoreExport.h"

class ZTCORE_API ztConsoleLog {
 public:
  // Creates the log's lock once per process and returns it. Until then messages only reach
  // standard error.
  static PRLock* Init();

  // Prints the message and a line feed on standard error; once Init was called, also appends
  // them to the accumulated text and to the file named by ZT_LOG_FILE (process environment).
  static void vLog(const char* format, va_list args);
  static void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
  // Like Log with "[ztdebug] " in front of the message.
  static void DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

  // Stores a new copy of the accumulated text (free with PL_strfree), or null when nothing
  // was accumulated or Init was never called.
  static void GetLog(char** ppcLog);
  static void ClearLog();

 private:
  static char* m_pcLog;
  static PRLock* m_pLock;
};

#endif  // CORE_ZTCONSOLELOG_H_
