#include "core/ZTSearchPath.h"

#include <gtest/gtest.h>
#include <plstr.h>
#include <prmem.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/tests/ztEnvirTesting.h"
#include "testing/ztTempDir.h"

namespace {

// T/a/b/, T/a/x, T/x, T/d1/f1, T/d2/f1, T/d2/f2.
class SearchPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(m_dir.path().empty());
    std::filesystem::create_directories(m_dir.File("a/b"));
    std::filesystem::create_directories(m_dir.File("d1"));
    std::filesystem::create_directories(m_dir.File("d2"));
    for (const char* name : {"a/x", "x", "d1/f1", "d2/f1", "d2/f2"}) m_dir.Write(name, name);
  }

  // "$" in text stands for the temporary directory.
  std::string Expand(const std::string& text) const {
    std::string out;
    for (char c : text) out += c == '$' ? m_dir.path() : std::string(1, c);
    return out;
  }

  // The found path, or "rc=<code>".
  std::string Find(const std::string& name, const std::string& list) const {
    char* found = nullptr;
    int rc = FindFileInPath(name.c_str(), list.c_str(), &found);
    std::string text = rc ? "rc=" + std::to_string(rc) : std::string(found ? found : "<null>");
    if (rc) {
      EXPECT_EQ(found, nullptr);
    }
    PR_Free(found);
    return text;
  }

  ztTempDir m_dir;
};

TEST_F(SearchPathTest, CandidatesInOrder) {
  struct Case {
    const char* name;
    const char* list;
    const char* expected;
  };
  const Case cases[] = {
      {"f1", "$/d1;$/d2", "$/d1/f1"},
      {"f1", ";;$/d2/;;$/d1", "$/d2/f1"},  // empty elements skipped, no doubled '/'
      {"f2", "$/d1;$/d2", "$/d2/f2"},
      {"$/x", "$/d1", "$/x"},  // the name as it stands
      {"missing", "$/d1;$/d2", "rc=11"},
      {"f1", "", "rc=11"},
      {"../x", "$/a/b", "$/a/x"},
      {"../../x", "$/a/b", "$/x"},
      {"../../x", "$/a/b/", "$/x"},        // a trailing '/' is not a component
      {"../f2", "$/a/b;$/d2", "$/d2/f2"},  // later directories: prefixes removed
      {"../../f1", "$/a/b;;$/d1", "$/d1/f1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Find(Expand(c.name), Expand(c.list)), Expand(c.expected))
        << c.name << " in " << c.list;
  }
}

TEST_F(SearchPathTest, InvalidArguments) {
  char* found = nullptr;
  EXPECT_EQ(FindFileInPath("x", nullptr, &found), 1);
  EXPECT_EQ(FindFileInPath("x", m_dir.path().c_str(), nullptr), 1);
  EXPECT_EQ(FindFileInPath(nullptr, m_dir.path().c_str(), &found), 1);
  EXPECT_EQ(FindFileInPath("", m_dir.path().c_str(), &found), 1);  // would name the directory
  EXPECT_EQ(found, nullptr);
}

TEST_F(SearchPathTest, UpPrefixesBeyondTheDirectoryStayOnTheName) {
  char* saved = getcwd(nullptr, 0);
  ASSERT_EQ(chdir(m_dir.File("d1").c_str()), 0);
  // "rel" loses its only component; the second "../" is left relative to the current directory.
  EXPECT_EQ(Find("../../x", "rel"), "../x");
  // Above the root is the root.
  std::string fromRoot = "../.." + m_dir.path() + "/x";
  EXPECT_EQ(Find(fromRoot, "/"), m_dir.File("x"));
  EXPECT_EQ(chdir(saved), 0);
  free(saved);
}

TEST_F(SearchPathTest, EnvironmentPath) {
  ASSERT_EQ(ztTestEnvir()->SetValue("PATH", Expand("$/d2;$/d1").c_str()), 0);
  char* found = nullptr;
  ASSERT_EQ(FindFileInEnvirPath("f1", &found), 0);
  EXPECT_EQ(std::string(found), m_dir.File("d2/f1"));
  PR_Free(found);
  EXPECT_EQ(FindFileInEnvirPath("none", &found), 11);
  char* path = ZTGetPath();
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(std::string(path), Expand("$/d2;$/d1"));
  PL_strfree(path);
}

}  // namespace
