#include "testing/ztCapturedLog.h"

#include <plstr.h>

#include "core/ztConsoleLog.h"

std::string ztTakeLog() {
  ztConsoleLog::Init();
  char* log = nullptr;
  ztConsoleLog::GetLog(&log);
  std::string text = log ? log : "";
  PL_strfree(log);
  ztConsoleLog::ClearLog();
  return text;
}
