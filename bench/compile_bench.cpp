// Compiling GCIDE (Debian's dict-gcide) into a work: the seconds of the compiler alone (the
// import is done once, beforehand) and the size of each part of the work. Skipped when the
// dictionary is not installed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "testing/ztTempDir.h"
#include "tools/zt/ZTDictdImporter.h"
#include "tools/zt/work/ZTWorkCompiler.h"
#include "tools/zt/work/ztDirectory.h"
#include "tools/zt/work/ztWorkLayout.h"

namespace {

const char kIndex[] = "/usr/share/dictd/gcide.index";
const char kDict[] = "/usr/share/dictd/gcide.dict.dz";

// The imported entries, or null when the dictionary is missing or does not import.
const ZTSource* Gcide() {
  static ZTSource* s_source = [] {
    setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
    ZTSource* source = new ZTSource();
    ZTImportSummary summary;
    if (!ztExists(kIndex) || ZTDictdImporter().Import(kIndex, kDict, source, &summary)) {
      delete source;
      return static_cast<ZTSource*>(nullptr);
    }
    return source;
  }();
  return s_source;
}

void BM_CompileGcide(benchmark::State& state) {
  const ZTSource* source = Gcide();
  if (!source) {
    state.SkipWithError("dict-gcide is not installed");
    return;
  }
  for (auto _ : state) {
    ztTempDir dir;
    const std::string out = dir.File("gcide");
    ZTCompileSummary summary;
    if (ZTWorkCompiler().Compile(*source, out, &summary)) {
      state.SkipWithError("the compile failed");
      return;
    }
    state.SetIterationTime(summary.m_dSeconds);
    state.counters["work_MB"] = summary.m_uBytes / 1e6;
    for (const char* part : {kZtHeadwordDir, kZtIndexDir, kZtArticleDir}) {
      state.counters[std::string(part) + "_MB"] = ztTreeSize(out + "/" + part) / 1e6;
    }
  }
}

}  // namespace

BENCHMARK(BM_CompileGcide)->Iterations(3)->UseManualTime()->Unit(benchmark::kSecond);
