#include "tools/zt/work/ZTWorkCompiler.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <utility>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ZTRefCount.h"
#include "core/ztIStringSimplifier.h"
#include "tools/writer/ZTIndexBuilder.h"
#include "tools/writer/detail/ztColumnTable.h"
#include "tools/zt/work/ztDirectory.h"
#include "tools/zt/work/ztHeadwordTables.h"
#include "tools/zt/work/ztWorkFileTree.h"
#include "tools/zt/work/ztWorkLayout.h"
#include "tools/zt/ztFileBytes.h"
#include "tools/zt/ztHtmlText.h"

const char* const ZTWorkCompiler::kDefaultSimplifier = "simplifier:unicode:uni_case,uni_comp";

namespace {

const char kWho[] = "zt build";
const PRUint32 kProgressStep = 10000;

// The article's title: the main headword unless the entry has one.
const std::string& Title(const ZTSourceEntry& entry) {
  return entry.m_title.empty() ? entry.m_headwords[0] : entry.m_title;
}

// The title part of an article (marked and indexed as a title) and its body, borrowed from the
// entry.
std::vector<ZTIndexPart> Parts(const ZTSourceEntry& entry) {
  std::string heading = "<h1>";
  ztAppendHtmlEscaped(&heading, Title(entry));
  return {{heading + "</h1>\n", ztTitleStructure(entry.m_iTitleLevel)},
          {std::string(), kZtBodyStructure, &entry.m_html}};
}

std::string Description(const ZTSourceManifest& manifest, const ZTCompileSummary& summary) {
  return "[WORK]\nNAME=" + manifest.m_name + "\nTITLE=" + manifest.m_title +
         "\nLANGUAGE=" + manifest.m_language + "\nSPELLING=" +
         (manifest.m_spellingLanguage.empty() ? manifest.m_language : manifest.m_spellingLanguage) +
         "\nSIMPLIFIER=" + ZTWorkCompiler::kDefaultSimplifier +
         "\nPRESORTED=1\nSORTEDHEADWORDS=1\nENTRIES=" + std::to_string(summary.m_uEntries) +
         "\nHEADWORDS=" + std::to_string(summary.m_uHeadwords) +
         "\nWORDS=" + std::to_string(summary.m_uWordsIndexed) +
         "\n[WORDLIST]\nPATH=" + kZtHeadwordConfig + "\n[INDEX]\nPATH=" + kZtIndexConfig +
         "\n[FILESYSTEM]\nPATH=" + kZtArticleConfig + "\n";
}

int MakeDirectory(const std::string& path) {
  if (mkdir(path.c_str(), 0755) == 0) return ZT_OK;
  return ZTError(ZT_E_FAILED, "[%s] Could not create %s", kWho, path.c_str());
}

// Runs first in a thread of its own while second runs here; the first failure's code.
int Together(const std::function<int()>& first, const std::function<int()>& second) {
  int rcFirst = ZT_OK;
  std::thread thread([&] { rcFirst = first(); });
  const int rcSecond = second();
  thread.join();
  return rcFirst ? rcFirst : rcSecond;
}

int CheckHeadwords(const ZTSource& source) {
  for (const ZTSourceEntry& entry : source.m_entries) {
    if (entry.m_headwords.empty()) {
      return ZTError(ZT_E_INVALID, "[%s] Entry %s has no headword", kWho, entry.m_id.c_str());
    }
  }
  return ZT_OK;
}

int CreateSimplifier(ztIStringSimplifier** ppOut) {
  void* created = nullptr;
  const int rc = ztCreateComponent(ZTWorkCompiler::kDefaultSimplifier,
                                   ztIStringSimplifier::GetZTIID(), &created);
  *ppOut = static_cast<ztIStringSimplifier*>(created);
  return rc;
}

// The media files of the entries, each once, into the file system.
int AddMedia(const ZTSource& source, ztWorkFileTree* pTree) {
  for (const ZTSourceEntry& entry : source.m_entries) {
    for (const ZTSourceMedia& media : entry.m_media) {
      if (pTree->HasMedia(media.m_file)) continue;
      std::string bytes;
      int rc = ztReadFileBytes(source.m_mediaDir + "/" + media.m_file, kWho, &bytes);
      if (rc) return rc;
      pTree->AddMedia(media.m_file, std::move(bytes));
    }
  }
  return ZT_OK;
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

int ZTWorkCompiler::IndexArticles(const ZTSource& source, ZTIndexBuilder* pIndex,
                                  ztWorkFileTree* pTree) const {
  const PRUint32 count = static_cast<PRUint32>(source.m_entries.size());
  int rc = pIndex->AddDocuments(
      count, [&](PRUint32 i) { return Parts(source.m_entries[i]); },
      [&](PRUint32 i, std::string&& marked) {
        const ZTSourceEntry& entry = source.m_entries[i];
        pTree->AddArticle(entry.m_id, Title(entry), std::move(marked));
        if ((i + 1) % kProgressStep == 0) Progress("entries: " + std::to_string(i + 1));
        return ZT_OK;
      });
  return rc ? rc : AddMedia(source, pTree);
}

// The headword list is gathered and written while the articles are cut and indexed (two
// threads more), then the articles while the index is written. Each thread has a simplifier
// of its own, and frees what it built once it is written, while the others still work.
int ZTWorkCompiler::CompileInto(const ZTSource& source, const std::string& staging,
                                ZTCompileSummary* pSummary) {
  *pSummary = ZTCompileSummary();
  ztIStringSimplifier *forHeadwords = nullptr, *forIndex = nullptr;
  int rc = CheckHeadwords(source);
  if (!rc) rc = CreateSimplifier(&forHeadwords);
  if (!rc) rc = CreateSimplifier(&forIndex);
  for (const char* dir : {kZtHeadwordDir, kZtIndexDir, kZtArticleDir}) {
    if (rc == ZT_OK) rc = MakeDirectory(staging + "/" + dir);
  }
  auto headwords = std::make_unique<ztHeadwordTables>();
  auto index = std::make_unique<ZTIndexBuilder>();
  index->SetSimplifier(forIndex);
  index->SetConfigDirectory(".");
  index->SetTextBlockSize(kZtTextBlock);
  index->SetRecordCompression(true);
  auto tree = std::make_unique<ztWorkFileTree>();
  pSummary->m_uEntries = static_cast<PRUint32>(source.m_entries.size());
  if (!rc) {
    rc = Together(
        [&] {
          for (PRUint32 i = 0; i < source.m_entries.size(); ++i) {
            headwords->AddEntry(source.m_entries[i], i);
          }
          const int written =
              headwords->Write(staging + "/" + kZtHeadwordDir, forHeadwords, kDefaultSimplifier);
          pSummary->m_uHeadwords = headwords->GetWordCount();
          headwords.reset();
          return written;
        },
        [&] { return IndexArticles(source, index.get(), tree.get()); });
  }
  if (!rc) Progress("headwords written");
  std::string config;
  if (!rc) {
    rc = Together(
        [&] {
          const int written = tree->Write(staging + "/" + kZtArticleDir);
          tree.reset();
          return written;
        },
        [&] {
          const int written = index->Write(staging + "/" + kZtIndexDir, &config);
          pSummary->m_uWordsIndexed = index->GetOccurrenceCount();
          index.reset();
          return written;
        });
  }
  if (!rc) Progress("articles and index written");
  ztRelease(forHeadwords);
  ztRelease(forIndex);
  if (rc == ZT_OK) {
    rc = ztWriteTextFile(staging + "/" + kZtWorkFile, Description(source.m_manifest, *pSummary),
                         kWho);
  }
  return rc;
}
