// zt build and zt import: sources and imported dictionaries compiled into works.
#include <cstdio>
#include <string>

#include "core/ztConsoleLog.h"
#include "tools/zt/ZTDictdImporter.h"
#include "tools/zt/ZTSourceReader.h"
#include "tools/zt/ZTStarDictImporter.h"
#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztTool.h"
#include "tools/zt/work/ZTWorkCompiler.h"

namespace {

int Compile(const ZTSource& source, const std::string& out) {
  ztTool::Progress("entries read: " + std::to_string(source.m_entries.size()));
  ZTWorkCompiler compiler;
  compiler.SetProgress(ztTool::Progress);
  ZTCompileSummary summary;
  const int rc = compiler.Compile(source, out, &summary);
  if (rc) return ztTool::Fail("could not compile " + out, rc, false);
  std::printf("%s: %u entries, %u headwords, %llu words indexed, %.1f MB, %.1f s\n", out.c_str(),
              summary.m_uEntries, summary.m_uHeadwords,
              static_cast<unsigned long long>(summary.m_uWordsIndexed),
              static_cast<double>(summary.m_uBytes) / 1e6, summary.m_dSeconds);
  return kZtExitOk;
}

void PrintImport(const ZTImportSummary& summary) {
  std::printf(
      "imported: %u records read, %u entries kept, %u merged into others, %u about the database, "
      "%u variants\n",
      summary.m_uRead, summary.m_uKept, summary.m_uMerged, summary.m_uInfo, summary.m_uVariants);
}

}  // namespace

int ztBuildCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {}, {}, &line);
  if (rc) return rc;
  if (line.m_positional.size() != 2) return ztTool::Usage("build takes SOURCE and OUT");
  ZTSourceReader reader;
  ZTSource source;
  rc = reader.Read(line.m_positional[0], &source);
  if (rc) return ztTool::Fail("could not read the source " + line.m_positional[0], rc, false);
  return Compile(source, line.m_positional[1]);
}

int ztImportCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {}, {}, &line);
  if (rc) return rc;
  const std::vector<std::string>& args = line.m_positional;
  ZTSource source;
  ZTImportSummary summary;
  if (args.size() == 4 && args[0] == "dictd") {
    ZTDictdImporter importer;
    rc = importer.Import(args[1], args[2], &source, &summary);
  } else if (args.size() == 3 && args[0] == "stardict") {
    ZTStarDictImporter importer;
    rc = importer.Import(args[1], &source, &summary);
  } else {
    return ztTool::Usage("import takes dictd INDEX DICT OUT, or stardict IFO OUT");
  }
  if (rc) return ztTool::Fail("could not import " + args[1], rc, false);
  PrintImport(summary);
  return Compile(source, args.back());
}
