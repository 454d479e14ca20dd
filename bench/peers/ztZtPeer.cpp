#include "bench/peers/ztZtPeer.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/peers/ztPeerCorpus.h"
#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorScorer.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/ZTIndexResult.h"
#include "frontends/index/ZTPertinenceScorer.h"
#include "tools/zt/work/ZTWorkCompiler.h"

ztZtPeer::~ztZtPeer() {
  ztRelease(m_pIndex);
  ztRelease(m_pSimplifier);
}

bool ztZtPeer::Build(const ztPeerCorpus& corpus, const std::string& dir) {
  ZTWorkCompiler compiler;
  ZTCompileSummary summary;
  if (compiler.Compile(corpus.GetSource(), dir, &summary) || m_work.Open(dir) || !OpenIndex()) {
    std::fprintf(stderr, "peers: cannot compile or open the work %s\n", dir.c_str());
    return false;
  }
  return true;
}

// A second handle on the work's index, for ranking without snippets.
bool ztZtPeer::OpenIndex() {
  std::string path;
  for (const auto& line : m_work.GetDescription()) {
    if (line.first == "INDEX/PATH") path = m_work.GetDirectory() + "/" + line.second;
  }
  void* simplifier = nullptr;
  if (path.empty() || ztCreateComponent(ZTWorkCompiler::kDefaultSimplifier,
                                        ztIStringSimplifier::GetZTIID(), &simplifier)) {
    return false;
  }
  m_pSimplifier = static_cast<ztIStringSimplifier*>(simplifier);
  m_pIndex = new ZTIndex();
  return m_pIndex->SetFileName(path.c_str(), nullptr) == ZT_OK;
}

long ztZtPeer::Run(ztPeerQueryKind kind, const std::string& text) {
  return kind == ztPeerQueryKind::kFullText ? Search(text) : Lookup(kind, text);
}

long ztZtPeer::Lookup(ztPeerQueryKind kind, const std::string& text) {
  const ZTWork::Mode mode = kind == ztPeerQueryKind::kPrefix     ? ZTWork::kBegins
                            : kind == ztPeerQueryKind::kWildCard ? ZTWork::kWildCard
                            : kind == ztPeerQueryKind::kRegExp   ? ZTWork::kRegExp
                                                                 : ZTWork::kExact;
  const PRUint32 limit = kind == ztPeerQueryKind::kPrefix ? kPeerPrefixLimit : 1000000;
  std::vector<ZTWorkHeadword> found;
  if (m_work.Lookup(text, mode, kind == ztPeerQueryKind::kExact, limit, &found)) return -1;
  return static_cast<long>(found.size());
}

// The query's documents sorted by descending pertinence, of which the first are shown.
long ztZtPeer::Search(const std::string& text) {
  ZTIndexResult* result = nullptr;
  ZTCursor* documents = nullptr;
  ZTCursor* ranked = nullptr;
  ZTCursorScorer* scores = nullptr;
  ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
  int rc = m_pIndex->SearchExpression(text.c_str(), 0, m_pSimplifier, nullptr, &result);
  if (rc == ZT_OK) rc = result->RunScorer(scorer);
  if (rc == ZT_OK) rc = result->GetDocumentList(&documents);
  if (rc == ZT_OK) rc = scorer->GetCursorScorer(&scores);
  if (rc == ZT_OK) rc = scores->SetUnsortedCursor(documents);
  if (rc == ZT_OK) rc = scores->GetCursor(1, &ranked);
  if (rc == ZT_OK) rc = ranked->ComputeCursorForm();
  const long read = rc == ZT_OK ? std::min<long>(ranked->GetCount(), kPeerRankLimit) : -1;
  scorer->Release();
  ztRelease(ranked);
  ztRelease(scores);
  ztRelease(documents);
  ztRelease(result);
  return read;
}

long ztZtPeer::SearchWithSnippets(const std::string& text) {
  PRUint32 total = 0;
  std::vector<ZTWorkHit> hits;
  if (m_work.Search(text, kPeerRankLimit, &total, &hits)) return -1;
  return static_cast<long>(hits.size());
}
