// ztPeerComparison: the state of one run of the comparison: the corpus, every engine with its
// database (build time and size on disk), and the median time of each query on each engine as
// the benchmarks measure them.
#ifndef BENCH_PEERS_ZTPEERCOMPARISON_H_
#define BENCH_PEERS_ZTPEERCOMPARISON_H_

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/peers/ztPeerCorpus.h"
#include "bench/peers/ztPeerEngine.h"

#include "testing/ztTempDir.h"

struct ztPeerBuild {
  bool m_bBuilt = false;
  double m_dSeconds = 0;        // the median of m_times
  std::vector<double> m_times;  // seconds, one per build
  uint64_t m_uBytes = 0;
};

// The median of times (the upper one of an even count); 0 for none.
double ztPeerMedian(std::vector<double> times);

class ztPeerComparison {
 public:
  ~ztPeerComparison();

  // Imports the corpus (ZT_PEERS_GCIDE names the dictd files without ".index", default
  // /usr/share/dictd/gcide) and builds every database in ZT_PEERS_DIR, or in a temporary
  // directory removed at the end. An engine whose build fails is left out, and so is one missing
  // from ZT_PEERS_ENGINES when it is set (names separated by commas: "zt,sqlite"). The build
  // times compared, zt's and SQLite's, are the medians of ZT_PEERS_BUILD_ROUNDS builds (3
  // unless set), the two built in turn, each time anew; the other engines are built once.
  bool Prepare();

  ztPeerEngine* GetEngine(int engine) const { return m_engines[engine].get(); }
  const ztPeerBuild& GetBuild(int engine) const { return m_builds[engine]; }
  const ztPeerCorpus& GetCorpus() const { return m_corpus; }
  const std::string& GetDirectory() const { return m_directory; }

  void SetMedian(const std::string& query, int engine, double micros) {
    m_medians[query][engine] = micros;
  }
  // The medians of a query by engine, in microseconds.
  const std::map<int, double>& GetMedians(const std::string& query) { return m_medians[query]; }

 private:
  // A new engine of that kind, without its database.
  std::unique_ptr<ztPeerEngine> NewEngine(int engine) const;
  // Builds the engine's database anew (with a new engine), adding the time to its build's.
  void Build(int engine);

  ztPeerCorpus m_corpus;
  std::unique_ptr<ztTempDir> m_pTemp;
  std::string m_directory;
  std::string m_indexPath, m_dataPath;  // the dictd files of the corpus
  std::unique_ptr<ztPeerEngine> m_engines[kEngineCount];
  ztPeerBuild m_builds[kEngineCount];
  std::map<std::string, std::map<int, double>> m_medians;
};

#endif  // BENCH_PEERS_ZTPEERCOMPARISON_H_
