#include "core/ztConsoleLog.h"

#include <gtest/gtest.h>
#include <plstr.h>

#include <cstdlib>
#include <string>

#include "core/ZTErrors.h"
#include "testing/ztTempDir.h"

namespace {

std::string TakeLog() {
  char* text = nullptr;
  ztConsoleLog::GetLog(&text);
  std::string result = text ? text : "<null>";
  if (text) PL_strfree(text);
  return result;
}

TEST(ztConsoleLogTest, MessagesGoToStandardErrorEvenBeforeInit) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(ZTError(1234, "[X::Y] value %d of '%s'", 7, "abc"), 1234);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[X::Y] value 7 of 'abc'\n");
  EXPECT_EQ(TakeLog(), "<null>");  // nothing accumulates before Init
}

TEST(ztConsoleLogTest, AccumulatesAfterInitUntilCleared) {
  ASSERT_NE(ztConsoleLog::Init(), nullptr);
  EXPECT_EQ(ztConsoleLog::Init(), ztConsoleLog::Init());  // created once
  testing::internal::CaptureStderr();
  ztConsoleLog::Log("first %s", "message");
  ztConsoleLog::DebugLog("second %d", 2);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "first message\n[ztdebug] second 2\n");
  EXPECT_EQ(TakeLog(), "first message\n[ztdebug] second 2\n");
  ztConsoleLog::ClearLog();
  EXPECT_EQ(TakeLog(), "<null>");
  testing::internal::CaptureStderr();
  ztConsoleLog::Log("third");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(TakeLog(), "third\n");
}

TEST(ztConsoleLogTest, AppendsToTheLogFileNamedByTheProcessEnvironment) {
  ztTempDir dir;
  std::string path = dir.File("engine.log");
  ASSERT_EQ(setenv("ZT_LOG_FILE", path.c_str(), 1), 0);
  ztConsoleLog::Init();
  testing::internal::CaptureStderr();
  ztConsoleLog::Log("one");
  ztConsoleLog::Log("two %%");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(ztReadFile(path), "one\ntwo %\n");

  // An unopenable log file is skipped; standard error still gets the message.
  ASSERT_EQ(setenv("ZT_LOG_FILE", dir.File("missing/dir/engine.log").c_str(), 1), 0);
  testing::internal::CaptureStderr();
  ztConsoleLog::Log("three");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "three\n");
  unsetenv("ZT_LOG_FILE");
}

TEST(ztConsoleLogTest, FirstError) {
  EXPECT_EQ(ZTFirstError(0, 7), 7);
  EXPECT_EQ(ZTFirstError(3, 7), 3);
  EXPECT_EQ(ZTFirstError(0, 0), 0);
}

}  // namespace
