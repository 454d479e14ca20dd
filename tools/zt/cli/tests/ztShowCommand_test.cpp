// zt show on the sample work: by headword, path and document number, with a query's hits
// highlighted in text or HTML.
#include <gtest/gtest.h>

#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

const char kHollandaise[] =
    "hollandaise\nA warm emulsion of egg yolks and melted butter sharpened with lemon juice. "
    "Too much heat and it splits.\n";

std::string DocumentOf(const std::string& path) {
  const ztToolRun run = ztRunTool({"search", ztSampleWork(), "hollandaise"});
  const std::string& out = run.m_out;
  const size_t at = out.find(path + ", doc ");
  if (at == std::string::npos) return "";
  const size_t start = at + path.size() + 6;
  return out.substr(start, out.find(',', start) - start);
}

TEST(ztShowCommand, ShowsTheSameArticleByHeadwordPathAndDocument) {
  const std::string doc = DocumentOf("/entries/hollandaise.html");
  ASSERT_NE(doc, "");
  for (const std::vector<std::string>& how : {std::vector<std::string>{"HOLLANDAISE"},
                                              {"--path", "/entries/hollandaise.html"},
                                              {"--doc", doc}}) {
    std::vector<std::string> args = {"show", ztSampleWork()};
    args.insert(args.end(), how.begin(), how.end());
    const ztToolRun run = ztRunTool(args);
    EXPECT_EQ(run.m_iStatus, 0) << how[0] << ": " << run.m_err;
    EXPECT_EQ(run.m_out, kHollandaise) << how[0];
  }
}

TEST(ztShowCommand, HighlightsTheHitsOfTheQuery) {
  const ztToolRun text =
      ztRunTool({"show", ztSampleWork(), "hollandaise", "--query", "butter or \"lemon juice\""});
  EXPECT_EQ(text.m_iStatus, 0) << text.m_err;
  EXPECT_NE(text.m_out.find("melted [butter] sharpened with [lemon] [juice]."), std::string::npos)
      << text.m_out;
  const ztToolRun html =
      ztRunTool({"show", ztSampleWork(), "hollandaise", "--query", "butter", "--html"});
  EXPECT_EQ(html.m_iStatus, 0) << html.m_err;
  EXPECT_NE(html.m_out.find("melted <a href=\"see:beurre\"><mark>butter</mark></a>"),
            std::string::npos)
      << html.m_out;
  EXPECT_EQ(html.m_out.find("<?ZT"), std::string::npos) << html.m_out;
}

TEST(ztShowCommand, ShowsAccentedHeadwordsAndTheirVariants) {
  for (const char* word : {"crème fraîche", "creme fraiche", "CRÈME FRAÎCHE"}) {
    const ztToolRun run = ztRunTool({"show", ztSampleWork(), word});
    EXPECT_EQ(run.m_iStatus, 0) << word << ": " << run.m_err;
    EXPECT_EQ(run.m_out.rfind("crème fraîche\nThick cream soured", 0), 0u) << run.m_out;
  }
}

TEST(ztShowCommand, ReportsWhatItCannotShow) {
  const struct {
    std::vector<std::string> m_args;
    int m_iStatus;
  } kCases[] = {
      {{"show", ztSampleWork(), "kumquat"}, 1},
      {{"show", ztSampleWork(), "--path", "/entries/kumquat.html"}, 1},
      {{"show", ztSampleWork(), "--doc", "4000000"}, 1},
      {{"show", ztSampleWork(), "--doc", "-1"}, 2},
      {{"show", ztSampleWork()}, 2},
  };
  for (const auto& c : kCases) {
    const ztToolRun run = ztRunTool(c.m_args);
    EXPECT_EQ(run.m_iStatus, c.m_iStatus) << c.m_args.back();
    EXPECT_EQ(run.m_out, "") << c.m_args.back();
    EXPECT_EQ(ztLines(run.m_err).size(), 1u) << run.m_err;
  }
}

}  // namespace
