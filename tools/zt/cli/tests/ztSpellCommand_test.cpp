// zt spell: the answer in text and JSON, the speller's own notes kept out of it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

TEST(ztSpellCommand, ChecksAndSuggestsInValidJson) {
  const ztToolRun right = ztRunTool({"spell", "fr", "café", "--json"});
  ASSERT_EQ(right.m_iStatus, 0) << right.m_err;
  EXPECT_EQ(nlohmann::json::parse(right.m_out),
            nlohmann::json(
                {{"word", "café"}, {"correct", true}, {"suggestions", nlohmann::json::array()}}));
  const ztToolRun wrong = ztRunTool({"spell", "fr", "cafe", "--json"});
  ASSERT_EQ(wrong.m_iStatus, 0) << wrong.m_err;
  const nlohmann::json out = nlohmann::json::parse(wrong.m_out);
  EXPECT_EQ(out["correct"], false);
  ASSERT_FALSE(out["suggestions"].empty());
  EXPECT_EQ(out["suggestions"][0], "café");
}

TEST(ztSpellCommand, PrintsOneLine) {
  EXPECT_EQ(ztRunTool({"spell", "en", "colour"}).m_out, "colour: correct\n");
  const ztToolRun wrong = ztRunTool({"spell", "en", "colr"});
  EXPECT_EQ(wrong.m_out.rfind("colr: not found; suggestions: ", 0), 0u) << wrong.m_out;
  EXPECT_EQ(ztLines(wrong.m_out).size(), 1u);
}

TEST(ztSpellCommand, ReportsAnUnknownLanguage) {
  const ztToolRun run = ztRunTool({"spell", "xx-nowhere", "word", "--json"});
  EXPECT_EQ(run.m_iStatus, 1);
  const nlohmann::json out = nlohmann::json::parse(run.m_out);
  EXPECT_NE(out["error"].get<std::string>().find("no speller for the language xx-nowhere"),
            std::string::npos);
  EXPECT_EQ(ztLines(run.m_err).size(), 1u) << run.m_err;
}

}  // namespace
