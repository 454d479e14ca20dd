// What every command shares: --help, --version, usage errors, the engine's log kept out of
// the output unless --verbose, and the engine modules found without ZT_COM_PATH.
#include <gtest/gtest.h>

#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

TEST(ztTool, PrintsHelpAndVersion) {
  for (const char* flag : {"--help", "-h"}) {
    const ztToolRun run = ztRunTool({flag});
    EXPECT_EQ(run.m_iStatus, 0);
    EXPECT_EQ(run.m_out.rfind("usage: zt COMMAND", 0), 0u) << run.m_out;
    for (const char* command :
         {"build", "import", "lookup", "search", "show", "info", "spell", "read"}) {
      EXPECT_NE(run.m_out.find(std::string("  zt ") + command + " "), std::string::npos) << command;
    }
  }
  const ztToolRun version = ztRunTool({"lookup", "--version"});
  EXPECT_EQ(version.m_iStatus, 0);
  EXPECT_EQ(version.m_out.rfind("zt ", 0), 0u);
  EXPECT_EQ(ztLines(version.m_out).size(), 1u);
}

TEST(ztTool, RefusesUnknownCommandsInOneSentence) {
  const ztToolRun none = ztRunTool({});
  EXPECT_EQ(none.m_iStatus, 2);
  EXPECT_EQ(none.m_err.rfind("usage: zt COMMAND", 0), 0u);
  const ztToolRun unknown = ztRunTool({"frobnicate"});
  EXPECT_EQ(unknown.m_iStatus, 2);
  EXPECT_EQ(unknown.m_err, "zt: unknown command frobnicate (see zt --help)\n");
  EXPECT_EQ(unknown.m_out, "");
}

TEST(ztTool, ShowsTheEngineLogOnlyWhenVerbose) {
  const std::vector<std::string> args = {"search", ztSampleWork(), "\"unclosed"};
  const ztToolRun quiet = ztRunTool(args);
  EXPECT_EQ(ztLines(quiet.m_err).size(), 1u) << quiet.m_err;
  std::vector<std::string> verboseArgs = args;
  verboseArgs.push_back("--verbose");
  const ztToolRun verbose = ztRunTool(verboseArgs);
  EXPECT_EQ(verbose.m_iStatus, 1);
  EXPECT_GT(ztLines(verbose.m_err).size(), 1u) << verbose.m_err;
  EXPECT_EQ(ztLines(verbose.m_err).back(), ztLines(quiet.m_err).back());
}

TEST(ztTool, FindsItsEngineModulesByItself) {
  ztToolOptions options;
  options.m_bOwnModulePath = true;
  const ztToolRun run = ztRunTool({"lookup", ztSampleWork(), "creme"}, options);
  EXPECT_EQ(run.m_iStatus, 0) << run.m_err;
  EXPECT_EQ(run.m_out, "creme\tcreme\ncrème\tcreme\n");
}

}  // namespace
