#include "tools/zt/detail/ztDictdIndex.h"

#include "core/ZTErrors.h"

namespace {

constexpr const char* kWho = "[ZTDictdImporter::Import]";
constexpr size_t kMaxDigits = 10;  // 60 bits

int Digit(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \r");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \r") + 1 - first);
}

// Parses one line into *out; the fault as a sentence otherwise.
bool ParseLine(const std::string& line, PRUint64 dataSize, const std::string& dataFile,
               ztDictdRecord* out, std::string* pError) {
  std::vector<std::string> fields = SplitTabs(line);
  if (fields.size() < 3) {
    *pError = "expected headword, offset and size separated by tabs";
    return false;
  }
  out->m_headword =
      Trimmed(fields.size() > 3 && !Trimmed(fields[3]).empty() ? fields[3] : fields[0]);
  std::string offset = Trimmed(fields[1]);
  std::string size = Trimmed(fields[2]);
  if (out->m_headword.empty()) {
    *pError = "the headword is empty";
  } else if (!ztDictdBase64(offset.data(), offset.size(), &out->m_span.m_uOffset)) {
    *pError = "the offset '" + offset + "' is not a base64 number";
  } else if (!ztDictdBase64(size.data(), size.size(), &out->m_span.m_uSize)) {
    *pError = "the size '" + size + "' is not a base64 number";
  } else if (out->m_span.m_uOffset + out->m_span.m_uSize > dataSize) {
    *pError = "the article at offset " + std::to_string(out->m_span.m_uOffset) + " (" +
              std::to_string(out->m_span.m_uSize) + " bytes) ends past the " +
              std::to_string(dataSize) + " bytes of " + dataFile;
  } else {
    return true;
  }
  return false;
}

}  // namespace

bool ztDictdBase64(const char* text, size_t length, PRUint64* out) {
  if (length == 0 || length > kMaxDigits) return false;
  PRUint64 value = 0;
  for (size_t i = 0; i < length; ++i) {
    int digit = Digit(text[i]);
    if (digit < 0) return false;
    value = value * 64 + static_cast<PRUint64>(digit);
  }
  *out = value;
  return true;
}

int ztParseDictdIndex(const std::string& text, const std::string& file, PRUint64 dataSize,
                      const std::string& dataFile, std::vector<ztDictdRecord>* out) {
  std::vector<ztDictdRecord> records;
  size_t start = 0;
  for (PRUint32 line = 1; start < text.size(); ++line) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string content = text.substr(start, end - start);
    start = end + 1;
    if (Trimmed(content).empty()) continue;
    ztDictdRecord record;
    std::string error;
    if (!ParseLine(content, dataSize, dataFile, &record, &error)) {
      return ZTError(ZT_E_INVALID, "%s %s line %u: %s", kWho, file.c_str(), line, error.c_str());
    }
    record.m_uLine = line;
    records.push_back(std::move(record));
  }
  *out = std::move(records);
  return ZT_OK;
}
