// zt: compiles and imports reference works and reads them from the terminal.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztTool.h"

namespace {

const char kUsage[] =
    "usage: zt COMMAND [ARGUMENTS] [--verbose]\n"
    "\n"
    "  zt build SOURCE OUT                 compile a source directory into the work OUT\n"
    "  zt import dictd INDEX DICT OUT      import a dictd database (.index, .dict or .dict.dz)\n"
    "  zt import stardict IFO OUT          import a StarDict dictionary (.ifo beside .idx, "
    ".dict[.dz])\n"
    "  zt lookup WORK WORD [--mode exact|begins|ends|wildcard|regex] [--case-sensitive]\n"
    "                      [--limit N] [--json]\n"
    "                                      headwords, accent- and case-insensitive by default\n"
    "  zt search WORK QUERY [--limit N] [--json]\n"
    "                                      full-text search: words, wildcards ? and *, "
    "\"phrases\",\n"
    "                                      or, and, not, near, before (left to right)\n"
    "  zt show WORK (HEADWORD | --path PATH | --doc N) [--query Q] [--html]\n"
    "                                      an article, the hits of Q highlighted\n"
    "  zt info WORK                        the work's description, tables and sizes\n"
    "  zt spell LANG WORD [--json]         spelling check and suggestions (GNU Aspell)\n"
    "  zt read WORK                        the interactive reader: a word shows its article\n"
    "                                      (Tab completes), /QUERY searches, N opens result N\n"
    "\n"
    "  --verbose shows the engine's own log lines; --help and --version print and exit.\n";

}  // namespace

int main(int argc, char** argv) {
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return kZtExitOk;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zt %s\n", ZT_VERSION);
      return kZtExitOk;
    }
    verbose = verbose || std::strcmp(argv[i], "--verbose") == 0;
  }
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return kZtExitUsage;
  }
  ztTool::Start(argv[0], verbose);
  const std::string command = argv[1];
  const struct {
    const char* m_pcName;
    int (*m_pRun)(int, char**);
  } kCommands[] = {{"build", ztBuildCommand},   {"import", ztImportCommand},
                   {"lookup", ztLookupCommand}, {"search", ztSearchCommand},
                   {"show", ztShowCommand},     {"info", ztInfoCommand},
                   {"spell", ztSpellCommand},   {"read", ztReadCommand}};
  for (const auto& c : kCommands) {
    if (command == c.m_pcName) return c.m_pRun(argc, argv);
  }
  return ztTool::Usage("unknown command " + command);
}
