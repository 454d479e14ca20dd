// The module search of the process-wide factory: which directories it browses in which order,
// which files it tries, duplicates, and the lines ZT_DEBUG_MODULE asks for. The process's
// ZT_COM_PATH names the "dupb" directory; "dupa" and "dupb" both register "recordset"/"native".
#include "core/detail/ZTMainFactory.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/tests/ztFactoryTesting.h"
#include "testing/ztTempDir.h"

namespace {

const char kBrowsing[] = "[ztdebug] *** ZTFactory: browsing '";

// The directories the factory browsed, in order, read from its verbosity-2 lines.
std::vector<std::string> Browsed(const std::string& log) {
  std::vector<std::string> dirs;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(kBrowsing, 0) == 0) {
      dirs.push_back(line.substr(sizeof(kBrowsing) - 1, line.size() - sizeof(kBrowsing) - 3));
    }
  }
  return dirs;
}

struct SearchCase {
  const char* engineComPath;  // null: left to the process value
  std::vector<std::string> browsed;
  const char* nativeTag;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
  *os << (c.engineComPath ? c.engineComPath : "process value");
}

class SearchOrder : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchOrder, BrowsesEveryPieceInOrderAndTheFirstRegistrationWins) {
  const SearchCase& c = GetParam();
  const std::string a = ztTestModuleDir("dupa"), b = ztTestModuleDir("dupb");
  if (c.engineComPath) {
    std::string path = c.engineComPath;
    for (size_t at; (at = path.find('A')) != std::string::npos;) path.replace(at, 1, a);
    for (size_t at; (at = path.find('B')) != std::string::npos;) path.replace(at, 1, b);
    ztSetEngineValue("ZT_COM_PATH", path);
  }
  ztSetEngineValue("ZT_DEBUG_MODULE", "2");
  EXPECT_EQ(ztEcho("recordset:native:t"), std::string(c.nativeTag) + "|t");
  std::vector<std::string> expected;
  for (const std::string& d : c.browsed) expected.push_back(d == "A" ? a : b);
  EXPECT_EQ(Browsed(ztTakeLog()), expected);
}

INSTANTIATE_TEST_SUITE_P(ComPath, SearchOrder,
                         testing::Values(SearchCase{nullptr, {"B"}, "b"},
                                         SearchCase{"A", {"A"}, "a"},
                                         SearchCase{"A;;B", {"A", "B"}, "a"},
                                         SearchCase{";B;A;", {"B", "A"}, "b"}));

TEST(ZTMainFactoryTest, AppendedPathIsBrowsedOnceFromTheEngineOnlyAndConsumed) {
  setenv("ZT_COM_PATH_APPEND", ztTestModuleDir("names").c_str(), 1);  // never imported
  ztSetEngineValue("ZT_COM_PATH_APPEND", ztTestModuleDir("valid"));
  ztSetEngineValue("ZT_DEBUG_MODULE", "2");
  EXPECT_EQ(ztEcho("test:echo:"), "echo|");
  EXPECT_EQ(Browsed(ztTakeLog()),
            (std::vector<std::string>{ztTestModuleDir("dupb"), ztTestModuleDir("valid")}));
  EXPECT_FALSE(ztHasComponent("test:upper:"));
  EXPECT_EQ(ztEngineValue("ZT_COM_PATH_APPEND"), "");
}

// Without ZT_COM_PATH the factory looks in "<ZT_HOME>/ztcomponents", else "./ztcomponents".
class DefaultDirectory : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    unsetenv("ZT_COM_PATH");
    unsetenv("ZT_HOME");
    std::filesystem::create_directory(m_home.File("ztcomponents"));
    std::filesystem::copy_file(ztTestModuleDir("valid") + "/libzttest_echo.so",
                               m_home.File("ztcomponents/libzttest_echo.so"));
  }
  ztTempDir m_home;
};

TEST_P(DefaultDirectory, HoldsTheModules) {
  const bool withHome = GetParam();
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
  if (withHome) {
    setenv("ZT_HOME", m_home.path().c_str(), 1);
  } else {
    ASSERT_EQ(chdir(m_home.path().c_str()), 0);
  }
  ztSetEngineValue("ZT_DEBUG_MODULE", "2");
  EXPECT_EQ(ztEcho("test:echo:"), "echo|");
  const std::string expected = withHome ? m_home.File("ztcomponents") : "./ztcomponents";
  EXPECT_EQ(Browsed(ztTakeLog()), std::vector<std::string>{expected});
  ASSERT_EQ(chdir(previous), 0);
}

