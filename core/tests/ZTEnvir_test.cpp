#include "core/ZTEnvir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/tests/ztEnvirTesting.h"
#include "testing/ztCapturedLog.h"

namespace {

TEST(ZTEnvirTest, FreshEnvironmentKeepsItsLastContext) {
  ztTakeLog();
  EXPECT_EQ(ztTestContexts(), 1);
  EXPECT_EQ(ztTestEnvir()->Pop(), 1);
  EXPECT_EQ(ztTestContexts(), 1);
  EXPECT_EQ(ztTakeLog(), "[ZTRealEnvir::Pop()]Attempt to flush entirely the context stack.\n");
  EXPECT_EQ(ztTestEnvir()->Push(), 0);
  EXPECT_EQ(ztTestContexts(), 2);
  EXPECT_EQ(ztTestEnvir()->Pop(), 0);
  EXPECT_EQ(ztTestContexts(), 1);
}

TEST(ZTEnvirTest, PushedContextStartsAsCopyAndPopRestores) {
  ZTEnvir* envir = ztTestEnvir();
  ASSERT_EQ(envir->SetValue("A", "1"), 0);
  ASSERT_EQ(envir->Push(), 0);
  EXPECT_EQ(ztTestValue("A"), "1");
  ASSERT_EQ(envir->SetValue("A", "2"), 0);
  ASSERT_EQ(envir->SetValue("B", "x"), 0);
  ASSERT_EQ(envir->Push(), 0);
  ASSERT_EQ(envir->AppendToValue("A", "3"), 0);
  EXPECT_EQ(ztTestValue("A"), "23");
  ASSERT_EQ(envir->Pop(), 0);
  EXPECT_EQ(ztTestValue("A"), "2");
  ASSERT_EQ(envir->Pop(), 0);
  EXPECT_EQ(ztTestValue("A"), "1");
  EXPECT_EQ(ztTestValue("B"), "");
}

TEST(ZTEnvirTest, UnsetVariableReadsAsEmptyString) {
  EXPECT_EQ(ztTestValue("NEVER_SET"), "");
  ASSERT_EQ(ztTestEnvir()->SetValue("EMPTY", ""), 0);
  EXPECT_EQ(ztTestValue("EMPTY"), "");
}

TEST(ZTEnvirTest, AppendAndPrependAddNoSeparator) {
  ZTEnvir* envir = ztTestEnvir();
  ASSERT_EQ(envir->AppendToValue("L", "b"), 0);  // unset counts as empty
  EXPECT_EQ(ztTestValue("L"), "b");
  ASSERT_EQ(envir->SetValue("L", "a"), 0);
  ASSERT_EQ(envir->AppendToValue("L", "b"), 0);
  EXPECT_EQ(ztTestValue("L"), "ab");
  ASSERT_EQ(envir->PrependToValue("L", "c;"), 0);
  EXPECT_EQ(ztTestValue("L"), "c;ab");
}

TEST(ZTEnvirTest, ImportValueHonoursTheOverrideFlag) {
  ZTEnvir* envir = ztTestEnvir();
  setenv("ZT_TEST_PROCESS_VAR", "from-process", 1);
  unsetenv("ZT_TEST_ABSENT_VAR");
  EXPECT_EQ(envir->ImportValue("V", "ZT_TEST_PROCESS_VAR", PR_FALSE), 0);
  EXPECT_EQ(ztTestValue("V"), "from-process");  // not set yet: imported
  ASSERT_EQ(envir->SetValue("V", "engine"), 0);
  EXPECT_EQ(envir->ImportValue("V", "ZT_TEST_PROCESS_VAR", PR_FALSE), 0);
  EXPECT_EQ(ztTestValue("V"), "engine");
  EXPECT_EQ(envir->ImportValue("V", "ZT_TEST_ABSENT_VAR", PR_TRUE), 0);
  EXPECT_EQ(ztTestValue("V"), "engine");
  EXPECT_EQ(envir->ImportValue("V", "ZT_TEST_PROCESS_VAR", PR_TRUE), 0);
  EXPECT_EQ(ztTestValue("V"), "from-process");
}

TEST(ZTEnvirTest, CreatedWithZtHomeFromTheProcess) {
  setenv("ZT_HOME", "/opt/zt-home", 1);
  EXPECT_EQ(ztTestValue("ZT_HOME"), "/opt/zt-home");
}

TEST(ZTEnvirTest, SetEnvirInstallsAnotherEnvironment) {
  ZTEnvir* first = ztTestEnvir();
  ASSERT_EQ(first->SetValue("X", "first"), 0);
  EXPECT_EQ(ZTEnvir::SetEnvir(first), 0);  // the same one stays
  EXPECT_EQ(ztTestValue("X"), "first");
  ZTRealEnvir* second = nullptr;
  ASSERT_EQ(ZTRealEnvir::Create(&second), 0);
  EXPECT_EQ(ZTEnvir::SetEnvir(second), 0);  // deletes the first
  EXPECT_EQ(ztTestEnvir(), second);
  EXPECT_EQ(ztTestValue("X"), "");
  EXPECT_EQ(ZTEnvir::SetEnvir(nullptr), 0);
  EXPECT_EQ(ztTestValue("X"), "");  // a fresh one is created on demand
  EXPECT_EQ(ztTestContexts(), 1);
}

}  // namespace
