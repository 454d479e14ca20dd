// Full-text queries over a synthetic corpus: 100,000 documents of 200 words drawn from a Zipf
// vocabulary of 50,000 words (fixed seed), indexed once by the index builder. BM_Build reports
// the build time and the index size on disk against the corpus text; the others the medians
// of one query form each, with and without scoring, and the highlight positions of the first
// 20 results. BM_BuildCompressed builds the same index with compressed record files.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/ZTEnvir.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/ZTIndexResult.h"
#include "frontends/index/ZTPertinenceScorer.h"
#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/tests/ztWordListTestTables.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTIndexBuilder.h"

namespace {

const PRUint32 kDocuments = 100000;
const PRUint32 kWordsPerDocument = 200;
const PRUint32 kVocabulary = 50000;

// Distinct words of 3 to 9 letters, none an operator word, in rank order.
std::vector<std::string> MakeVocabulary(std::mt19937* random) {
  const std::set<std::string> operators = {"or", "and", "not", "near", "before"};
  std::set<std::string> seen;
  std::vector<std::string> words;
  while (words.size() < kVocabulary) {
    std::string word;
    for (PRUint32 n = 3 + (*random)() % 7; n > 0; --n)
      word += static_cast<char>('a' + (*random)() % 26);
    if (!operators.count(word) && seen.insert(word).second) words.push_back(word);
  }
  return words;
}

// Zipf ranks (exponent 1) by inverting the cumulative distribution.
class Zipf {
 public:
  Zipf() {
    double sum = 0;
    for (PRUint32 r = 0; r < kVocabulary; ++r) m_cumulative.push_back(sum += 1.0 / (r + 1));
    for (double& c : m_cumulative) c /= sum;
  }
  PRUint32 Draw(std::mt19937* random) const {
    const double u = std::uniform_real_distribution<double>(0, 1)(*random);
    const auto it = std::lower_bound(m_cumulative.begin(), m_cumulative.end(), u);
    return static_cast<PRUint32>(std::min<size_t>(it - m_cumulative.begin(), kVocabulary - 1));
  }

 private:
  std::vector<double> m_cumulative;
};

// A document: its first word as the headword, the others as body text with full stops.
std::vector<ZTIndexPart> MakeDocument(const std::vector<std::string>& words, const Zipf& zipf,
                                      std::mt19937* random) {
  std::vector<ZTIndexPart> parts = {{"<h1>" + words[zipf.Draw(random)] + "</h1>", 1}, {"<p>", 2}};
  for (PRUint32 i = 1; i < kWordsPerDocument; ++i) {
    parts[1].m_text += words[zipf.Draw(random)] + (i % 15 == 0 ? ". " : " ");
  }
  parts[1].m_text += "</p>";
  return parts;
}

// The peak resident size of the process so far.
double PeakMegabytes() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

PRUint64 DiskSize(const std::string& directory) {
  PRUint64 size = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
    if (entry.is_regular_file()) size += entry.file_size();
  }
  return size;
}

// What building an index took and gave.
struct BuildFigures {
  double m_dSeconds = 0;
  PRUint64 m_uTextBytes = 0;
  PRUint64 m_uIndexBytes = 0;
  PRUint64 m_uDocsBytes = 0;
  PRUint64 m_uOccsBytes = 0;
  double m_dBuilderMegabytes = 0;  // what the build added to the peak resident size
};

// Builds the index of the corpus into dir; its configuration's path goes to *pConfig.
BuildFigures BuildIndex(const ztTempDir& dir, bool compressed, ztIStringSimplifier* simplifier,
                        std::vector<std::string>* words, std::string* pConfig) {
  BuildFigures figures;
  std::mt19937 random(20261211);
  *words = MakeVocabulary(&random);
  const Zipf zipf;
  std::vector<std::vector<ZTIndexPart>> documents;
  for (PRUint32 d = 0; d < kDocuments; ++d) {
    documents.push_back(MakeDocument(*words, zipf, &random));
    for (const ZTIndexPart& part : documents.back()) figures.m_uTextBytes += part.m_text.size();
  }
  const double before = PeakMegabytes();
  const auto start = std::chrono::steady_clock::now();
  ZTIndexBuilder builder;
  builder.SetSimplifier(simplifier);
  builder.SetRecordCompression(compressed);
  std::string marked;
  for (PRUint32 d = 0; d < kDocuments; ++d) {
    if (builder.AddDocument(d, documents[d], &marked)) abort();
  }
  documents.clear();
  if (builder.Write(dir.path(), pConfig)) abort();
  figures.m_dSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  figures.m_dBuilderMegabytes = PeakMegabytes() - before;
  figures.m_uIndexBytes = DiskSize(dir.path());
  figures.m_uDocsBytes = DiskSize(dir.File("docs"));
  figures.m_uOccsBytes = DiskSize(dir.File("occs"));
  return figures;
}

void Report(benchmark::State& state, const BuildFigures& figures) {
  state.SetIterationTime(figures.m_dSeconds);
  state.counters["corpus_MB"] = figures.m_uTextBytes / 1e6;
  state.counters["index_MB"] = figures.m_uIndexBytes / 1e6;
  state.counters["docs_MB"] = figures.m_uDocsBytes / 1e6;
  state.counters["occs_MB"] = figures.m_uOccsBytes / 1e6;
  state.counters["index_per_corpus"] =
      static_cast<double>(figures.m_uIndexBytes) / figures.m_uTextBytes;
}

