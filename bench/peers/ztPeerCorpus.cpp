#include "bench/peers/ztPeerCorpus.h"

#include <prmem.h>

#include <chrono>
#include <cstdio>

#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "tools/zt/ZTDictdImporter.h"
#include "tools/zt/work/ZTWorkCompiler.h"
#include "tools/zt/work/ztHtmlRender.h"

ztPeerCorpus::~ztPeerCorpus() {
  ztRelease(m_pSimplifier);
}

bool ztPeerCorpus::Load(const std::string& indexPath, const std::string& dictPath) {
  void* simplifier = nullptr;
  if (ztCreateComponent(ZTWorkCompiler::kDefaultSimplifier, ztIStringSimplifier::GetZTIID(),
                        &simplifier)) {
    std::fprintf(stderr, "peers: no simplifier %s\n", ZTWorkCompiler::kDefaultSimplifier);
    return false;
  }
  m_pSimplifier = static_cast<ztIStringSimplifier*>(simplifier);
  const auto start = std::chrono::steady_clock::now();
  ZTDictdImporter importer;
  ZTImportSummary summary;
  if (importer.Import(indexPath, dictPath, &m_source, &summary)) {
    std::fprintf(stderr, "peers: cannot import %s\n", indexPath.c_str());
    return false;
  }
  m_dImportSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (const ZTSourceEntry& entry : m_source.m_entries) {
    ztPeerDocument document;
    document.m_headwords = entry.m_headwords;
    document.m_headwords.insert(document.m_headwords.end(), entry.m_variants.begin(),
                                entry.m_variants.end());
    document.m_title = entry.m_title.empty() ? entry.m_headwords.front() : entry.m_title;
    document.m_text = ztHtmlToText(entry.m_html, "", "");
    m_uTextBytes += document.m_title.size() + document.m_text.size();
    m_documents.push_back(std::move(document));
  }
  return true;
}

std::string ztPeerCorpus::Fold(const std::string& text) const {
  char* folded = nullptr;
  if (m_pSimplifier->SimplifyToNew(text.c_str(), &folded, nullptr) || !folded) return text;
  std::string result(folded);
  PR_Free(folded);
  return result;
}
