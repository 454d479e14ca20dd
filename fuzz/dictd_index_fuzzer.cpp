// Imports a dictd database from arbitrary bytes: the index text up to the first NUL, the
// article data after it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/zt/ZTDictdImporter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  size_t nul = bytes.find('\0');
  const std::string index = bytes.substr(0, nul);
  const std::string dict = nul == std::string::npos ? std::string() : bytes.substr(nul + 1);
  ZTSource source;
  ZTImportSummary summary;
  ZTDictdImporter().ImportData(index, "fuzz.index", dict, "fuzz.dict", &source, &summary);
  return 0;
}
