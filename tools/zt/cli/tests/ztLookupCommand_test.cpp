// zt lookup on the sample work: every mode, case sensitivity, the limit, and the JSON form.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

// The headword column of the text output, joined by "|".
std::string Headwords(const ztToolRun& run) {
  std::string joined;
  for (const std::string& line : ztLines(run.m_out)) {
    joined += (joined.empty() ? "" : "|") + line.substr(0, line.find('\t'));
  }
  return joined;
}

TEST(ztLookupCommand, FindsHeadwordsInEveryMode) {
  const struct {
    std::vector<std::string> m_args;
    const char* m_pcExpected;
  } kCases[] = {
      // Accents and case do not matter by default; variants lead to their entry too.
      {{"PATE"}, "pâte|pâté"},
      {{"creme brulee"}, "creme brulee|crème brûlée"},
      {{"oeuf"}, "oeuf"},  // through the variant: the ligature is not simplified
      {{"crème", "--case-sensitive"}, "crème"},
      {{"Tarte tatin", "--case-sensitive"}, ""},
      {{"tarte Tatin", "--case-sensitive"}, "tarte Tatin"},
      {{"beurre", "--mode", "begins"}, "beurre|beurre blanc|beurre noisette"},
      {{"beurre", "--mode", "begins", "--limit", "2"}, "beurre|beurre blanc"},
      {{"ille", "--mode", "ends"}, "ratatouille"},
      {{"b?urre*", "--mode", "wildcard"}, "beurre|beurre blanc|beurre noisette"},
      {{"sau.*", "--mode", "regex"}, "sauces meres|sauces mères|saute|sauté"},
      {{"nothing-like-it"}, ""},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"lookup", ztSampleWork()};
    args.insert(args.end(), c.m_args.begin(), c.m_args.end());
    const ztToolRun run = ztRunTool(args);
    EXPECT_EQ(run.m_iStatus, 0) << c.m_args[0] << ": " << run.m_err;
    EXPECT_EQ(Headwords(run), c.m_pcExpected) << c.m_args[0];
    EXPECT_EQ(run.m_err, "") << c.m_args[0];
  }
}

TEST(ztLookupCommand, PrintsEachHeadwordWithItsEntry) {
  const ztToolRun run = ztRunTool({"lookup", ztSampleWork(), "cafe"});
  EXPECT_EQ(run.m_out, "cafe\tcafe\ncafé\tcafe\n");
}

TEST(ztLookupCommand, PrintsJsonArrayOfIdAndHeadword) {
  const ztToolRun run = ztRunTool({"lookup", ztSampleWork(), "pate", "--json"});
  ASSERT_EQ(run.m_iStatus, 0) << run.m_err;
  const nlohmann::json out = nlohmann::json::parse(run.m_out);
  ASSERT_TRUE(out.is_array());
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], nlohmann::json({{"id", "pate"}, {"headword", "pâte"}}));
  EXPECT_EQ(out[1], nlohmann::json({{"id", "pate-meat"}, {"headword", "pâté"}}));
  EXPECT_EQ(nlohmann::json::parse(ztRunTool({"lookup", ztSampleWork(), "zzz", "--json"}).m_out),
            nlohmann::json::array());
}

TEST(ztLookupCommand, RefusesBadArguments) {
  const std::vector<std::string> kBad[] = {
      {"lookup", ztSampleWork()},
      {"lookup", ztSampleWork(), "x", "--mode", "fuzzy"},
      {"lookup", ztSampleWork(), "x", "--limit", "0"},
      {"lookup", ztSampleWork(), "x", "--limit", "many"},
      {"lookup", ztSampleWork(), "x", "--limit"},
      {"lookup", ztSampleWork(), "x", "--colour"},
  };
  for (const auto& args : kBad) {
    const ztToolRun run = ztRunTool(args);
    EXPECT_EQ(run.m_iStatus, 2) << args.back();
    EXPECT_EQ(run.m_out, "") << args.back();
    EXPECT_EQ(ztLines(run.m_err).size(), 1u) << run.m_err;
    EXPECT_EQ(run.m_err.rfind("zt: ", 0), 0u) << run.m_err;
  }
}

TEST(ztLookupCommand, ReportsABadRegularExpression) {
  const ztToolRun run = ztRunTool({"lookup", ztSampleWork(), "(unclosed", "--mode", "regex"});
  EXPECT_EQ(run.m_iStatus, 1);
  EXPECT_EQ(ztLines(run.m_err).size(), 1u) << run.m_err;
  EXPECT_NE(run.m_err.find("could not look up (unclosed"), std::string::npos) << run.m_err;
}

}  // namespace
