// Imports a StarDict dictionary from arbitrary bytes. Layout: a flags byte, the sizes of the
// .idx and .syn parts (16 bits each, little-endian), those parts, then the .dict data. The
// .ifo is made to match (word count and index size) so that the articles are reached, with
// 64-bit offsets when flag bit 0 is set and the sametypesequence chosen by bits 1 to 3. With
// bit 7 set the rest of the input is the .ifo itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/zt/ZTStarDictImporter.h"

namespace {

const char* const kSameTypes[] = {"", "m", "tm", "h", "x", "g", "Wm", "mr"};

// How many index records the bytes hold (word, NUL, offset and size).
unsigned CountRecords(const std::string& idx, size_t numbers) {
  unsigned count = 0;
  for (size_t pos = 0; pos < idx.size(); ++count) {
    size_t nul = idx.find('\0', pos);
    if (nul == std::string::npos) break;
    pos = nul + 1 + numbers;
  }
  return count;
}

std::string Part(const std::string& bytes, size_t* pos, size_t length) {
  std::string part = *pos < bytes.size() ? bytes.substr(*pos, length) : std::string();
  *pos += part.size();
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const unsigned flags = data[0];
  size_t pos = 5;
  ZTStarDictFiles files;
  files.m_ifoName = "fuzz.ifo";
  files.m_idxName = "fuzz.idx";
  files.m_dictName = "fuzz.dict";
  files.m_idx = Part(bytes, &pos, data[1] | (data[2] << 8));
  files.m_syn = Part(bytes, &pos, data[3] | (data[4] << 8));
  if (!files.m_syn.empty()) files.m_synName = "fuzz.syn";
  const std::string rest = Part(bytes, &pos, std::string::npos);
  const bool wide = flags & 1;
  if (flags & 0x80) {
    files.m_ifo = rest;
  } else {
    files.m_dict = rest;
    files.m_ifo = std::string("StarDict's dict ifo file\nversion=3.0.0\nbookname=fuzz\n") +
                  "wordcount=" + std::to_string(CountRecords(files.m_idx, wide ? 12 : 8)) +
                  "\nidxfilesize=" + std::to_string(files.m_idx.size()) +
                  (wide ? "\nidxoffsetbits=64\n" : "\n");
    const char* sameTypes = kSameTypes[(flags >> 1) & 7];
    if (*sameTypes) files.m_ifo += std::string("sametypesequence=") + sameTypes + "\n";
  }
  ZTSource source;
  ZTImportSummary summary;
  ZTStarDictImporter().ImportFiles(files, &source, &summary);
  return 0;
}
