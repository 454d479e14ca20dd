// Path resolution in a file system of 300,000 files in 3,110 directories, written by the
// file-system builder: ten directories at the root, ten in each, thirty in each of those and
// a hundred files in each of the 3,000 directories of the third level, so that a file's path
// has four components. The counter "median_us" is the median of the single resolutions.
// Opening is measured too, since the tables that resolution walks are read whole then.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTFileSystemBuilder.h"

namespace {

const PRUint32 kFanOut[] = {10, 10, 30};
const PRUint32 kFilesPerDirectory = 100;

struct Tree {
  ztTempDir m_dir;
  ZTFileSystemBuilder m_builder;
  std::vector<ZTBuilderDirectory> m_dirs;
  std::vector<ZTBuilderFile> m_files;
  std::vector<std::string> m_paths;  // a sample of the files' paths

  // Adds the children of directory parent (at depth level, with the path prefix).
  void Fill(PRUint32 parent, size_t level, const std::string& prefix) {
    if (level == sizeof(kFanOut) / sizeof(kFanOut[0])) return AddFiles(parent, prefix);
    for (PRUint32 i = 0; i < kFanOut[level]; ++i) {
      const PRUint32 child = static_cast<PRUint32>(m_dirs.size());
      const std::string name = "dir" + std::to_string(i);
      m_dirs.push_back({name, parent, {}, {}});
      m_dirs[parent].m_dirs.push_back(child);
      Fill(child, level + 1, prefix + name + "/");
    }
  }

  void AddFiles(PRUint32 parent, const std::string& prefix) {
    for (PRUint32 i = 0; i < kFilesPerDirectory; ++i) {
      const std::string name = "article" + std::to_string(i) + ".html";
      m_dirs[parent].m_files.push_back(static_cast<PRUint32>(m_files.size()));
      m_files.push_back({name, parent, "Article " + std::to_string(i), "<p></p>"});
      if (m_files.size() % 293 == 0) m_paths.push_back(prefix + name);
    }
  }

  // Writes the tree (once) and answers its configuration's path.
  const std::string& Write() {
    if (!m_config.empty()) return m_config;
    setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
    m_dirs.push_back({"", 0, {}, {}});
    Fill(0, 0, "");
    for (const ZTBuilderDirectory& d : m_dirs) m_builder.AddDirectory(d);
    for (const ZTBuilderFile& f : m_files) m_builder.AddFile(f);
    if (m_builder.Write(m_dir.path(), &m_config)) abort();
    return m_config;
  }

  ZTFileSystem* Open() {
    ZTFileSystem* fs = new ZTFileSystem();
    if (fs->SetFileName(Write().c_str(), nullptr)) abort();
    return fs;
  }

  std::string m_config;
};

Tree& GetTree() {
  static Tree* s_tree = new Tree();
  return *s_tree;
}

void BM_ResolveFourLevels(benchmark::State& state) {
  Tree& tree = GetTree();
  static ZTFileSystem* s_fs = tree.Open();
  std::vector<double> times;
  size_t next = 0;
  for (auto _ : state) {
    const char* path = tree.m_paths[next++ % tree.m_paths.size()].c_str();
    const auto start = std::chrono::steady_clock::now();
    ZTFSFile* file = nullptr;
    const int rc = s_fs->GetFile(path, &file);
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
    if (rc) state.SkipWithError("path resolution failed");
    if (file) file->Release();
  }
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  state.counters["median_us"] = times.empty() ? 0 : times[times.size() / 2];
}

// Opening the file system: its configuration, its four tables and whatever they read at once.
void BM_Open(benchmark::State& state) {
  Tree& tree = GetTree();
  tree.Write();
  for (auto _ : state) tree.Open()->Release();
}

}  // namespace

BENCHMARK(BM_ResolveFourLevels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);
