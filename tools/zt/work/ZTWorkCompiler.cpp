#include "tools/zt/work/ZTWorkCompiler.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "tools/writer/ZTFileSystemBuilder.h"
#include "tools/writer/ZTIndexBuilder.h"
#include "tools/writer/detail/ztColumnTable.h"
#include "tools/zt/work/ztDirectory.h"
#include "tools/zt/work/ztHeadwordTables.h"
#include "tools/zt/work/ztWorkLayout.h"
#include "tools/zt/ztHtmlText.h"

const char* const ZTWorkCompiler::kDefaultSimplifier = "simplifier:unicode:uni_case,uni_comp";

namespace {

const char kWho[] = "zt build";
const PRUint32 kProgressStep = 10000;

// The title part of an article (marked and indexed as a title) and its body.
std::vector<ZTIndexPart> Parts(const ZTSourceEntry& entry) {
  const std::string& title = entry.m_title.empty() ? entry.m_headwords[0] : entry.m_title;
  std::string heading = "<h1>";
  ztAppendHtmlEscaped(&heading, title);
  return {{heading + "</h1>\n", ztTitleStructure(entry.m_iTitleLevel)},
          {entry.m_html, kZtBodyStructure}};
}

std::string Description(const ZTSourceManifest& manifest, const ZTCompileSummary& summary) {
  return "[WORK]\nNAME=" + manifest.m_name + "\nTITLE=" + manifest.m_title +
         "\nLANGUAGE=" + manifest.m_language + "\nSPELLING=" +
         (manifest.m_spellingLanguage.empty() ? manifest.m_language : manifest.m_spellingLanguage) +
         "\nSIMPLIFIER=" + ZTWorkCompiler::kDefaultSimplifier +
         "\nPRESORTED=1\nENTRIES=" + std::to_string(summary.m_uEntries) +
         "\nHEADWORDS=" + std::to_string(summary.m_uHeadwords) +
         "\nWORDS=" + std::to_string(summary.m_uWordsIndexed) +
         "\n[WORDLIST]\nPATH=" + kZtHeadwordConfig + "\n[INDEX]\nPATH=" + kZtIndexConfig +
         "\n[FILESYSTEM]\nPATH=" + kZtArticleConfig + "\n";
}

PRUint64 MarkedWords(const std::string& marked) {
  PRUint64 count = 0;
  for (size_t at = marked.find("<?ZT W?>"); at != std::string::npos;
       at = marked.find("<?ZT W?>", at + 1))
    ++count;
  return count;
}

int MakeDirectory(const std::string& path) {
  if (mkdir(path.c_str(), 0755) == 0) return ZT_OK;
  return ZTError(ZT_E_FAILED, "[%s] Could not create %s", kWho, path.c_str());
}

int CopyMedia(const ZTSource& source, const std::string& staging) {
  int rc = MakeDirectory(staging + "/" + kZtMediaDir);
  for (const ZTSourceEntry& entry : source.m_entries) {
    for (const ZTSourceMedia& media : entry.m_media) {
      const std::string to = staging + "/" + kZtMediaDir + "/" + media.m_file;
      if (rc == ZT_OK && !ztExists(to)) rc = ztCopyFile(source.m_mediaDir + "/" + media.m_file, to);
    }
  }
  return rc;
}

}  // namespace

int ZTWorkCompiler::Compile(const ZTSource& source, const std::string& out,
                            ZTCompileSummary* pSummary) {
  const auto start = std::chrono::steady_clock::now();
  if (ztExists(out)) return ZTError(17, "[%s] %s exists already", kWho, out.c_str());
  const std::string staging = out + ".tmp-" + std::to_string(getpid());
  ztRemoveTree(staging);
  int rc = MakeDirectory(staging);
  if (rc == ZT_OK) rc = CompileInto(source, staging, pSummary);
  if (rc == ZT_OK && rename(staging.c_str(), out.c_str()) != 0) {
    rc = ZTError(ZT_E_FAILED, "[%s] Could not rename %s to %s", kWho, staging.c_str(), out.c_str());
  }
  if (rc != ZT_OK) {
    ztRemoveTree(staging);
    return rc;
  }
  pSummary->m_uBytes = ztTreeSize(out);
  pSummary->m_dSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return ZT_OK;
}

int ZTWorkCompiler::CompileInto(const ZTSource& source, const std::string& staging,
                                ZTCompileSummary* pSummary) {
  *pSummary = ZTCompileSummary();
  void* created = nullptr;
  int rc = ztCreateComponent(kDefaultSimplifier, ztIStringSimplifier::GetZTIID(), &created);
  if (rc != ZT_OK) return rc;
  ztIStringSimplifier* simplifier = static_cast<ztIStringSimplifier*>(created);
  ZTIndexBuilder index;
  index.SetSimplifier(simplifier);
  ZTFileSystemBuilder articles;
  ztHeadwordTables headwords;
  ZTBuilderDirectory root, entries;
  root.m_dirs.push_back(1);
  entries.m_name = "entries";
  for (PRUint32 i = 0; rc == ZT_OK && i < source.m_entries.size(); ++i) {
    const ZTSourceEntry& entry = source.m_entries[i];
    if (entry.m_headwords.empty()) {
      rc = ZTError(ZT_E_INVALID, "[%s] Entry %s has no headword", kWho, entry.m_id.c_str());
      break;
    }
    ZTBuilderFile file;
    file.m_name = entry.m_id + ".html";
    file.m_uParent = 1;
    file.m_title = entry.m_title.empty() ? entry.m_headwords[0] : entry.m_title;
    rc = index.AddDocument(i, Parts(entry), &file.m_content);
    pSummary->m_uWordsIndexed += MarkedWords(file.m_content);
    articles.AddFile(file);
    entries.m_files.push_back(i);
    headwords.AddEntry(entry, i);
    if ((i + 1) % kProgressStep == 0) Progress("entries: " + std::to_string(i + 1));
  }
  articles.AddDirectory(root);
  articles.AddDirectory(entries);
  std::string config;
  for (const char* dir : {kZtHeadwordDir, kZtIndexDir, kZtArticleDir}) {
    if (rc == ZT_OK) rc = MakeDirectory(staging + "/" + dir);
  }
  if (rc == ZT_OK) {
    rc = ztInDirectory(staging + "/" + kZtHeadwordDir, [&] { return headwords.Write(simplifier); });
  }
  if (rc == ZT_OK) Progress("headwords written");
  if (rc == ZT_OK) {
    rc = ztInDirectory(staging + "/" + kZtArticleDir, [&] { return articles.Write(".", &config); });
  }
  if (rc == ZT_OK) Progress("articles written");
  if (rc == ZT_OK) {
    rc = ztInDirectory(staging + "/" + kZtIndexDir, [&] { return index.Write(".", &config); });
  }
  if (rc == ZT_OK) Progress("index written");
  if (rc == ZT_OK) rc = CopyMedia(source, staging);
  simplifier->Release();
  pSummary->m_uEntries = static_cast<PRUint32>(source.m_entries.size());
  pSummary->m_uHeadwords = headwords.GetWordCount();
  if (rc == ZT_OK) {
    rc = ztWriteTextFile(staging + "/" + kZtWorkFile, Description(source.m_manifest, *pSummary),
                         kWho);
  }
  return rc;
}
