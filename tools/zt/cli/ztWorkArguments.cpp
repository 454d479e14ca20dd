#include "tools/zt/cli/ztWorkArguments.h"

#include <cstdlib>

bool ztParseNumber(const std::string& text, PRUint32* puValue) {
  if (text.empty() || text.size() > 10 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
  if (value > 0xFFFFFFFFull) return false;
  *puValue = static_cast<PRUint32>(value);
  return true;
}

bool ztParseLimit(const ztCommandLine& line, PRUint32* puLimit) {
  return ztParseNumber(line.Get("--limit", "20"), puLimit) && *puLimit > 0;
}

const char* ztMarkOpen() {
  return ztTool::IsTerminal() ? "\x1b[1;7m" : "[";
}

const char* ztMarkClose() {
  return ztTool::IsTerminal() ? "\x1b[0m" : "]";
}
