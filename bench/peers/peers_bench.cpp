// Our engine beside SQLite FTS5, Xapian and dictd on the GCIDE dictionary: every database is
// built from the same entries (BM_Build: seconds, for zt and SQLite the median of three builds
// made in turn, and size on disk), then the same query classes run on each engine that has them
// (BM_Query: median microseconds, results; on zt also BM_QueryWithSnippets, the reader's search
// with its snippets), and BM_Ratio sets the medians side by side with zt's time over the fastest
// peer's.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/peers/ztPeerComparison.h"
#include "bench/peers/ztPeerQuery.h"
#include "bench/peers/ztZtPeer.h"

namespace {

ztPeerComparison* s_pComparison = nullptr;

ztPeerComparison& Get() {
  if (!s_pComparison) {
    s_pComparison = new ztPeerComparison();
    if (!s_pComparison->Prepare()) {
      std::fprintf(stderr, "peers: the corpus cannot be read\n");
      std::exit(1);
    }
    std::fprintf(stderr, "peers: databases in %s\n", s_pComparison->GetDirectory().c_str());
  }
  return *s_pComparison;
}

// The fastest of the peers' figures (not zt's), or 0 when no peer has one.
double FastestPeer(const std::map<int, double>& figures) {
  double fastest = 0;
  for (const auto& [engine, value] : figures) {
    if (engine != kZt && (fastest == 0 || value < fastest)) fastest = value;
  }
  return fastest;
}

void BM_Build(benchmark::State& state, int engine) {
  const ztPeerBuild& build = Get().GetBuild(engine);
  for (auto _ : state) state.SetIterationTime(build.m_dSeconds);
  if (!build.m_bBuilt) state.SkipWithError("not built");
  state.counters["build_s"] = build.m_dSeconds;
  state.counters["builds"] = static_cast<double>(build.m_times.size());
  if (!build.m_times.empty()) {
    state.counters["build_min_s"] = *std::min_element(build.m_times.begin(), build.m_times.end());
    state.counters["build_max_s"] = *std::max_element(build.m_times.begin(), build.m_times.end());
  }
  state.counters["size_MB"] = build.m_uBytes / 1e6;
  if (engine == kZt) {
    state.counters["import_s"] = Get().GetCorpus().GetImportSeconds();
    state.counters["entries"] = static_cast<double>(Get().GetCorpus().GetDocuments().size());
    state.counters["text_MB"] = Get().GetCorpus().GetTextBytes() / 1e6;
  }
}

// zt's build time and size over those of SQLite FTS5 and of the fastest (smallest) peer.
void BM_BuildRatio(benchmark::State& state) {
  std::map<int, double> seconds, bytes;
  for (int engine : {kZt, kSqlite, kXapian}) {
    if (Get().GetBuild(engine).m_bBuilt) {
      seconds[engine] = Get().GetBuild(engine).m_dSeconds;
      bytes[engine] = static_cast<double>(Get().GetBuild(engine).m_uBytes);
    }
  }
  for (auto _ : state) {
  }
  if (!seconds.count(kZt) || !seconds.count(kSqlite)) return state.SkipWithError("not built");
  state.counters["time_zt_per_sqlite"] = seconds[kZt] / seconds[kSqlite];
  state.counters["size_zt_per_sqlite"] = bytes[kZt] / bytes[kSqlite];
  state.counters["time_zt_per_fastest"] = seconds[kZt] / FastestPeer(seconds);
  state.counters["size_zt_per_smallest"] = bytes[kZt] / FastestPeer(bytes);
}

// Runs query as often as the benchmark wants; the median time in microseconds, or -1 (the
// benchmark skipped) when it fails.
template <typename Query>
double Measure(benchmark::State& state, const std::string& text, Query query) {
  std::vector<double> times;
  long results = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    results = query();
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
    if (results < 0) {
      state.SkipWithError("query failed");
      return -1;
    }
  }
  state.SetLabel(text);
  state.counters["median_us"] = ztPeerMedian(times);
  state.counters["results"] = static_cast<double>(results);
  return ztPeerMedian(times);
}

void BM_Query(benchmark::State& state, const ztPeerQuery* query, int engine) {
  ztPeerEngine* peer = Get().GetEngine(engine);
  if (!peer) return state.SkipWithError("not built");
  const std::string& text = query->m_text[engine];
  const double median = Measure(state, text, [&] { return peer->Run(query->m_kind, text); });
  if (median >= 0) Get().SetMedian(query->m_name, engine, median);
}

// A full-text query on zt with the snippets the reader shows (outside the ratios).
void BM_QueryWithSnippets(benchmark::State& state, const ztPeerQuery* query) {
  auto* zt = static_cast<ztZtPeer*>(Get().GetEngine(kZt));
  if (!zt) return state.SkipWithError("not built");
  const std::string& text = query->m_text[kZt];
  Measure(state, text, [&] { return zt->SearchWithSnippets(text); });
}

void BM_Ratio(benchmark::State& state, const ztPeerQuery* query) {
  const std::map<int, double>& medians = Get().GetMedians(query->m_name);
  for (auto _ : state) {
  }
  for (const auto& [engine, median] : medians) {
    state.counters[std::string(ztPeerEngineName(engine)) + "_us"] = median;
  }
  const double fastest = FastestPeer(medians);
  if (!medians.count(kZt) || fastest == 0) return state.SkipWithError("no figures to compare");
  state.counters["zt_per_fastest"] = medians.at(kZt) / fastest;
}

void Register() {
  for (int engine = 0; engine < kEngineCount; ++engine) {
    benchmark::RegisterBenchmark((std::string("BM_Build/") + ztPeerEngineName(engine)).c_str(),
                                 BM_Build, engine)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kSecond);
  }
  benchmark::RegisterBenchmark("BM_BuildRatio", BM_BuildRatio)->Iterations(1);
  for (const ztPeerQuery& query : ztPeerQueries()) {
    for (int engine = 0; engine < kEngineCount; ++engine) {
      if (query.m_text[engine].empty()) continue;
      const std::string name =
          std::string("BM_Query/") + query.m_name + "/" + ztPeerEngineName(engine);
      benchmark::RegisterBenchmark(name.c_str(), BM_Query, &query, engine)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  for (const ztPeerQuery& query : ztPeerQueries()) {
    if (query.m_kind != ztPeerQueryKind::kFullText) continue;
    benchmark::RegisterBenchmark((std::string("BM_QueryWithSnippets/") + query.m_name).c_str(),
                                 BM_QueryWithSnippets, &query)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const ztPeerQuery& query : ztPeerQueries()) {
    benchmark::RegisterBenchmark((std::string("BM_Ratio/") + query.m_name).c_str(), BM_Ratio,
                                 &query)
        ->Iterations(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Register();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete s_pComparison;  // stops dictd and removes a temporary directory
  return 0;
}
