#include "tools/zt/ZTSourceReader.h"

#include <unordered_map>
#include <unordered_set>

#include "core/ZTErrors.h"
#include "tools/zt/detail/ztJsonSyntax.h"
#include "tools/zt/detail/ztSourceFields.h"
#include "tools/zt/ztFileBytes.h"

namespace {

constexpr const char* kWho = "[ZTSourceReader::Read]";
constexpr const char* kBom = "\xEF\xBB\xBF";

}  // namespace

void ZTSourceReader::Fault(const std::string& file, PRUint32 line, const std::string& what) {
  ++m_uFaults;
  if (m_uFaults <= ZT_SOURCE_MAX_FAULTS) {
    ZTError(ZT_E_INVALID, "%s %s line %u: %s", kWho, file.c_str(), line, what.c_str());
  } else if (m_uFaults == ZT_SOURCE_MAX_FAULTS + 1) {
    ZTError(ZT_E_INVALID, "%s %s: further faults not shown", kWho, file.c_str());
  }
}

int ZTSourceReader::TakeResult() {
  int rv = m_uFaults ? ZT_E_INVALID : ZT_OK;
  m_uFaults = 0;
  return rv;
}

int ZTSourceReader::Read(const std::string& directory, ZTSource* pSource) {
  const std::string manifestFile = directory + "/manifest.json";
  const std::string entriesFile = directory + "/entries.jsonl";
  std::string text;
  ZTSource source;
  int rv = ztReadFileBytes(manifestFile, kWho, &text);
  if (rv == ZT_OK) rv = ParseManifest(text, manifestFile, &source.m_manifest);
  if (rv == ZT_OK) rv = ztReadFileBytes(entriesFile, kWho, &text);
  if (rv == ZT_OK) rv = ParseEntries(text, entriesFile, &source.m_entries);
  if (rv != ZT_OK) return rv;
  source.m_mediaDir = directory + "/media";
  rv = CheckReferences(source.m_entries, entriesFile);
  rv = ZTFirstError(rv, CheckMedia(source.m_entries, entriesFile, source.m_mediaDir));
  if (rv == ZT_OK) *pSource = std::move(source);
  return rv;
}

int ZTSourceReader::ParseManifest(const std::string& text, const std::string& file,
                                  ZTSourceManifest* out) {
  nlohmann::json value;
  std::string error;
  ZTSourceManifest manifest;
  if (!ztParseJson(text.data(), text.data() + text.size(), false, &value, &error) ||
      !ztParseSourceManifest(value, &manifest, &error)) {
    return ZTError(ZT_E_INVALID, "%s %s: %s", kWho, file.c_str(), error.c_str());
  }
  *out = manifest;
  return ZT_OK;
}

int ZTSourceReader::ParseEntries(const std::string& text, const std::string& file,
                                 std::vector<ZTSourceEntry>* out) {
  std::vector<ZTSourceEntry> entries;
  std::unordered_map<std::string, PRUint32> ids;
  m_lines.clear();
  size_t start = text.compare(0, 3, kBom) == 0 ? 3 : 0;
  for (PRUint32 line = 1; start < text.size(); ++line) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t last = end > start && text[end - 1] == '\r' ? end - 1 : end;
    size_t first = text.find_first_not_of(" \t", start);
    const char* begin = text.data() + start;
    start = end + 1;
    if (first >= last) continue;  // a blank line
    nlohmann::json value;
    ZTSourceEntry entry;
    std::string error;
    if (!ztParseJson(begin, text.data() + last, true, &value, &error) ||
        !ztParseSourceEntry(value, &entry, &error)) {
      Fault(file, line, error);
      continue;
    }
    auto used = ids.emplace(entry.m_id, line);
    if (!used.second) {
      Fault(file, line,
            "the id '" + entry.m_id + "' is used on line " + std::to_string(used.first->second));
      continue;
    }
    entries.push_back(std::move(entry));
    m_lines.push_back(line);
  }
  int rv = TakeResult();
  if (rv == ZT_OK) *out = std::move(entries);
  return rv;
}

int ZTSourceReader::CheckReferences(const std::vector<ZTSourceEntry>& entries,
                                    const std::string& file) {
  std::unordered_set<std::string> headwords;
  for (const ZTSourceEntry& entry : entries) {
    headwords.insert(entry.m_headwords.begin(), entry.m_headwords.end());
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    for (const std::string& see : entries[i].m_see) {
      if (!headwords.count(see)) {
        Fault(file, i < m_lines.size() ? m_lines[i] : 0,
              "'see' names '" + see + "', which is no entry's headword");
      }
    }
  }
  return TakeResult();
}

int ZTSourceReader::CheckMedia(const std::vector<ZTSourceEntry>& entries, const std::string& file,
                               const std::string& mediaDir) {
  for (size_t i = 0; i < entries.size(); ++i) {
    for (const ZTSourceMedia& media : entries[i].m_media) {
      if (!ztFileExists(mediaDir + "/" + media.m_file)) {
        Fault(file, i < m_lines.size() ? m_lines[i] : 0,
              "media file '" + media.m_file + "' is not in " + mediaDir);
      }
    }
  }
  return TakeResult();
}
