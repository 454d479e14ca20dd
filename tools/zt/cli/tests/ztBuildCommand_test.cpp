// zt build: the sample source compiled again, and sources it must refuse.
#include <gtest/gtest.h>

#include <filesystem>

#include "testing/ztTempDir.h"
#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

TEST(ztBuildCommand, CompilesASourceWithItsMedia) {
  ztTempDir dir;
  const std::string out = dir.File("cuisine");
  const ztToolRun run = ztRunTool({"build", ZT_SAMPLE_SOURCE, out});
  ASSERT_EQ(run.m_iStatus, 0) << run.m_err;
  EXPECT_EQ(run.m_out.rfind(out + ": 36 entries, 58 headwords, ", 0), 0u) << run.m_out;
  // The 36 articles and the 3 pronunciations.
  EXPECT_NE(ztRunTool({"info", out}).m_out.find("  articles/files                   39 records"),
            std::string::npos);
  EXPECT_EQ(ztRunTool({"lookup", out, "aioli"}).m_out, "aioli\taioli\naïoli\taioli\n");
  // The work is not built over an existing one.
  const ztToolRun again = ztRunTool({"build", ZT_SAMPLE_SOURCE, out});
  EXPECT_EQ(again.m_iStatus, 1);
  EXPECT_EQ(ztLines(again.m_err).size(), 1u) << again.m_err;
}

TEST(ztBuildCommand, RefusesABadSourceAndLeavesNothing) {
  ztTempDir dir;
  std::filesystem::create_directory(dir.File("src"));
  dir.Write("src/manifest.json", "{\"name\": \"bad\", \"title\": \"Bad\", \"language\": \"en\"}");
  dir.Write("src/entries.jsonl",
            "{\"id\": \"a\", \"headwords\": [\"a\"], \"html\": \"\"}\n"
            "{\"id\": \"b\", \"headwords\": [], \"html\": \"\"}\n");
  const ztToolRun run = ztRunTool({"build", dir.File("src"), dir.File("out")});
  EXPECT_EQ(run.m_iStatus, 1);
  EXPECT_NE(run.m_err.find("entries.jsonl"), std::string::npos) << run.m_err;
  EXPECT_NE(run.m_err.find("2"), std::string::npos) << run.m_err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

}  // namespace