// The index the queries run on: uncompressed, presorted.
struct Corpus {
  ztTempDir m_dir;
  std::vector<std::string> m_words;
  ztIStringSimplifier* m_pSimplifier = nullptr;
  ZTIndex* m_pIndex = nullptr;
  BuildFigures m_figures;

  Corpus() {
    setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
    ZTEnvir* envir = nullptr;
    m_pSimplifier = ztCreateSimplifier(ZTWordList::kDefaultSimplifierURL);
    if (!m_pSimplifier || ZTEnvir::GetEnvir(&envir) ||
        envir->SetValue("ZTF_FE_INDEX_PRESORTED", "1")) {
      abort();
    }
    std::string config;
    m_figures = BuildIndex(m_dir, false, m_pSimplifier, &m_words, &config);
    m_pIndex = new ZTIndex();
    if (m_pIndex->SetFileName(config.c_str(), nullptr)) abort();
  }
};

Corpus& Get() {
  static Corpus* s_corpus = new Corpus();
  return *s_corpus;
}

void BM_Build(benchmark::State& state) {
  for (auto _ : state) Report(state, Get().m_figures);
  state.counters["builder_MB"] = Get().m_figures.m_dBuilderMegabytes;
}

// The same index with compressed record files (built apart, not queried).
void BM_BuildCompressed(benchmark::State& state) {
  for (auto _ : state) {
    ztTempDir dir;
    std::vector<std::string> words;
    std::string config;
    Report(state, BuildIndex(dir, true, Get().m_pSimplifier, &words, &config));
  }
}

// The word of a Zipf rank.
std::string W(PRUint32 rank) {
  return Get().m_words[rank];
}

std::string Query(int form) {
  switch (form) {
    case 0:
      return W(0);  // common: in nearly every document
    case 1:
      return W(40000);  // rare: a few dozen occurrences
    case 2:
      return W(10) + " " + W(20);  // and
    case 3:
      return W(10) + " or " + W(20);  // or
    case 4:
      return W(10) + " not " + W(20);  // not
    case 5:
      return "\"" + W(1) + " " + W(2) + " " + W(3) + "\"";  // three-word phrase
    case 6:
      return W(5) + " near " + W(50);  // near
    case 7:
      return W(5) + " before " + W(50);  // before
    default:
      return W(100).substr(0, 3) + "*";  // wildcard with a three-letter beginning
  }
}

const char* const kForms[] = {"common", "rare", "and",    "or",      "not",
                              "phrase", "near", "before", "wildcard"};

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
      .count();
}

double Median(std::vector<double> times) {
  if (times.empty()) return 0;
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

// One query, then with range(1) set its scoring; counter median_us.
void BM_Search(benchmark::State& state) {
  Corpus& corpus = Get();
  const std::string query = Query(static_cast<int>(state.range(0)));
  const bool scored = state.range(1) != 0;
  state.SetLabel(std::string(kForms[state.range(0)]) + (scored ? "+score" : ""));
  std::vector<double> times;
  PRUint32 documents = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    ZTIndexResult* result = nullptr;
    ZTCursor* list = nullptr;
    int rc =
        corpus.m_pIndex->SearchExpression(query.c_str(), 0, corpus.m_pSimplifier, nullptr, &result);
    if (!rc && scored) {
      ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
      rc = result->RunScorer(scorer);
      scorer->Release();
    }
    if (!rc) rc = result->GetDocumentList(&list);
    times.push_back(Since(start));
    if (rc) state.SkipWithError("search failed");
    documents = list ? list->GetCount() : 0;
    ztRelease(list);
    ztRelease(result);
  }
  state.counters["documents"] = documents;
  state.counters["median_us"] = Median(times);
}

// GetHiliteInfo for each of the first 20 documents of a result; counter median_us.
void BM_HiliteFirst20(benchmark::State& state) {
  Corpus& corpus = Get();
  const std::string query = Query(static_cast<int>(state.range(0)));
  state.SetLabel(kForms[state.range(0)]);
  ZTIndexResult* result = nullptr;
  ZTCursor* list = nullptr;
  if (corpus.m_pIndex->SearchExpression(query.c_str(), 0, corpus.m_pSimplifier, nullptr, &result) ||
      result->GetDocumentList(&list) || !list || list->ComputeCursorForm()) {
    state.SkipWithError("search failed");
    ztRelease(result);
    return;
  }
  const PRUint32 count = std::min<PRUint32>(20, list->GetCount());
  std::vector<double> times;
  PRUint32 positions = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    positions = 0;
    for (PRUint32 i = 0; i < count; ++i) {
      ZTCursor* hilite = nullptr;
      if (result->GetHiliteInfo(list->GetArray()[i], &hilite)) state.SkipWithError("hilite failed");
      positions += hilite ? hilite->GetCount() : 0;
      ztRelease(hilite);
    }
    times.push_back(Since(start));
  }
  state.counters["positions"] = positions;
  state.counters["median_us"] = Median(times);
  ztRelease(list);
  ztRelease(result);
}

}  // namespace

BENCHMARK(BM_Build)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_BuildCompressed)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Search)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 8, 1), {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HiliteFirst20)->DenseRange(0, 8, 1)->Unit(benchmark::kMicrosecond);
