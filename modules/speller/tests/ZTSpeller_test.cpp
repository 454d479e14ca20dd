#include "modules/speller/ZTSpeller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modules/speller/ZTSpellError.h"
#include "modules/speller/ZTSpellResult.h"
#include "modules/speller/ZTSpellerDoc.h"
#include "modules/speller/tests/ztSpellHome.h"
#include "testing/ztTempDir.h"

namespace {

using ZTSpellerTest = ztSpellHome;

std::vector<std::string> Suggestions(const ZTSpellResult& result) {
  std::vector<std::string> all;
  for (int i = 0; i < result.GetNbSuggestions(); ++i) all.push_back(result.GetSuggestion(i));
  return all;
}

bool IsCorrect(ZTSpeller& speller, const char* word) {
  ZTSpellResult result;
  EXPECT_EQ(speller.Check(word, &result), 0);
  return result.IsCorrect();
}

TEST_F(ZTSpellerTest, NotReadyRefusesEveryOperationAndLeavesTheResult) {
  ZTSpeller speller;
  ZTSpellResult result;
  ZTSpellerDoc sentinel(nullptr);
  ZTSpellerDoc* doc = &sentinel;
  testing::internal::CaptureStdout();
  EXPECT_EQ(speller.Check("house", &result), ZTSPELL_E_STATE);
  EXPECT_EQ(speller.StoreReplacement("a", "b"), ZTSPELL_E_STATE);
  EXPECT_EQ(speller.AddToPersonal("a"), ZTSPELL_E_STATE);
  EXPECT_EQ(speller.SavePersonal(), ZTSPELL_E_STATE);
  EXPECT_EQ(speller.AddToSession("a"), ZTSPELL_E_STATE);
  EXPECT_EQ(speller.ClearSession(), ZTSPELL_E_STATE);
  EXPECT_EQ(speller.GetSpellerDoc(&doc), ZTSPELL_E_STATE);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("[ZTSpeller::check] aspell not ready\n"), std::string::npos);
  EXPECT_EQ(result.GetWord(), nullptr);
  EXPECT_FALSE(result.IsCorrect());
  EXPECT_EQ(doc, nullptr);
}

