#include "tools/zt/detail/ztStarDictIfo.h"

#include <vector>

#include "core/ZTErrors.h"

namespace {

constexpr const char* kWho = "[ZTStarDictImporter::Import]";
constexpr const char* kMagic = "StarDict's dict ifo file";
constexpr PRUint64 kMaxCount = 0xFFFFFFFFull;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t last = end > start && text[end - 1] == '\r' ? end - 1 : end;
    lines.push_back(text.substr(start, last - start));
    start = end + 1;
  }
  return lines;
}

bool ParseNumber(const std::string& text, PRUint64* out) {
  if (text.empty() || text.size() > 10) return false;
  PRUint64 value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<PRUint64>(c - '0');
  }
  if (value > kMaxCount) return false;
  *out = value;
  return true;
}

// Applies one key; false with *pError for a faulty value. Unknown keys are ignored.
bool Apply(const std::string& key, const std::string& value, ztStarDictIfo* ifo,
           std::string* pError) {
  PRUint64 number = 0;
  bool isNumber = ParseNumber(value, &number);
  if (key == "version") {
    ifo->m_version = value;
    if (value == "2.4.2" || value == "3.0.0") return true;
    *pError = "version '" + value + "' is not supported (2.4.2 or 3.0.0)";
  } else if (key == "bookname") {
    ifo->m_bookName = value;
    return true;
  } else if (key == "sametypesequence") {
    ifo->m_sameTypeSequence = value;
    bool letters = !value.empty();
    for (char c : value) letters = letters && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
    if (letters) return true;
    *pError = "sametypesequence '" + value + "' must be type letters";
  } else if (key == "lang") {
    ifo->m_lang = value;
    return true;
  } else if (key == "wordcount" || key == "synwordcount" || key == "idxfilesize") {
    if (!isNumber) *pError = key + " '" + value + "' is not a number";
    if (key == "wordcount") ifo->m_uWordCount = number;
    if (key == "idxfilesize") ifo->m_uIdxFileSize = number;
    if (key == "synwordcount") ifo->m_uSynWordCount = number, ifo->m_bHasSynWordCount = true;
    return isNumber;
  } else if (key == "idxoffsetbits") {
    ifo->m_uOffsetBits = static_cast<PRUint32>(number);
    if (isNumber && (number == 32 || number == 64)) return true;
    *pError = "idxoffsetbits '" + value + "' must be 32 or 64";
  } else {
    return true;
  }
  return false;
}

}  // namespace

int ztParseStarDictIfo(const std::string& text, const std::string& file, ztStarDictIfo* out) {
  std::vector<std::string> lines = Lines(text);
  if (lines.empty() || lines[0] != kMagic) {
    return ZTError(ZT_E_INVALID, "%s %s line 1: not a StarDict .ifo file (expected \"%s\")", kWho,
                   file.c_str(), kMagic);
  }
  ztStarDictIfo ifo;
  bool seen[3] = {false, false, false};  // bookname, wordcount, idxfilesize
  for (size_t i = 1; i < lines.size(); ++i) {
    size_t equals = lines[i].find('=');
    if (lines[i].empty()) continue;
    std::string key = lines[i].substr(0, equals);
    std::string error = "expected key=value";
    if (equals == std::string::npos || !Apply(key, lines[i].substr(equals + 1), &ifo, &error)) {
      return ZTError(ZT_E_INVALID, "%s %s line %u: %s", kWho, file.c_str(),
                     static_cast<unsigned>(i + 1), error.c_str());
    }
    seen[0] |= key == "bookname";
    seen[1] |= key == "wordcount";
    seen[2] |= key == "idxfilesize";
  }
  const char* names[3] = {"bookname", "wordcount", "idxfilesize"};
  for (int k = 0; k < 3; ++k) {
    if (!seen[k]) {
      return ZTError(ZT_E_INVALID, "%s %s: '%s' is missing", kWho, file.c_str(), names[k]);
    }
  }
  if (ifo.m_version.empty()) {
    return ZTError(ZT_E_INVALID, "%s %s: 'version' is missing", kWho, file.c_str());
  }
  *out = ifo;
  return ZT_OK;
}
