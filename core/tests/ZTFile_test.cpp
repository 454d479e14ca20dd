#include "core/ZTFile.h"

#include <gtest/gtest.h>
#include <plstr.h>

#include <filesystem>
#include <string>

#include "core/tests/ztEnvirTesting.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

// A file whose path can be set directly.
class PathFile : public ZTFile {
 public:
  void SetPath(const char* path) {
    PL_strfree(m_pcPath);
    m_pcPath = PL_strdup(path);
  }
  std::string Path() const {
    char* path = nullptr;
    if (GetFileName(&path)) return "<none>";
    std::string text = path;
    PL_strfree(path);
    return text;
  }
};

class ZTFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(m_dir.File("d"));
    m_dir.Write("d/f", "data");
    m_file = new PathFile();
  }
  void TearDown() override { m_file->Release(); }

  ztTempDir m_dir;
  PathFile* m_file = nullptr;
};

TEST_F(ZTFileTest, SetFileNameResolvesAlongPath) {
  ASSERT_EQ(ztTestEnvir()->SetValue("PATH", m_dir.File("d").c_str()), 0);
  const std::string dir = m_dir.File("d");
  const std::string file = dir + "/f";
  struct Case {
    const char* name;
    const char* subname;
    int rc;
    std::string path;
  };
  const Case cases[] = {
      {nullptr, nullptr, 1, "<none>"},
      {"", nullptr, 1, "<none>"},
      {"missing", nullptr, 11, "<none>"},
      {"f", nullptr, 0, dir + "/f"},
      {dir.c_str(), nullptr, 1, "<none>"},  // a directory needs a subname
      {dir.c_str(), "not-there", 0, dir + "/not-there"},
      {file.c_str(), "ignored", 0, file},
  };
  for (const Case& c : cases) {
    m_file->SetPath("previous");
    EXPECT_EQ(m_file->SetFileName(c.name, c.subname), c.rc) << (c.name ? c.name : "null");
    // A failed resolution forgets the previous path, except for a missing name.
    std::string expected = c.rc == 1 && (!c.name || !*c.name) ? "previous" : c.path;
    EXPECT_EQ(m_file->Path(), expected) << (c.name ? c.name : "null");
  }
}

TEST_F(ZTFileTest, ConfigureItemAcceptsOnlyPath) {
  ztTakeLog();
  const std::string target = m_dir.File("d/f");
  EXPECT_EQ(m_file->ConfigureItem("S", "PATH", target.c_str()), 0);
  EXPECT_EQ(m_file->Path(), target);
  EXPECT_EQ(m_file->ConfigureItem("S", "PATH", "missing"), 11);
  EXPECT_EQ(m_file->ConfigureItem("S", "path", "x"), 100);
  EXPECT_EQ(ztTakeLog(), "[ZTFile::Configure] Invalid configuration option [S] path=x\n");
}

TEST_F(ZTFileTest, PushEnvirPutsTheFilesDirectoryFirst) {
  ASSERT_EQ(ztTestEnvir()->SetValue("PATH", "/old"), 0);
  struct Case {
    std::string path;
    std::string during;
  };
  const Case cases[] = {
      {m_dir.File("d/f"), m_dir.File("d") + ";/old"},
      {"/top.ini", "/;/old"},    // a file of the root directory
      {"relative.ini", "/old"},  // no directory part: only a context
  };
  for (const Case& c : cases) {
    m_file->SetPath(c.path.c_str());
    ASSERT_EQ(m_file->PushEnvir(), 0);
    EXPECT_EQ(ztTestValue("PATH"), c.during) << c.path;
    ASSERT_EQ(ztTestEnvir()->SetValue("PATH", "changed"), 0);
    EXPECT_EQ(m_file->PopEnvir(), 0);
    EXPECT_EQ(ztTestValue("PATH"), "/old") << c.path;
  }
  EXPECT_EQ(m_file->PopEnvir(), 1);  // every push was popped
}

}  // namespace
