#include "tools/zt/cli/ztWorkArguments.h"

#include <cstdlib>
#include <utility>

#include "tools/zt/work/ZTWork.h"

int ztOpenWork(const std::string& directory, bool json, ZTWork* pWork) {
  const int rc = pWork->Open(directory);
  return rc ? ztTool::Fail("could not open the work " + directory, rc, json) : kZtExitOk;
}

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

std::string ztMarked(std::string text) {
  const std::pair<std::string, std::string> kMarks[] = {{"<mark>", ztMarkOpen()},
                                                        {"</mark>", ztMarkClose()}};
  for (const auto& mark : kMarks) {
    for (size_t at = text.find(mark.first); at != std::string::npos;
         at = text.find(mark.first, at + mark.second.size())) {
      text.replace(at, mark.first.size(), mark.second);
    }
  }
  return text;
}
