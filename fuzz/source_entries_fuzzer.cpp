// Reads arbitrary bytes as a source's entry lines (then checks their cross-references) and as
// its manifest.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/zt/ZTSourceReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ZTSourceReader reader;
  std::vector<ZTSourceEntry> entries;
  if (reader.ParseEntries(text, "entries.jsonl", &entries) == 0) {
    reader.CheckReferences(entries, "entries.jsonl");
  }
  ZTSourceManifest manifest;
  reader.ParseManifest(text, "manifest.json", &manifest);
  return 0;
}
