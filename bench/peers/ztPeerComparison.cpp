#include "bench/peers/ztPeerComparison.h"

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

}  // namespace

ztPeerComparison::~ztPeerComparison() {
  // The engines close their databases (and dictd stops) before the directory goes.
  for (auto& engine : m_engines) engine.reset();
}

bool ztPeerComparison::Prepare() {
  const char* gcide = std::getenv("ZT_PEERS_GCIDE");
  const std::string base = gcide ? gcide : "/usr/share/dictd/gcide";
  const std::string indexPath = base + ".index", dataPath = base + ".dict.dz";
  const char* dir = std::getenv("ZT_PEERS_DIR");
  if (dir) {
    m_directory = dir;
  } else {
    m_pTemp = std::make_unique<ztTempDir>();
    m_directory = m_pTemp->path();
  }
  if (!m_corpus.Load(indexPath, dataPath)) return false;
  m_engines[kZt] = std::make_unique<ztZtPeer>();
  m_engines[kSqlite] = std::make_unique<ztSqlitePeer>();
  m_engines[kXapian] = std::make_unique<ztXapianPeer>();
  m_engines[kDictd] = std::make_unique<ztDictdPeer>(indexPath, dataPath);
  const char* only = std::getenv("ZT_PEERS_ENGINES");
  for (int engine = 0; engine < kEngineCount; ++engine) {
    if (Selected(only, ztPeerEngineName(engine))) {
      Build(engine);
    } else {
      m_engines[engine].reset();
    }
  }
  // dictd's database is the dictd files themselves.
  m_builds[kDictd].m_uBytes = SizeOnDisk(indexPath) + SizeOnDisk(dataPath);
  return true;
}

// A database of an earlier run in the same directory is replaced.
void ztPeerComparison::Build(int engine) {
  const std::string path = m_directory + "/" + ztPeerEngineName(engine);
  std::error_code error;
  fs::remove_all(path, error);
  fs::create_directories(m_directory, error);
  const auto start = std::chrono::steady_clock::now();
  ztPeerBuild& build = m_builds[engine];
  build.m_bBuilt = m_engines[engine]->Build(m_corpus, path);
  build.m_dSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  build.m_uBytes = SizeOnDisk(path);
  if (!build.m_bBuilt) {
    std::fprintf(stderr, "peers: %s left out\n", ztPeerEngineName(engine));
    m_engines[engine].reset();
  }
}
