// The configuration of wildcard and regular-expression word lists: every line of a file is
// fed to the list, which creates record sets and looks up fields as the lines say.
#include <prio.h>

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "frontends/wordlist/ZTRegExpWordList.h"
#include "frontends/wordlist/ZTWildCardWordList.h"

namespace {

// A file of the fuzzer's own, rewritten for every input.
const std::string& ConfigPath() {
  static std::string s_path;
  if (s_path.empty()) {
    char name[] = "/tmp/zt_wordlist_config_XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    s_path = name;
  }
  return s_path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  FILE* file = std::fopen(ConfigPath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  ZTWordList* list = size && (data[0] & 1) ? static_cast<ZTWordList*>(new ZTRegExpWordList())
                                           : new ZTWildCardWordList();
  list->SetFileName(ConfigPath().c_str(), nullptr);
  list->Release();
  return 0;
}
