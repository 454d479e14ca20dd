// zt info on the sample work, and every reading command on damaged copies of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "testing/ztTempDir.h"
#include "tools/zt/cli/tests/ztToolRun.h"

namespace {

TEST(ztInfoCommand, DescribesTheWorkAndItsTables) {
  const ztToolRun run = ztRunTool({"info", ztSampleWork()});
  ASSERT_EQ(run.m_iStatus, 0) << run.m_err;
  for (const char* expected :
       {"WORK/NAME            cuisine\n", "WORK/ENTRIES         36\n", "WORK/PRESORTED       1\n",
        "tables:\n", "  headwords/words                  58 records", "  articles/files"}) {
    EXPECT_NE(run.m_out.find(expected), std::string::npos) << expected << "\n" << run.m_out;
  }
  EXPECT_EQ(ztLines(run.m_out).back().rfind("total ", 0), 0u);
}

void Overwrite(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Each damage makes the commands that read the damaged part fail with one sentence, and none of
// them crash.
TEST(ztInfoCommand, ReadingDamagedWorksFailsInOneSentence) {
  namespace fs = std::filesystem;
  const struct {
    const char* m_pcName;
    void (*m_pDamage)(const std::string& work);
    std::vector<std::string> m_failing;  // the commands that must fail
  } kCases[] = {
      {"no description",
       [](const std::string& w) { fs::remove(w + "/work.ini"); },
       {"lookup", "search", "show", "info"}},
      {"description without parts",
       [](const std::string& w) { Overwrite(w + "/work.ini", "[WORK\n"); },
       {"lookup", "search", "show", "info"}},
      {"index missing",
       [](const std::string& w) { fs::remove_all(w + "/index"); },
       {"lookup", "search", "show", "info"}},
      {"word table missing",
       [](const std::string& w) { fs::remove_all(w + "/headwords/words"); },
       {"lookup", "search", "show", "info"}},
      {"table description garbled",
       [](const std::string& w) { Overwrite(w + "/headwords/words/config.cft", "garbage\n"); },
       {"lookup", "search", "show", "info"}},
      {"document table truncated",
       [](const std::string& w) { fs::resize_file(w + "/index/docs/records.dat", 10); },
       {"search"}},
      {"articles zeroed",
       [](const std::string& w) {
         const std::string data = w + "/articles/files/f3.0.dat";
         Overwrite(data, std::string(fs::file_size(data), '\0'));
       },
       {"search", "show"}},
  };
  for (const auto& c : kCases) {
    ztTempDir dir;
    const std::string work = ztCopySampleWork(dir.path());
    c.m_pDamage(work);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"lookup", work, "cafe"},
                                                 {"search", work, "butter"},
                                                 {"show", work, "cafe"},
                                                 {"info", work}}) {
      const ztToolRun run = ztRunTool(args);
      const bool mustFail =
          std::find(c.m_failing.begin(), c.m_failing.end(), args[0]) != c.m_failing.end();
      EXPECT_EQ(run.m_iStatus, mustFail ? 1 : 0) << c.m_pcName << ", " << args[0];
      if (run.m_iStatus != 0) {
        EXPECT_EQ(ztLines(run.m_err).size(), 1u) << c.m_pcName << ": " << run.m_err;
        EXPECT_EQ(run.m_err.rfind("zt: ", 0), 0u) << run.m_err;
      }
    }
  }
}

TEST(ztInfoCommand, NamesWhatIsMissing) {
  ztTempDir dir;
  const std::string work = ztCopySampleWork(dir.path());
  std::filesystem::remove_all(work + "/index");
  const ztToolRun run = ztRunTool({"info", work});
  EXPECT_NE(run.m_err.find("index/index.cfg is missing"), std::string::npos) << run.m_err;
  const ztToolRun none = ztRunTool({"lookup", dir.File("nowhere"), "cafe", "--json"});
  EXPECT_EQ(none.m_iStatus, 1);
  EXPECT_NE(none.m_err.find("is not a work"), std::string::npos) << none.m_err;
  EXPECT_EQ(nlohmann::json::parse(none.m_out)["code"], 11);
}

}  // namespace
