// Parses arbitrary bytes as a configuration file held in memory, and reads them again with
// PR_fgets through a buffer whose size comes from the first byte.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/ZTTextFile.h"
#include "core/ztMemoryFile.h"

namespace {

// Accepts every line, except keys beginning with '!' (rejected with a code of its own) and
// keys beginning with '?' (left to the base class, which rejects them with 100).
class FuzzConfig : public ZTTextFile {
 public:
  int ConfigureItem(const char* section, const char* key, const char* value) override {
    m_uSeen += std::strlen(section);
    if (!key) return ZTTextFile::ConfigureItem(section, key, value);
    m_uSeen += std::strlen(key) + std::strlen(value);
    if (key[0] == '!') return 42;
    if (key[0] == '?') return ZTTextFile::ConfigureItem(section, key, value);
    return 0;
  }

 private:
  size_t m_uSeen = 0;
};

void ParseAll(const uint8_t* data, size_t size) {
  FuzzConfig* config = new FuzzConfig();
  if (config->SetFileDesc(ztPR_OpenMemory(data, static_cast<PRUint32>(size))) == 0) {
    config->ParseConfiguration();
    char* line = nullptr;
    config->GetLine(&line);  // past the end, or after a rejected line
  }
  config->Release();
}

void FgetsAll(const uint8_t* data, size_t size) {
  PRFileDesc* fd = ztPR_OpenMemory(data, static_cast<PRUint32>(size));
  if (!fd) return;
  PRInt32 bufferSize = size ? data[0] % 64 : 2;
  char buffer[64];
  while (PR_fgets(buffer, bufferSize, fd)) {
  }
  PR_Close(fd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const uint8_t s_empty = 0;
  if (!data) data = &s_empty;
  ParseAll(data, size);
  FgetsAll(data, size);
  return 0;
}
