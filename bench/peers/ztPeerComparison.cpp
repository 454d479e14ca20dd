#include "bench/peers/ztPeerComparison.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/peers/ztDictdPeer.h"
#include "bench/peers/ztSqlitePeer.h"
#include "bench/peers/ztXapianPeer.h"
#include "bench/peers/ztZtPeer.h"

namespace fs = std::filesystem;

namespace {

uint64_t SizeOnDisk(const std::string& path) {
  uint64_t bytes = 0;
  std::error_code error;
  if (fs::is_regular_file(path, error)) return fs::file_size(path, error);
  for (const auto& item : fs::recursive_directory_iterator(path, error)) {
    if (item.is_regular_file(error)) bytes += item.file_size(error);
  }
  return bytes;
}

// Whether engine is in the comma-separated list (every engine without one).
bool Selected(const char* list, const std::string& engine) {
  if (!list) return true;
  const std::string names = std::string(",") + list + ",";
  return names.find("," + engine + ",") != std::string::npos;
}

// Builds of the engines whose times are compared.
int BuildRounds() {
  const char* rounds = std::getenv("ZT_PEERS_BUILD_ROUNDS");
  const int count = rounds ? std::atoi(rounds) : 3;
  return count > 0 ? count : 1;
}

}  // namespace

double ztPeerMedian(std::vector<double> times) {
  if (times.empty()) return 0;
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

ztPeerComparison::~ztPeerComparison() {
  // The engines close their databases (and dictd stops) before the directory goes.
  for (auto& engine : m_engines) engine.reset();
}

bool ztPeerComparison::Prepare() {
  const char* gcide = std::getenv("ZT_PEERS_GCIDE");
  const std::string base = gcide ? gcide : "/usr/share/dictd/gcide";
  m_indexPath = base + ".index";
  m_dataPath = base + ".dict.dz";
  const char* dir = std::getenv("ZT_PEERS_DIR");
  if (dir) {
    m_directory = dir;
  } else {
    m_pTemp = std::make_unique<ztTempDir>();
    m_directory = m_pTemp->path();
  }
  if (!m_corpus.Load(m_indexPath, m_dataPath)) return false;
  const char* only = std::getenv("ZT_PEERS_ENGINES");
  bool selected[kEngineCount];
  for (int engine = 0; engine < kEngineCount; ++engine) {
    selected[engine] = Selected(only, ztPeerEngineName(engine));
  }
  // In turn, so that both meet the machine in the same moods; one that failed is left out.
  const int rounds = BuildRounds();
  for (int round = 0; round < rounds; ++round) {
    for (int engine : {kZt, kSqlite}) {
      if (selected[engine] && (round == 0 || m_engines[engine])) Build(engine);
    }
  }
  for (int engine : {kXapian, kDictd}) {
    if (selected[engine]) Build(engine);
  }
  // dictd's database is the dictd files themselves.
  m_builds[kDictd].m_uBytes = SizeOnDisk(m_indexPath) + SizeOnDisk(m_dataPath);
  return true;
}

std::unique_ptr<ztPeerEngine> ztPeerComparison::NewEngine(int engine) const {
  switch (engine) {
    case kZt:
      return std::make_unique<ztZtPeer>();
    case kSqlite:
      return std::make_unique<ztSqlitePeer>();
    case kXapian:
      return std::make_unique<ztXapianPeer>();
    default:
      return std::make_unique<ztDictdPeer>(m_indexPath, m_dataPath);
  }
}

// A database of an earlier build or run in the same directory is replaced, its engine closed
// first.
void ztPeerComparison::Build(int engine) {
  m_engines[engine].reset();
  m_engines[engine] = NewEngine(engine);
  const std::string path = m_directory + "/" + ztPeerEngineName(engine);
  std::error_code error;
  fs::remove_all(path, error);
  fs::create_directories(m_directory, error);
  const auto start = std::chrono::steady_clock::now();
  ztPeerBuild& build = m_builds[engine];
  build.m_bBuilt = m_engines[engine]->Build(m_corpus, path);
  build.m_times.push_back(
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  build.m_dSeconds = ztPeerMedian(build.m_times);
  build.m_uBytes = SizeOnDisk(path);
  if (!build.m_bBuilt) {
    std::fprintf(stderr, "peers: %s left out\n", ztPeerEngineName(engine));
    m_engines[engine].reset();
  }
}
