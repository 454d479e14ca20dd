#include "tools/zt/ztPlainTextHtml.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/zt/ztHeadwordIndex.h"

namespace {

TEST(PlainTextHtmlTest, ParagraphsBreaksAndReferences) {
  ztHeadwordIndex headwords;
  for (const char* word : {"Ban", "give up", "a&b"}) headwords.Add(word);
  const struct {
    const char* m_pcText;
    const char* m_pcHtml;
    std::vector<std::string> m_see;
  } cases[] = {
      // Blank lines part paragraphs; special characters are escaped.
      {"a <b> & \"c\"\n\n\n  d\n", "<p>a &lt;b&gt; &amp; &quot;c&quot;</p>\n<p>d</p>\n", {}},
      // A line with room for the next word ended on purpose; a full one was wrapped.
      {"short\nthe long line of an article that was wrapped for width when it was\nwritten",
       "<p>short<br>\nthe long line of an article that was wrapped for width when it was "
       "written</p>\n",
       {}},
      // Numbered senses and lines indented less start a new line; a hyphen joins.
      {"v 1: forsake, leave behind; the wife of her long-gone and famous ex-\n"
       "      husband\n   2: stop",
       "<p>v 1: forsake, leave behind; the wife of her long-gone and famous ex-husband<br>\n2: "
       "stop</p>\n",
       {}},
      {"   indented text that is long\nnot indented",
       "<p>indented text that is long<br>\nnot indented</p>\n",
       {}},
      // References resolve as written or folded, across a wrapped line; unknown ones stay text.
      {"See {Ban}, {ban}, {give\n   up} and {nothing}.",
       "<p>See <a href=\"see:Ban\">Ban</a>, <a href=\"see:Ban\">ban</a>, <a href=\"see:give "
       "up\">give up</a> and nothing.</p>\n",
       {"Ban", "give up"}},
      // A brace inside a reference or without its end is text.
      {"{a&b} {x {Ban} {y",
       "<p><a href=\"see:a&amp;b\">a&amp;b</a> {x <a href=\"see:Ban\">Ban</a> {y</p>\n",
       {"a&b", "Ban"}},
      {"", "", {}},
  };
  for (const auto& c : cases) {
    std::string html;
    std::vector<std::string> see;
    ztPlainTextHtml(c.m_pcText, &headwords, &html, &see);
    EXPECT_EQ(html, c.m_pcHtml) << c.m_pcText;
    EXPECT_EQ(see, c.m_see) << c.m_pcText;
  }
}

TEST(PlainTextHtmlTest, WithoutHeadwordsBracesStay) {
  std::string html;
  std::vector<std::string> see;
  ztPlainTextHtml("x = {1, 2}", nullptr, &html, &see);
  EXPECT_EQ(html, "<p>x = {1, 2}</p>\n");
  EXPECT_TRUE(see.empty());
}

}  // namespace
