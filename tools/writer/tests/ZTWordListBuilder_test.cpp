#include "tools/writer/ZTWordListBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

TEST(WordListBuilderTest, WritesTheExactTablesAndTheirConfiguration) {
  ztTempDir dir;
  ZTWordListBuilder builder;
  builder.AddWord({"b", -1, {}});
  builder.AddWord({"a", 0, {0, 1}});
  builder.AddConfiguration("[WILDCARDS]\nSINGLEWILDCARD=0x3f\n");
  std::string config;
  ASSERT_EQ(builder.Write(dir.path(), &config), 0) << ztTakeLog();
  EXPECT_EQ(config, dir.File("wordlist.cfg"));
  const std::string text = ztReadFile(config);
  for (const char* table : {"words", "lookup", "revlookup"}) {
    EXPECT_NE(text.find("RSURL=native:" + dir.File(table) + "\n"), std::string::npos) << table;
    EXPECT_FALSE(ztReadFile(dir.File(table) + "/config.cft").empty()) << table;
  }
  // Without a simplifier there are no simplified tables.
  EXPECT_EQ(text.find("CAPLOOKUPTABLE"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 32), "[WILDCARDS]\nSINGLEWILDCARD=0x3f\n");
}

TEST(WordListBuilderTest, AWordLinkIsAFieldOfTheWordTableOnlyWhenSet) {
  for (bool linked : {false, true}) {
    ztTempDir dir;
    ZTWordListBuilder builder;
    builder.AddWord({"a", -1, {}, 0, 2});
    if (linked) builder.SetWordLink("DOCS", "docs");
    std::string config;
    ASSERT_EQ(builder.Write(dir.path(), &config), 0) << ztTakeLog();
    const std::string words = ztReadFile(dir.File("words/config.cft"));
    EXPECT_EQ(words.find("$DOCS=LINK\n") != std::string::npos, linked) << words;
    EXPECT_EQ(words.find("[$DOCS]\nRSURL=native:../docs\n") != std::string::npos, linked);
  }
}

TEST(WordListBuilderTest, LinksToMissingWordsAreRefused) {
  const struct {
    ZTBuilderWord m_word;
    const char* m_pcMessage;
  } cases[] = {
      {{"a", 2, {}}, "word 1 refers to word 2; there are 2 words"},
      {{"a", -1, {0, 5}}, "word 1 has the variant 5; there are 2 words"},
      {{"a", -1, {-1}}, "word 1 has the variant -1; there are 2 words"},
  };
  for (const auto& c : cases) {
    ztTempDir dir;
    ZTWordListBuilder builder;
    builder.AddWord({"b", -1, {}});
    builder.AddWord(c.m_word);
    std::string config = "unchanged";
    ztTakeLog();
    EXPECT_EQ(builder.Write(dir.path(), &config), 1) << c.m_pcMessage;
    EXPECT_NE(ztTakeLog().find(c.m_pcMessage), std::string::npos) << c.m_pcMessage;
    EXPECT_EQ(config, "unchanged");
    EXPECT_TRUE(ztReadFile(dir.File("wordlist.cfg")).empty());
  }
}

TEST(WordListBuilderTest, WithoutCrossReferencesWordsCarryNoLinks) {
  ztTempDir dir;
  ZTWordListBuilder builder;
  builder.SetCrossReferences(false);
  builder.AddWord({"a", -1, {}});
  std::string config;
  ASSERT_EQ(builder.Write(dir.path(), &config), 0) << ztTakeLog();
  const std::string words = ztReadFile(dir.File("words/config.cft"));
  EXPECT_EQ(words.find("$SEE"), std::string::npos) << words;
  EXPECT_EQ(words.find("$VARIANTS"), std::string::npos) << words;
  EXPECT_TRUE(ztReadFile(dir.File("variants/config.cft")).empty());
  // A link would be lost: refused.
  ztTempDir other;
  builder.AddWord({"b", 0, {}});
  ztTakeLog();
  EXPECT_EQ(builder.Write(other.path(), &config), 1);
  EXPECT_NE(ztTakeLog().find("word 1 has links but the list has no cross references"),
            std::string::npos);
}

TEST(WordListBuilderTest, AMissingDirectoryFails) {
  ZTWordListBuilder builder;
  builder.AddWord({"a", -1, {}});
  std::string config;
  EXPECT_NE(builder.Write("/nonexistent/zt/words", &config), 0);
  EXPECT_TRUE(config.empty());
}

}  // namespace