INSTANTIATE_TEST_SUITE_P(Home, DefaultDirectory, testing::Bool());

TEST(ZTMainFactoryTest, ModuleFilesAreChosenByExtensionWithoutCaseAndHiddenOnesSkipped) {
  ztSetEngineValue("ZT_COM_PATH", ztTestModuleDir("names"));
  EXPECT_EQ(ztEcho("test:upper:"), "upper|");
  EXPECT_EQ(ztEcho("test:dylib:"), "dylib|");
  EXPECT_FALSE(ztHasComponent("test:hidden:"));
}

TEST(ZTMainFactoryTest, UnreadableDirectoryIsSkipped) {
  ztTempDir tmp;
  ztConsoleLog::Init();
  ZTMainFactory factory;
  EXPECT_EQ(factory.BrowseDirectory(tmp.File("absent").c_str(), 0), 1);
  ztSetEngineValue("ZT_COM_PATH", tmp.File("absent") + ";" + ztTestModuleDir("valid"));
  EXPECT_EQ(ztEcho("test:echo:"), "echo|");
}

struct VerbosityCase {
  const char* value;
  bool fromProcess;  // ZT_DEBUG_MODULE set in the process, else in the engine
  int level;
};

void PrintTo(const VerbosityCase& c, std::ostream* os) {
  *os << c.value << (c.fromProcess ? " from the process" : " in the engine");
}

class VerbosityLines : public testing::TestWithParam<VerbosityCase> {};

TEST_P(VerbosityLines, AreExactlyThoseOfTheLevel) {
  const VerbosityCase& c = GetParam();
  ztTempDir junk;
  const std::string junkLib = junk.Write("junk.so", "not a library");
  junk.Write("notes.txt", "");
  dlopen(junkLib.c_str(), RTLD_LAZY);
  const std::string loaderError = dlerror();
  const std::string nm = ztTestModuleDir("notmodule"), a = ztTestModuleDir("dupa"),
                    b = ztTestModuleDir("dupb"), v = ztTestModuleDir("valid");
  ztSetEngineValue("ZT_COM_PATH", junk.path() + ";" + nm + ";" + a + ";" + b + ";" + v);
  if (c.fromProcess) {
    setenv("ZT_DEBUG_MODULE", c.value, 1);
  } else {
    ztSetEngineValue("ZT_DEBUG_MODULE", c.value);
  }
  const std::vector<std::pair<int, std::string>> lines = {
      {2, "*** ZTFactory: browsing '" + junk.path() + "'...\n"},
      {1, "--- ZTFactory: loading '" + junkLib + "'..."},
      {1, "failed: (-5977) " + loaderError + "."},
      {2, "*** ZTFactory: browsing '" + nm + "'...\n"},
      {1, "--- ZTFactory: loading '" + nm + "/libzttest_notmodule.so'..."},
      {1, "not a ZT module."},
      {2, "*** ZTFactory: browsing '" + a + "'...\n"},
      {2, "--- ZTFactory: loading '" + a + "/libzttest_dupa.so'..."},
      {2, "succeeded."},
      {2, "    +++ ZTFactory: register component \"recordset\" -> \"native\"."},
      {2, "*** ZTFactory: browsing '" + b + "'...\n"},
      {2, "--- ZTFactory: loading '" + b + "/libzttest_dupb.so'..."},
      {2, "succeeded."},
      {1, "    ### ZTFactory: component \"recordset\" -> \"native\" already registered."},
      {2, "*** ZTFactory: browsing '" + v + "'...\n"},
      {2, "--- ZTFactory: loading '" + v + "/libzttest_echo.so'..."},
      {2, "succeeded."},
      {2, "    +++ ZTFactory: register component \"test\" -> \"echo\"."},
      {2, "    +++ ZTFactory: register component \"test\" -> \"fail\"."},
  };
  std::string expected;
  for (const auto& [level, text] : lines) {
    if (level <= c.level) expected += "[ztdebug] " + text + "\n";
  }
  ztTestFactory();
  EXPECT_EQ(ztTakeLog(), expected);
  EXPECT_EQ(ztEcho("recordset:native:"), "a|");
  EXPECT_EQ(ztEcho("test:echo:"), "echo|");
}

INSTANTIATE_TEST_SUITE_P(ZtDebugModule, VerbosityLines,
                         testing::Values(VerbosityCase{"0", false, 0}, VerbosityCase{"1", true, 1},
                                         VerbosityCase{"2", false, 2}, VerbosityCase{"3", true, 2},
                                         VerbosityCase{"loud", false, 0}));

}  // namespace
