#include "tools/zt/ZTStarDictImporter.h"

#include <vector>

#include "core/ZTErrors.h"
#include "tools/zt/detail/ztStarDictArticle.h"
#include "tools/zt/detail/ztStarDictIfo.h"
#include "tools/zt/detail/ztWordRecords.h"
#include "tools/zt/ztFileBytes.h"
#include "tools/zt/ztImportedEntries.h"
#include "tools/zt/ztTextEncoding.h"

namespace {

constexpr const char* kWho = "[ZTStarDictImporter::Import]";

// base + the first suffix naming an existing file, or base + the first suffix.
std::string Existing(const std::string& base, const char* first, const char* second) {
  return ztFileExists(base + first) || !ztFileExists(base + second) ? base + first : base + second;
}

int CountError(const std::string& file, const char* what, PRUint64 found, const char* key,
               PRUint64 declared) {
  return ZTError(ZT_E_INVALID, "%s %s: %llu %s, but the .ifo says %s=%llu", kWho, file.c_str(),
                 static_cast<unsigned long long>(found), what, key,
                 static_cast<unsigned long long>(declared));
}

// Reads the word index into entries; the entry of each index record goes to *recordEntry.
int ReadIndex(const ZTStarDictFiles& files, const ztStarDictIfo& ifo, ztImportedEntries* entries,
              std::vector<size_t>* recordEntry) {
  if (files.m_idx.size() != ifo.m_uIdxFileSize) {
    return CountError(files.m_idxName, "bytes", files.m_idx.size(), "idxfilesize",
                      ifo.m_uIdxFileSize);
  }
  ztWordRecords records(files.m_idx, {static_cast<int>(ifo.m_uOffsetBits / 8), 4});
  while (!records.AtEnd()) {
    size_t at = records.GetOffset();
    std::string word;
    PRUint64 numbers[2];
    if (!records.Next(&word, numbers)) {
      return ZTError(ZT_E_INVALID, "%s %s offset %llu: record cut short", kWho,
                     files.m_idxName.c_str(), static_cast<unsigned long long>(at));
    }
    if (word.empty() || numbers[0] > files.m_dict.size() ||
        numbers[1] > files.m_dict.size() - numbers[0]) {
      return ZTError(
          ZT_E_INVALID, "%s %s offset %llu: %s (article at %llu, %llu bytes; %s has %llu bytes)",
          kWho, files.m_idxName.c_str(), static_cast<unsigned long long>(at),
          word.empty() ? "empty word" : "article past the data",
          static_cast<unsigned long long>(numbers[0]), static_cast<unsigned long long>(numbers[1]),
          files.m_dictName.c_str(), static_cast<unsigned long long>(files.m_dict.size()));
    }
    ztEnsureUtf8(&word);
    recordEntry->push_back(entries->Add(word, {numbers[0], numbers[1]}));
  }
  if (recordEntry->size() != ifo.m_uWordCount) {
    return CountError(files.m_idxName, "words", recordEntry->size(), "wordcount", ifo.m_uWordCount);
  }
  return ZT_OK;
}

// Adds the synonyms as variants of the entries of the index records they name.
int ReadSynonyms(const ZTStarDictFiles& files, const ztStarDictIfo& ifo,
                 const std::vector<size_t>& recordEntry, ztImportedEntries* entries) {
  ztWordRecords records(files.m_syn, {4});
  PRUint64 count = 0;
  while (!records.AtEnd()) {
    size_t at = records.GetOffset();
    std::string word;
    PRUint64 index = 0;
    if (!records.Next(&word, &index) || index >= recordEntry.size()) {
      return ZTError(ZT_E_INVALID, "%s %s offset %llu: %s", kWho, files.m_synName.c_str(),
                     static_cast<unsigned long long>(at),
                     index >= recordEntry.size() ? "the synonym names no word of the index"
                                                 : "record cut short");
    }
    ztEnsureUtf8(&word);
    if (!word.empty()) entries->AddVariant(recordEntry[index], word);
    ++count;
  }
  if (ifo.m_bHasSynWordCount && count != ifo.m_uSynWordCount) {
    return CountError(files.m_synName, "synonyms", count, "synwordcount", ifo.m_uSynWordCount);
  }
  return ZT_OK;
}

}  // namespace

int ZTStarDictImporter::Import(const std::string& ifoPath, ZTSource* pSource,
                               ZTImportSummary* pSummary) {
  const std::string base = ztWithoutSuffix(ifoPath, ".ifo");
  ZTStarDictFiles files;
  files.m_ifoName = ifoPath;
  files.m_idxName = Existing(base, ".idx", ".idx.gz");
  files.m_dictName = Existing(base, ".dict", ".dict.dz");
  int rv = ztReadFileBytes(ifoPath, kWho, &files.m_ifo);
  if (rv == ZT_OK) rv = ztReadMaybeGzip(files.m_idxName, kWho, &files.m_idx);
  if (rv == ZT_OK) rv = ztReadMaybeGzip(files.m_dictName, kWho, &files.m_dict);
  if (rv == ZT_OK && ztFileExists(base + ".syn")) {
    files.m_synName = base + ".syn";
    rv = ztReadFileBytes(files.m_synName, kWho, &files.m_syn);
  }
  if (rv != ZT_OK) return rv;
  ZTSource source;
  rv = ImportFiles(files, &source, pSummary);
  if (rv != ZT_OK) return rv;
  size_t slash = ifoPath.rfind('/');
  source.m_mediaDir =
      (slash == std::string::npos ? std::string(".") : ifoPath.substr(0, slash)) + "/res";
  *pSource = std::move(source);
  return ZT_OK;
}

int ZTStarDictImporter::ImportFiles(const ZTStarDictFiles& files, ZTSource* pSource,
                                    ZTImportSummary* pSummary) {
  ztStarDictIfo ifo;
  int rv = ztParseStarDictIfo(files.m_ifo, files.m_ifoName, &ifo);
  if (rv != ZT_OK) return rv;
  ZTImportSummary summary;
  ztImportedEntries entries(&summary);
  std::vector<size_t> recordEntry;
  rv = ReadIndex(files, ifo, &entries, &recordEntry);
  if (rv == ZT_OK && !files.m_synName.empty()) {
    rv = ReadSynonyms(files, ifo, recordEntry, &entries);
  }
  if (rv != ZT_OK) return rv;
  ZTSource source;
  source.m_manifest.m_name = ztFileStem(files.m_ifoName, ".ifo");
  source.m_manifest.m_title = ifo.m_bookName;
  ztEnsureUtf8(&source.m_manifest.m_title);
  source.m_manifest.m_language = ifo.m_lang;
  source.m_manifest.m_spellingLanguage = ifo.m_lang;
  auto convert = [&](size_t i, const ztHeadwordIndex& headwords, ZTSourceEntry* entry) -> int {
    const ztArticleSpan& span = entries.GetSpan(i);
    std::string error;
    if (ztStarDictArticle(files.m_dict.data() + span.m_uOffset, static_cast<size_t>(span.m_uSize),
                          ifo.m_sameTypeSequence, headwords, entry, &error)) {
      return ZT_OK;
    }
    return ZTError(ZT_E_INVALID, "%s %s: the article at offset %llu: %s", kWho,
                   files.m_dictName.c_str(), static_cast<unsigned long long>(span.m_uOffset),
                   error.c_str());
  };
  rv = entries.Build(convert, &source.m_entries);
  if (rv != ZT_OK) return rv;
  *pSource = std::move(source);
  *pSummary = summary;
  return ZT_OK;
}
