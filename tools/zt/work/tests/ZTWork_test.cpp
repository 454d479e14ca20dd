// Compiling a small source into a work and reading it back through the engine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"
#include "tools/zt/work/ZTWork.h"
#include "tools/zt/work/ZTWorkCompiler.h"
#include "tools/zt/work/ztDirectory.h"
#include "tools/zt/work/ztHtmlRender.h"

namespace {

ZTSourceEntry Entry(const std::string& id, std::vector<std::string> headwords,
                    const std::string& html, std::vector<std::string> variants = {}) {
  ZTSourceEntry entry;
  entry.m_id = id;
  entry.m_headwords = headwords;
  entry.m_variants = variants;
  entry.m_html = html;
  return entry;
}

ZTSource Sample() {
  ZTSource source;
  source.m_manifest.m_name = "sample";
  source.m_manifest.m_title = "A sample";
  source.m_manifest.m_language = "fr";
  source.m_entries = {
      Entry("cafe", {"café"},
            "<p>A drink made from roasted beans; see <a href=\"see:thé\">thé</a>.</p>", {"cafe"}),
      Entry("the", {"thé"}, "<p>An infusion of leaves, often drunk with a café.</p>"),
      Entry("eau", {"eau"}, "<p>L'eau claire, aujourd'hui comme hier.</p>"),
      Entry("cafard", {"cafard"}, "<p>An insect; also low spirits.</p>"),
      Entry("the2", {"thé"}, "<p>The hour of tea.</p>"),
  };
  return source;
}

class ZTWorkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ztTakeLog();
    m_out = m_dir.path() + "/work";
    ZTWorkCompiler compiler;
    ASSERT_EQ(compiler.Compile(Sample(), m_out, &m_summary), 0) << ztTakeLog();
    ASSERT_EQ(m_work.Open(m_out), 0) << ztTakeLog();
  }

  std::string Lookup(const std::string& word, ZTWork::Mode mode, bool caseSensitive = false) {
    std::vector<ZTWorkHeadword> hits;
    const int rc = m_work.Lookup(word, mode, caseSensitive, 10, &hits);
    if (rc) return "rc=" + std::to_string(rc);
    std::string text;
    for (const ZTWorkHeadword& hit : hits) {
      std::string id;
      EXPECT_EQ(m_work.ArticleId(hit.m_uFile, &id), 0);
      text += (text.empty() ? "" : " ") + hit.m_headword + "=" + id;
    }
    return text;
  }

  ztTempDir m_dir;
  std::string m_out;
  ZTCompileSummary m_summary;
  ZTWork m_work;
};

TEST_F(ZTWorkTest, CompilesTheEntriesAndDescribesTheWork) {
  EXPECT_EQ(m_summary.m_uEntries, 5u);
  EXPECT_EQ(m_summary.m_uHeadwords, 5u);  // café, cafe, thé, eau, cafard
  EXPECT_GT(m_summary.m_uWordsIndexed, 30u);
  EXPECT_GT(m_summary.m_uBytes, 0u);
  EXPECT_EQ(m_work.GetName(), "sample");
  EXPECT_EQ(m_work.GetTitle(), "A sample");
  EXPECT_EQ(m_work.GetSpellingLanguage(), "fr");
  EXPECT_FALSE(ztExists(m_out + ".tmp-" + std::to_string(getpid())));
}

TEST_F(ZTWorkTest, LooksHeadwordsUpInEveryMode) {
  EXPECT_EQ(Lookup("CAFE", ZTWork::kExact), "cafe=cafe café=cafe");
  EXPECT_EQ(Lookup("cafe", ZTWork::kExact, true), "cafe=cafe");
  EXPECT_EQ(Lookup("the", ZTWork::kExact), "thé=the thé=the2");
  EXPECT_EQ(Lookup("caf", ZTWork::kBegins), "cafard=cafard cafe=cafe café=cafe");
  EXPECT_EQ(Lookup("ard", ZTWork::kEnds), "cafard=cafard");
  EXPECT_EQ(Lookup("c?f*", ZTWork::kWildCard), "cafard=cafard cafe=cafe café=cafe");
  EXPECT_EQ(Lookup("caf(e|ard)", ZTWork::kRegExp), "cafard=cafard cafe=cafe café=cafe");
  EXPECT_EQ(Lookup("nothing", ZTWork::kExact), "");
}

