#include "tools/zt/ZTDictdImporter.h"

#include <set>
#include <utility>
#include <vector>

#include "core/ZTErrors.h"
#include "tools/zt/detail/ztDictdIndex.h"
#include "tools/zt/ztFileBytes.h"
#include "tools/zt/ztImportedEntries.h"
#include "tools/zt/ztPlainTextHtml.h"
#include "tools/zt/ztTextEncoding.h"

namespace {

constexpr const char* kWho = "[ZTDictdImporter::Import]";

bool IsInfo(const std::string& headword) {
  return headword.compare(0, 12, "00-database-") == 0 || headword.compare(0, 10, "00database") == 0;
}

bool IsShortName(const std::string& headword) {
  return headword == "00-database-short" || headword == "00databaseshort";
}

std::string Article(const std::string& data, const ztArticleSpan& span) {
  std::string text =
      data.substr(static_cast<size_t>(span.m_uOffset), static_cast<size_t>(span.m_uSize));
  ztEnsureUtf8(&text);
  return text;
}

// The text of the "short" record: without its first line when that repeats the headword, with
// white space runs made one space.
std::string ShortName(const std::string& text, const std::string& headword) {
  size_t start = text.find_first_not_of(" \t\r\n");
  if (start != std::string::npos && text.compare(start, headword.size(), headword) == 0) {
    start = text.find('\n', start);
  }
  std::string out;
  bool space = false;
  for (size_t i = start == std::string::npos ? text.size() : start; i < text.size(); ++i) {
    bool white = text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n';
    if (!white && space && !out.empty()) out += ' ';
    if (!white) out += text[i];
    space = white;
  }
  return out;
}

}  // namespace

int ZTDictdImporter::Import(const std::string& indexPath, const std::string& dictPath,
                            ZTSource* pSource, ZTImportSummary* pSummary) {
  std::string index;
  std::string data;
  int rv = ztReadFileBytes(indexPath, kWho, &index);
  if (rv == ZT_OK) rv = ztReadMaybeGzip(dictPath, kWho, &data);
  if (rv != ZT_OK) return rv;
  return ImportData(index, indexPath, data, dictPath, pSource, pSummary);
}

int ZTDictdImporter::ImportData(const std::string& index, const std::string& indexFile,
                                const std::string& data, const std::string& dataFile,
                                ZTSource* pSource, ZTImportSummary* pSummary) {
  std::vector<ztDictdRecord> records;
  int rv = ztParseDictdIndex(index, indexFile, data.size(), dataFile, &records);
  if (rv != ZT_OK) return rv;
  ZTSource source;
  source.m_manifest.m_name = ztFileStem(indexFile, ".index");
  std::set<std::pair<PRUint64, PRUint64>> infoSpans;
  for (const ztDictdRecord& record : records) {
    if (!IsInfo(record.m_headword)) continue;
    infoSpans.emplace(record.m_span.m_uOffset, record.m_span.m_uSize);
    if (IsShortName(record.m_headword)) {
      source.m_manifest.m_title = ShortName(Article(data, record.m_span), record.m_headword);
    }
  }
  if (source.m_manifest.m_title.empty()) source.m_manifest.m_title = source.m_manifest.m_name;
  ZTImportSummary summary;
  ztImportedEntries entries(&summary);
  for (ztDictdRecord& record : records) {
    if (infoSpans.count(std::make_pair(record.m_span.m_uOffset, record.m_span.m_uSize))) {
      ++summary.m_uInfo;
      continue;
    }
    ztEnsureUtf8(&record.m_headword);
    entries.Add(record.m_headword, record.m_span);
  }
  auto convert = [&](size_t i, const ztHeadwordIndex& headwords, ZTSourceEntry* entry) {
    ztPlainTextHtml(Article(data, entries.GetSpan(i)), &headwords, &entry->m_html, &entry->m_see);
    return ZT_OK;
  };
  rv = entries.Build(convert, &source.m_entries);
  if (rv != ZT_OK) return rv;
  *pSource = std::move(source);
  *pSummary = summary;
  return ZT_OK;
}
