#include "modules/speller/ZTSpellerDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "modules/speller/ZTSpellError.h"
#include "modules/speller/ZTSpeller.h"
#include "modules/speller/tests/ztSpellHome.h"

namespace {

using ZTSpellerDocTest = ztSpellHome;
using Mistakes = std::vector<std::pair<long, long>>;

// A document checker over speller.
ZTSpellerDoc* Doc(ZTSpeller& speller) {
  ZTSpellerDoc* doc = nullptr;
  EXPECT_EQ(speller.GetSpellerDoc(&doc), 0);
  EXPECT_NE(doc, nullptr);
  return doc;
}

Mistakes AllMistakes(ZTSpellerDoc& doc) {
  Mistakes found;
  long offset = -1, length = -1;
  while (doc.getNextMistake(&offset, &length) == 0 && length != 0)
    found.emplace_back(offset, length);
  return found;
}

TEST_F(ZTSpellerDocTest, FindsMistakesOneByOneAndStartsAgainAfterReset) {
  ZTSpeller& speller = Ready("en");
  ZTSpellerDoc* doc = Doc(speller);
  const char* text = "This is a smple text with erors.";
  const Mistakes expected = {{10, 5}, {26, 5}};
  EXPECT_EQ(doc->write(text), 0);
  EXPECT_EQ(AllMistakes(*doc), expected);
  EXPECT_EQ(doc->reset(), 0);
  EXPECT_EQ(doc->write(text), 0);
  EXPECT_EQ(AllMistakes(*doc), expected);
  delete doc;
}

TEST_F(ZTSpellerDocTest, CorrectTextHasNoMistake) {
  ZTSpeller& speller = Ready("fr");
  ZTSpellerDoc* doc = Doc(speller);
  EXPECT_EQ(doc->write("Il a été là cet été."), 0);
  EXPECT_EQ(AllMistakes(*doc), Mistakes());
  delete doc;
}

TEST_F(ZTSpellerDocTest, WithoutCheckerEveryOperationGives2000) {
  ZTSpellerDoc doc(nullptr);
  long offset = 0, length = 0;
  testing::internal::CaptureStdout();
  EXPECT_EQ(doc.reset(), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(doc.write("text"), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(doc.getNextMistake(&offset, &length), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "[ZTSpellerDoc::reset] null underlying object\n"
            "[ZTSpellerDoc::write] null underlying object\n"
            "[ZTSpellerDoc::write] null underlying object\n");
}

TEST_F(ZTSpellerDocTest, NullArguments) {
  ZTSpeller& speller = Ready("en");
  ZTSpellerDoc* doc = Doc(speller);
  long value = 0;
  testing::internal::CaptureStdout();
  EXPECT_EQ(doc->write(nullptr), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(doc->getNextMistake(nullptr, &value), ZTSPELL_E_ARGUMENT);
  EXPECT_EQ(doc->getNextMistake(&value, nullptr), ZTSPELL_E_ARGUMENT);
  testing::internal::GetCapturedStdout();
  delete doc;
}

}  // namespace