TEST_F(ZTWorkTest, SearchesRankHeadwordsAboveBodyText) {
  std::vector<ZTWorkHit> hits;
  PRUint32 total = 0;
  ASSERT_EQ(m_work.Search("cafe", 10, &total, &hits), 0) << ztTakeLog();
  ASSERT_EQ(total, 2u);
  EXPECT_EQ(hits[0].m_title, "café");
  EXPECT_EQ(hits[0].m_path, "/entries/cafe.html");
  EXPECT_GT(hits[0].m_uScore, hits[1].m_uScore);
  EXPECT_EQ(hits[1].m_title, "thé");
  EXPECT_NE(hits[1].m_snippet.find("with a <mark>café</mark>."), std::string::npos)
      << hits[1].m_snippet;
  ASSERT_EQ(m_work.Search("\"low spirits\" or aujourd'hui", 1, &total, &hits), 0) << ztTakeLog();
  EXPECT_EQ(total, 2u);
  EXPECT_EQ(hits.size(), 1u);
  EXPECT_NE(m_work.Search("\"open", 10, &total, &hits), 0);
}

TEST_F(ZTWorkTest, ShowsArticlesWithTheHitsMarked) {
  PRUint32 file = 99;
  ASSERT_EQ(m_work.FindArticle("/entries/eau.html", &file), 0) << ztTakeLog();
  std::string html;
  ASSERT_EQ(m_work.Article(file, "claire near eau", &html), 0) << ztTakeLog();
  EXPECT_EQ(html,
            "<h1><mark>eau</mark></h1>\n<p>L'<mark>eau</mark> <mark>claire</mark>, aujourd'hui "
            "comme hier.</p>");
  EXPECT_EQ(ztHtmlToText(html, "[", "]"), "[eau]\nL'[eau] [claire], aujourd'hui comme hier.");
  ASSERT_EQ(m_work.Article(file, "", &html), 0);
  EXPECT_EQ(html.find("<mark>"), std::string::npos);
  EXPECT_NE(m_work.FindArticle("/entries/none.html", &file), 0);
}

TEST(ZTWorkCompilerTest, AFailedBuildLeavesNothingBehind) {
  ztTempDir dir;
  ZTSource source = Sample();
  source.m_entries.push_back(Entry("bad", {}, "<p>no headword</p>"));
  ZTWorkCompiler compiler;
  ZTCompileSummary summary;
  const std::string out = dir.path() + "/work";
  ztTakeLog();
  EXPECT_EQ(compiler.Compile(source, out, &summary), 1);
  EXPECT_NE(ztTakeLog().find("Entry bad has no headword"), std::string::npos);
  EXPECT_FALSE(ztExists(out));
  EXPECT_FALSE(ztExists(out + ".tmp-" + std::to_string(getpid())));
  ASSERT_EQ(compiler.Compile(Sample(), out, &summary), 0) << ztTakeLog();
  EXPECT_EQ(compiler.Compile(Sample(), out, &summary), 17);
  ZTWork work;
  EXPECT_EQ(work.Open(dir.path()), 11);
}

TEST(ztHtmlRenderTest, TextAndSnippets) {
  EXPECT_EQ(ztHtmlToText("<p>a&amp;b&nbsp;c &#233;&#x41; &bogus;</p><p>next</p>", "", ""),
            "a&b c éA &bogus;\nnext");
  EXPECT_EQ(ztHtmlToText("a<!-- b > c -->d<script>x = 1 > 0;</script>e<Style>p{}</STYLE>f", "", ""),
            "adef");
  EXPECT_EQ(ztSnippet("one two three four five six", "[", 9), "one two three…");
  EXPECT_EQ(ztSnippet("one two three four [five] six", "[", 9), "…four [five]…");
}

}  // namespace
