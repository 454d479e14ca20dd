// Resolving component URLs, the factory's states, SetFactory and UrlDecode. ZT_COM_PATH names
// the "valid" test module directory: "test"/"echo" echoes its arguments, "test"/"fail" fails.
#include "core/ZTFactory.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/ZTErrors.h"
#include "core/detail/ZTSubFactory.h"
#include "core/tests/ztFactoryTesting.h"

namespace {

const std::string kEchoModule = ztTestModuleDir("valid") + "/libzttest_echo.so";

TEST(ZTFactoryTest, CreateInstanceHandsTheRestAfterTheSecondColonOverUnchanged) {
  EXPECT_EQ(ztEcho("test:echo:x:y%41+b"), "echo|x:y%41+b");
  EXPECT_EQ(ztEcho("test:echo:"), "echo|");
}

struct CreateCase {
  const char* url;
  int code;
  const char* message;
};

void PrintTo(const CreateCase& c, std::ostream* os) {
  *os << (c.url ? c.url : "null");
}

class CreateInstanceError : public testing::TestWithParam<CreateCase> {};

TEST_P(CreateInstanceError, ReturnsTheCodeAndLeavesNoObject) {
  ZTFactory* factory = ztTestFactory();
  ztTakeLog();
  ZTRefCount placeholder;
  ZTRefCount* object = &placeholder;
  EXPECT_EQ(factory->CreateInstance(GetParam().url, &object), GetParam().code);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(ztTakeLog(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, CreateInstanceError,
    testing::Values(CreateCase{"nope:echo:x", 11,
                               "[ZTFactory::CreateInstance] component 'nope' not found\n"},
                    CreateCase{"test:missing:", 11,
                               "[ZTFactory::CreateInstance] component 'missing' not found\n"},
                    CreateCase{"test:echo", 10, ""}, CreateCase{"test", 10, ""},
                    CreateCase{nullptr, 10, ""}, CreateCase{"test:fail:", ZT_E_UNSUPPORTED, ""}));

struct HasCase {
  const char* url;
  int code;
  PRBool has;
};

void PrintTo(const HasCase& c, std::ostream* os) {
  *os << c.url;
}

class HasComponentUrl : public testing::TestWithParam<HasCase> {};

TEST_P(HasComponentUrl, AnswersOrFails) {
  PRBool has = 7;
  EXPECT_EQ(ztTestFactory()->HasComponent(GetParam().url, &has), GetParam().code);
  EXPECT_EQ(has, GetParam().has);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, HasComponentUrl,
    testing::Values(HasCase{"test:echo:", 0, PR_TRUE}, HasCase{"test:echo:a:b", 0, PR_TRUE},
                    HasCase{"test:missing:", 0, PR_FALSE}, HasCase{"nope:echo:", 0, PR_FALSE},
                    HasCase{"test:echo", 10, PR_FALSE}, HasCase{"test", 10, PR_FALSE}));

TEST(ZTFactoryTest, HasComponentRefusesNullArguments) {
  PRBool has = PR_FALSE;
  EXPECT_EQ(ztTestFactory()->HasComponent(nullptr, &has), 1);
  EXPECT_EQ(ztTestFactory()->HasComponent("test:echo:", nullptr), 1);
}

TEST(ZTFactoryTest, TerminateIsFinalEvenAfterReactivate) {
  ZTFactory* factory = ztTestFactory();
  ztTakeLog();
  EXPECT_EQ(factory->Terminate(), 0);
  ZTRefCount* object = nullptr;
  PRBool has = PR_FALSE;
  EXPECT_EQ(factory->CreateInstance("test:echo:", &object), 710);
  EXPECT_EQ(factory->Reactivate(), 0);
  EXPECT_EQ(factory->CreateInstance("test:echo:", &object), 710);
  EXPECT_EQ(factory->HasComponent("test:echo:", &has), 710);
  EXPECT_EQ(factory->Init(), 710);
  EXPECT_EQ(object, nullptr);
  std::string terminated;
  for (int i = 0; i < 4; ++i) terminated += "[ZTFactory] Terminated\n";
  EXPECT_EQ(ztTakeLog(), terminated);
}

TEST(ZTFactoryTest, FactoryWithoutTableIsNotInitialised) {
  ztConsoleLog::Init();
  ZTSubFactory category;
  PRBool has = PR_FALSE;
  ZTRefCount* object = nullptr;
  EXPECT_EQ(category.HasComponent("echo:", &has), 711);
  EXPECT_EQ(category.CreateInstance("echo:", &object), 711);
  EXPECT_EQ(ztTakeLog(),
            "[ZTFactory::HasComponent] Factory not initialized\n"
            "[ZTFactory::CreateInstance] Factory not initialized\n");
  EXPECT_EQ(category.BrowseDirectory(ztTestModuleDir("valid").c_str(), 0), 10);
}

TEST(ZTFactoryTest, SetFactoryDeletesTheOldFactoryAndItsModules) {
  ZTFactory* factory = ztTestFactory();
  ASSERT_TRUE(ztIsMapped(kEchoModule));
  EXPECT_EQ(ZTFactory::SetFactory(factory), 0);  // already current: nothing changes
  EXPECT_TRUE(ztHasComponent("test:echo:"));
  EXPECT_EQ(ZTFactory::SetFactory(nullptr), 0);
  EXPECT_FALSE(ztIsMapped(kEchoModule));
  // The next GetFactory builds a new factory and scans again.
  EXPECT_EQ(ztEcho("test:echo:again"), "echo|again");
}

struct DecodeCase {
  const char* in;
  int code;
  const char* out;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
  *os << '"' << c.in << '"';
}

class UrlDecodeCase : public testing::TestWithParam<DecodeCase> {};

TEST_P(UrlDecodeCase, DecodesInPlace) {
  ztConsoleLog::Init();
  std::string text = GetParam().in;
  EXPECT_EQ(ZTFactory::UrlDecode(text.data()), GetParam().code);
  EXPECT_STREQ(text.c_str(), GetParam().out);
  EXPECT_EQ(ztTakeLog(), GetParam().code ? "[ZTFactory::UrlDecode] bad URL format\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Escapes, UrlDecodeCase,
                         testing::Values(DecodeCase{"a+b", 0, "a b"},
                                         DecodeCase{"%41%62%7a%7A", 0, "Abzz"},
                                         DecodeCase{"%2B+%25", 0, "+ %"},
                                         DecodeCase{"plain", 0, "plain"}, DecodeCase{"", 0, ""},
                                         DecodeCase{"%4", 1, "?"}, DecodeCase{"x%4", 1, "x?"},
                                         DecodeCase{"%", 1, "?"}, DecodeCase{"ab%g1cd", 1, "ab?"},
                                         DecodeCase{"%41%4Gzz", 1, "A?"}));

TEST(ZTFactoryTest, UrlDecodeRefusesNull) {
  EXPECT_EQ(ZTFactory::UrlDecode(nullptr), 1);
}

}  // namespace
