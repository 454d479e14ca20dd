// zt search on the sample work: the query language, ranking, snippets and the JSON form.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

nlohmann::json Search(const std::string& query, const std::string& limit = "50") {
  const ztToolRun run = ztRunTool({"search", ztSampleWork(), query, "--json", "--limit", limit});
  EXPECT_EQ(run.m_iStatus, 0) << query << ": " << run.m_err;
  EXPECT_EQ(run.m_err, "") << query;
  return nlohmann::json::parse(run.m_out);
}

std::set<std::string> Paths(const nlohmann::json& out) {
  std::set<std::string> paths;
  for (const auto& result : out["results"]) paths.insert(result["path"].get<std::string>());
  return paths;
}

TEST(ztSearchCommand, AnswersTheQueryLanguage) {
  const struct {
    const char* m_pcQuery;
    std::set<std::string> m_expected;
  } kCases[] = {
      {"\"egg yolks\"",
       {"/entries/creme-anglaise.html", "/entries/creme-brulee.html", "/entries/hollandaise.html"}},
      {"butter and lemon", {"/entries/hollandaise.html", "/entries/madeleine.html"}},
      {"olive not garlic", {"/entries/ratatouille.html", "/entries/bouillabaisse.html"}},
      {"saffron or nutmeg", {"/entries/bouillabaisse.html", "/entries/bechamel.html"}},
      {"hazel*", {"/entries/beurre-noisette.html"}},
      {"bl?nd", {"/entries/veloute.html", "/entries/roux.html"}},
      {"garlic near pounded", {"/entries/aioli.html"}},
      {"pounded before garlic", {}},
      {"dough before butter", {"/entries/croissant.html", "/entries/pate-feuilletee.html"}},
      {"kumquat", {}},
  };
  for (const auto& c : kCases) {
    const nlohmann::json out = Search(c.m_pcQuery);
    EXPECT_EQ(Paths(out), c.m_expected) << c.m_pcQuery;
    EXPECT_EQ(out["total"], c.m_expected.size()) << c.m_pcQuery;
  }
}

TEST(ztSearchCommand, PrintsJsonOfTheDocumentedShape) {
  const nlohmann::json out = Search("butter", "3");
  ASSERT_TRUE(out.is_object());
  EXPECT_EQ(out.size(), 2u);
  EXPECT_GT(out["total"].get<int>(), 3);
  ASSERT_EQ(out["results"].size(), 3u);
  for (const auto& result : out["results"]) {
    EXPECT_EQ(result.size(), 5u);
    EXPECT_TRUE(result["doc"].is_number_unsigned());
    EXPECT_TRUE(result["title"].is_string());
    EXPECT_EQ(result["path"].get<std::string>().rfind("/entries/", 0), 0u);
    EXPECT_TRUE(result["score"].is_number_unsigned());
    EXPECT_NE(result["snippet"].get<std::string>().find("<mark>butter</mark>"), std::string::npos)
        << result["snippet"];
  }
}

TEST(ztSearchCommand, RanksHeadwordHitsAboveBodyHits) {
  const nlohmann::json out = Search("roux");
  ASSERT_GE(out["results"].size(), 3u);
  EXPECT_EQ(out["results"][0]["path"], "/entries/roux.html");
  EXPECT_GT(out["results"][0]["score"], out["results"][1]["score"]);
  for (size_t i = 1; i < out["results"].size(); ++i) {
    EXPECT_GE(out["results"][i - 1]["score"], out["results"][i]["score"]);
    EXPECT_GT(out["results"][i]["score"].get<unsigned>(), 0u);
  }
}

TEST(ztSearchCommand, ListsNumberedResultsWithMarkedSnippets) {
  const ztToolRun run = ztRunTool({"search", ztSampleWork(), "saffron"});
  ASSERT_EQ(run.m_iStatus, 0) << run.m_err;
  const std::vector<std::string> lines = ztLines(run.m_out);
  ASSERT_EQ(lines.size(), 3u) << run.m_out;
  EXPECT_EQ(lines[0], "1 found");
  EXPECT_EQ(lines[1].rfind("1. bouillabaisse  (/entries/bouillabaisse.html, doc ", 0), 0u)
      << lines[1];
  EXPECT_NE(lines[2].find("olive oil, [saffron] and fennel"), std::string::npos) << lines[2];
}

TEST(ztSearchCommand, ReportsABadQueryInOneSentence) {
  for (const bool json : {false, true}) {
    std::vector<std::string> args = {"search", ztSampleWork(), "\"unclosed"};
    if (json) args.push_back("--json");
    const ztToolRun run = ztRunTool(args);
    EXPECT_EQ(run.m_iStatus, 1);
    EXPECT_EQ(ztLines(run.m_err).size(), 1u) << run.m_err;
    EXPECT_EQ(run.m_err.rfind("zt: could not search for \"unclosed: ", 0), 0u) << run.m_err;
    if (json) {
      const nlohmann::json out = nlohmann::json::parse(run.m_out);
      EXPECT_EQ(out.size(), 2u);
      EXPECT_TRUE(out["error"].is_string());
      EXPECT_TRUE(out["code"].is_number_integer());
      EXPECT_NE(out["code"], 0);
    } else {
      EXPECT_EQ(run.m_out, "");
    }
  }
}

}  // namespace