TEST_F(ZTSpellerTest, NullArguments) {
  ZTSpeller& speller = Ready("en");
  ZTSpellResult result;
  testing::internal::CaptureStdout();
  EXPECT_EQ(speller.Check("house", nullptr), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(speller.Check(nullptr, &result), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(speller.StoreReplacement(nullptr, "b"), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(speller.StoreReplacement("a", nullptr), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(speller.AddToPersonal(nullptr), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(speller.AddToSession(nullptr), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(speller.GetSpellerDoc(nullptr), ZTSPELL_E_ARGUMENT);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("[ZTSpeller::check] Null argument result\n"), std::string::npos);
  EXPECT_NE(out.find("[ZTSpeller::check] Null argument test\n"), std::string::npos);
  EXPECT_NE(out.find("[ZTSpeller::GetSpellerDoc] Null argument\n"), std::string::npos);
}

TEST_F(ZTSpellerTest, CorrectWordHasNoSuggestions) {
  ZTSpeller& speller = Ready("en");
  EXPECT_TRUE(speller.IsReady());
  ZTSpellResult result;
  ASSERT_EQ(speller.Check("house", &result), 0);
  EXPECT_TRUE(result.IsCorrect());
  EXPECT_STREQ(result.GetWord(), "house");
  testing::internal::CaptureStdout();
  EXPECT_EQ(result.GetNbSuggestions(), 0);
  EXPECT_STREQ(result.GetSuggestion(0), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "[ZTSpellResult::GetNbSuggestions] Word is ok.\n"
            "[ZTSpellResult::GetSuggestion] Word is ok.\n");
}

TEST_F(ZTSpellerTest, MisspelledWordGetsSuggestionsInAspellOrder) {
  ZTSpeller& speller = Ready("en");
  ZTSpellResult result;
  ASSERT_EQ(speller.Check("hwuse", &result), 0);
  EXPECT_FALSE(result.IsCorrect());
  const std::vector<std::string> all = Suggestions(result);
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all[0], "House");
  EXPECT_EQ(all[1], "house");
  testing::internal::CaptureStdout();
  EXPECT_STREQ(result.GetSuggestion(-1), "");
  EXPECT_STREQ(result.GetSuggestion(result.GetNbSuggestions()), "");
  EXPECT_NE(testing::internal::GetCapturedStdout().find(
                "[ZTSpellResult::GetSuggestion] -1 is not a correct index\n"),
            std::string::npos);
}

TEST_F(ZTSpellerTest, MisspelledWordWithoutSuggestions) {
  ZTSpeller& speller = Ready("en");
  ZTSpellResult result;
  ASSERT_EQ(speller.Check("xqzjvkxqzjvk", &result), 0);
  EXPECT_FALSE(result.IsCorrect());
  EXPECT_EQ(result.GetNbSuggestions(), 0);
}

TEST_F(ZTSpellerTest, ResultReusedForASecondCheck) {
  ZTSpeller& speller = Ready("en");
  ZTSpellResult result;
  ASSERT_EQ(speller.Check("hwuse", &result), 0);
  ASSERT_EQ(speller.Check("house", &result), 0);
  EXPECT_STREQ(result.GetWord(), "house");
  EXPECT_TRUE(result.IsCorrect());
  ASSERT_EQ(speller.Check("xqzjvkxqzjvk", &result), 0);
  EXPECT_FALSE(result.IsCorrect());
  EXPECT_EQ(result.GetNbSuggestions(), 0);
}

TEST_F(ZTSpellerTest, GetReadyUsesAspellsDefaultLanguage) {
  ZTSpeller speller;
  ASSERT_EQ(speller.GetReady(nullptr), 0);
  EXPECT_TRUE(speller.IsReady());
  EXPECT_TRUE(IsCorrect(speller, "house"));
  EXPECT_FALSE(IsCorrect(speller, "hwuse"));
}

TEST_F(ZTSpellerTest, FrenchWordsInUtf8) {
  ZTSpeller& speller = Ready("fr");
  EXPECT_TRUE(IsCorrect(speller, "été"));
  ZTSpellResult result;
  ASSERT_EQ(speller.Check("eté", &result), 0);
  EXPECT_FALSE(result.IsCorrect());
  ASSERT_GT(result.GetNbSuggestions(), 0);
  EXPECT_STREQ(result.GetSuggestion(0), "été");
}

TEST_F(ZTSpellerTest, UnknownLanguageGives2005WithAspellsMessage) {
  ZTSpeller speller;
  testing::internal::CaptureStdout();
  EXPECT_EQ(speller.GetReadyWithLang(nullptr, "xx"), ZTSPELL_E_ASPELL);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.rfind("[ZTSpeller::GetReady] can not get aspell running : ", 0), 0u) << out;
  EXPECT_NE(out.find("\"xx\""), std::string::npos) << out;
  EXPECT_FALSE(speller.IsReady());
}

TEST_F(ZTSpellerTest, PrefixWithoutDictionariesFails) {
  ZTSpeller& speller = Ready("en");
  testing::internal::CaptureStdout();
  EXPECT_EQ(speller.GetReadyWithLang(m_home.path().c_str(), "en"), ZTSPELL_E_ASPELL);
  testing::internal::GetCapturedStdout();
  EXPECT_FALSE(speller.IsReady());
}

TEST_F(ZTSpellerTest, SessionWordsLastUntilCleared) {
  ZTSpeller& speller = Ready("en");
  EXPECT_FALSE(IsCorrect(speller, "zorblax"));
  EXPECT_EQ(speller.AddToSession("zorblax"), 0);
  EXPECT_TRUE(IsCorrect(speller, "zorblax"));
  EXPECT_EQ(speller.ClearSession(), 0);
  EXPECT_FALSE(IsCorrect(speller, "zorblax"));
}

TEST_F(ZTSpellerTest, PersonalWordsReachDiskOnlyWhenSaved) {
  {
    ZTSpeller speller;
    ASSERT_EQ(speller.GetReadyWithLang(nullptr, "en"), 0);
    EXPECT_EQ(speller.AddToPersonal("zorblax"), 0);
    EXPECT_TRUE(IsCorrect(speller, "zorblax"));
    EXPECT_EQ(speller.AddToPersonal("quuxword"), 0);
    EXPECT_EQ(speller.SavePersonal(), 0);
    EXPECT_EQ(speller.AddToPersonal("unsavedword"), 0);
  }
  EXPECT_NE(ztReadFile(m_home.File(".aspell.en.pws")).find("zorblax"), std::string::npos);
  ZTSpeller again;
  ASSERT_EQ(again.GetReadyWithLang(nullptr, "en"), 0);
  EXPECT_TRUE(IsCorrect(again, "zorblax"));
  EXPECT_TRUE(IsCorrect(again, "quuxword"));
  EXPECT_FALSE(IsCorrect(again, "unsavedword"));
}

TEST_F(ZTSpellerTest, StoredReplacementComesFirst) {
  {
    ZTSpeller speller;
    ASSERT_EQ(speller.GetReadyWithLang(nullptr, "en"), 0);
    EXPECT_EQ(speller.StoreReplacement("hwuse", "whose"), 0);
    ZTSpellResult result;
    ASSERT_EQ(speller.Check("hwuse", &result), 0);
    ASSERT_GT(result.GetNbSuggestions(), 0);
    EXPECT_STREQ(result.GetSuggestion(0), "whose");
    EXPECT_EQ(speller.SavePersonal(), 0);
  }
  EXPECT_NE(ztReadFile(m_home.File(".aspell.en.prepl")).find("hwuse whose"), std::string::npos);
}

TEST_F(ZTSpellerTest, SavingIntoAnUnwritableHomeIsReported) {
  ZTSpeller speller;
  setenv("HOME", m_home.File("missing/dir").c_str(), 1);
  ASSERT_EQ(speller.GetReadyWithLang(nullptr, "en"), 0);
  ASSERT_EQ(speller.AddToPersonal("zorblax"), 0);
  testing::internal::CaptureStdout();
  EXPECT_EQ(speller.SavePersonal(), ZTSPELL_E_ASPELL);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("[ZTSpeller::SavePersonal] aspell error"),
            std::string::npos);
}

}  // namespace
