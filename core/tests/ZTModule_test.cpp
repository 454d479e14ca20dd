// Loading libraries as modules: entry points, unloading, global binding for "_rtldg." names,
// and the lines each verbosity reports.
#include "core/ZTModule.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/ZTErrors.h"
#include "core/tests/ztFactoryTesting.h"

namespace {

const std::string kEchoModule = ztTestModuleDir("valid") + "/libzttest_echo.so";
const std::string kNotModule = ztTestModuleDir("notmodule") + "/libzttest_notmodule.so";
const std::string kKeepModule = ztTestModuleDir("keep") + "/libzttest_keep.so";
const std::string kRtldgModule = ztTestModuleDir("rtldg") + "/libzttest_rtldg.so";
const std::string kMissing = ztTestModuleDir("valid") + "/libzttest_missing.so";

TEST(ZTModuleTest, LibraryWithoutInitializeIsNotRegisteredAndUnloadedAtOnce) {
  ztSetEngineValue("ZT_COM_PATH", ztTestModuleDir("notmodule"));
  ztTestFactory();
  EXPECT_FALSE(ztHasComponent("test:orphan:"));
  EXPECT_FALSE(ztIsMapped(kNotModule));
}

TEST(ZTModuleTest, DoNotUnloadKeepsTheLibraryMappedAfterItsFactoryIsGone) {
  ztSetEngineValue("ZT_COM_PATH", ztTestModuleDir("keep") + ";" + ztTestModuleDir("valid"));
  EXPECT_EQ(ztEcho("test:keep:k"), "keep|k");
  ASSERT_TRUE(ztIsMapped(kEchoModule));
  ZTFactory::SetFactory(nullptr);
  EXPECT_TRUE(ztIsMapped(kKeepModule));
  EXPECT_FALSE(ztIsMapped(kEchoModule));
}

// The module's own entry point as the process sees it through its global symbols.
const char* GloballyVisibleComponentName() {
  auto getData = reinterpret_cast<const ZTComponentData_s* (*)()>(
      dlsym(RTLD_DEFAULT, "ZTModuleGetComponentData"));
  return getData ? getData()->m_pcszName : nullptr;
}

TEST(ZTModuleTest, RtldgLibraryMakesItsSymbolsGlobal) {
  ztSetEngineValue("ZT_COM_PATH", ztTestModuleDir("rtldg"));
  EXPECT_EQ(ztEcho("test:rtldg:"), "rtldg|");
  EXPECT_STREQ(GloballyVisibleComponentName(), "rtldg");
}

TEST(ZTModuleTest, OtherLibrariesKeepTheirSymbolsLocal) {
  EXPECT_EQ(ztEcho("test:echo:"), "echo|");
  EXPECT_EQ(GloballyVisibleComponentName(), nullptr);
}

TEST(ZTModuleTest, LoadedModuleGivesItsComponentTable) {
  ztTestFactory();
  ZTModule* module = new ZTModule();
  EXPECT_EQ(module->GetComponentData(), nullptr);
  ASSERT_EQ(module->Load(kEchoModule.c_str(), 0), 0);
  const ZTComponentData_s* rows = module->GetComponentData();
  ASSERT_NE(rows, nullptr);
  EXPECT_STREQ(rows[0].m_pcszName, "echo");
  EXPECT_STREQ(rows[1].m_pcszName, "fail");
  EXPECT_EQ(rows[2].m_pcszCategory, nullptr);
  EXPECT_EQ(module->Load(kEchoModule.c_str(), 0), 1);  // loads once
  module->Release();
}

struct LoadCase {
  const std::string* path;
  int verbosity;
  int code;
  // The lines after "--- ZTFactory: loading '<path>'..." (and "(rtldg)"), empty for none.
  const char* outcome;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
  *os << *c.path << " at " << c.verbosity;
}

class LoadReport : public testing::TestWithParam<LoadCase> {};

// What NSPR reports for a library dlopen cannot load: dlerror's own text.
std::string LoaderError(const std::string& path) {
  dlopen(path.c_str(), RTLD_LAZY);
  return dlerror();
}

TEST_P(LoadReport, LogsTheLinesOfItsVerbosity) {
  const LoadCase& c = GetParam();
  ztTestFactory();
  ztTakeLog();
  ZTModule* module = new ZTModule();
  EXPECT_EQ(module->Load(c.path->c_str(), c.verbosity), c.code);
  module->Release();
  std::string expected;
  if (*c.outcome) {
    expected = "[ztdebug] --- ZTFactory: loading '" + *c.path + "'...\n";
    if (c.path == &kRtldgModule) expected += "[ztdebug] (rtldg)\n";
    std::string outcome = c.outcome;
    if (outcome == "failed") outcome = "failed: (-5977) " + LoaderError(*c.path) + ".";
    expected += "[ztdebug] " + outcome + "\n";
  }
  EXPECT_EQ(ztTakeLog(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Verbosity, LoadReport,
    testing::Values(LoadCase{&kMissing, 0, 10, ""}, LoadCase{&kMissing, 1, 10, "failed"},
                    LoadCase{&kRtldgModule, 1, 0, ""}, LoadCase{&kRtldgModule, 2, 0, "succeeded."},
                    LoadCase{&kEchoModule, 2, 0, "succeeded."}, LoadCase{&kNotModule, 0, 10, ""},
                    LoadCase{&kNotModule, 1, 10, "not a ZT module."}));

}  // namespace
