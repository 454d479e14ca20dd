#include "frontends/fs/ZTFileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "frontends/fs/ZTFSDirectory.h"
#include "frontends/fs/ZTFSFile.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTFileSystemBuilder.h"

namespace {

// root: a/ (b/ c.html, abc/, a.html), x/, top.html, x; directories 5 and 6 are each other's
// parent.
const std::vector<ZTBuilderDirectory> kDirs = {
    {"", 0, {1, 2}, {0, 1}}, {"a", 0, {3, 4}, {2}}, {"x", 0, {}, {}},    {"b", 1, {}, {3}},
    {"abc", 1, {}, {}},      {"loop1", 6, {}, {}},  {"loop2", 5, {}, {}}};
const std::vector<ZTBuilderFile> kFiles = {
    {"top.html", 0, "", ""}, {"x", 0, "", ""}, {"a.html", 1, "", ""}, {"c.html", 3, "", ""}};

// Writes the tree into dir; the configuration's path, empty on failure.
std::string WriteFileSystem(const ztTempDir& dir) {
  ZTFileSystemBuilder builder;
  for (const ZTBuilderDirectory& d : kDirs) builder.AddDirectory(d);
  for (ZTBuilderFile f : kFiles) {
    f.m_title = "Title of " + f.m_name;
    f.m_content = "<p>" + f.m_name + "</p>";
    builder.AddFile(f);
  }
  std::string config;
  return builder.Write(dir.path(), &config) == 0 ? config : std::string();
}

std::string Text(ZTBinary* value) {
  std::string text(reinterpret_cast<const char*>(value->GetData()), value->GetLength());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  value->Release();
  return text;
}

class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ztTakeLog();
    const std::string path = WriteFileSystem(m_dir);
    ASSERT_FALSE(path.empty()) << ztTakeLog();
    m_pFs = new ZTFileSystem();
    ASSERT_EQ(m_pFs->SetFileName(path.c_str(), nullptr), 0) << ztTakeLog();
  }
  void TearDown() override { ztRelease(m_pFs); }

  // The record number of the directory of a path, or -code when it fails.
  long long Dir(const char* path) {
    ZTFSDirectory* dir = nullptr;
    const int rc = m_pFs->GetDir(path, &dir);
    PRUint32 id = 0;
    if (rc == 0) dir->GetFSObjectId(&id);
    ztRelease(dir);
    return rc ? -rc : static_cast<long long>(id);
  }

  // "dir:<name>" or "file:<name>" for an object, "rc=<code>" for a failure.
  std::string Object(const char* path) {
    ZTFSObject* object = nullptr;
    const int rc = m_pFs->GetObject(path, &object);
    if (rc) return "rc=" + std::to_string(rc);
    int file = 0;
    object->IsFile(&file);
    const std::string text = std::string(file ? "file:" : "dir:") + object->GetName();
    object->Release();
    return text;
  }

  ztTempDir m_dir;
  ZTFileSystem* m_pFs = nullptr;
};

TEST_F(FileSystemTest, DirectoryPathsResolveComponentByComponent) {
  const struct {
    const char* m_pcPath;
    long long m_iExpected;
  } cases[] = {
      {"", 0},
      {"/", 0},
      {"a", 1},
      {"a/b", 3},
      {"//a///b", 3},
      {"a/./b", 3},
      {"a/b/../b", 3},
      {"a/b/..", 1},
      {"./a/", 1},
      {"a/abc", 4},
      {"ab", -3000},
      {"a/c", -3000},
      {"..", -3000},
      {"../a", -3000},
      {"a/../..", -3000},
      {"top.html", -3000},  // a file is not a directory
      {"a\xff", -3000},
  };
  for (const auto& c : cases) EXPECT_EQ(Dir(c.m_pcPath), c.m_iExpected) << c.m_pcPath;
  // Long chains of components walk level by level, however long the path.
  std::string dots;
  for (int i = 0; i < 100000; ++i) dots += "./";
  EXPECT_EQ(Dir((dots + "a/b").c_str()), 3);
  std::string deep;
  for (int i = 0; i < 20000; ++i) deep += "a/..//";
  EXPECT_EQ(Dir((deep + "a").c_str()), 1);
}

TEST_F(FileSystemTest, FilesAndObjectsResolveTheirLastComponent) {
  ZTFSFile* file = nullptr;
  ASSERT_EQ(m_pFs->GetFile("/a/b/c.html", &file), 0);
  EXPECT_EQ(Text([&] {
              ZTBinary* b = nullptr;
              file->GetTitle(&b);
              return b;
            }()),
            "Title of c.html");
  EXPECT_EQ(Text([&] {
              ZTBinary* b = nullptr;
              file->GetData(&b);
              return b;
            }()),
            "<p>c.html</p>");
  file->Release();
  for (const char* path : {"a/b/", "", "a/b/c.htm", "a/nowhere/c.html", "a", "../top.html"}) {
    EXPECT_EQ(m_pFs->GetFile(path, &file), 3000) << path;
    EXPECT_EQ(file, nullptr);
  }
  EXPECT_EQ(Object("x"), "dir:x");  // the subdirectory before the file of the same name
  EXPECT_EQ(Object("top.html"), "file:top.html");
  EXPECT_EQ(Object("a/"), "dir:a");
  EXPECT_EQ(Object(""), "dir:");
  EXPECT_EQ(Object("a/zz"), "rc=3000");
  EXPECT_EQ(m_pFs->GetDir("a", nullptr), 101);
}

TEST_F(FileSystemTest, PathsAreTheAncestorsNames) {
  const struct {
    const char* m_pcPath;
    const char* m_pcExpected;
  } cases[] = {{"a/b/c.html", "/a/b"}, {"top.html", ""}, {"a/b", "/a"}, {"", ""}};
  for (const auto& c : cases) {
    ZTFSObject* object = nullptr;
    ASSERT_EQ(m_pFs->GetObject(c.m_pcPath, &object), 0) << c.m_pcPath;
    ASSERT_EQ(object->FetchParents(), 0);
    ASSERT_EQ(object->ComputePath(), 0);
    ASSERT_NE(object->GetPath(), nullptr);
    EXPECT_STREQ(object->GetPath(), c.m_pcExpected) << c.m_pcPath;
    object->Release();
  }
  ZTFSDirectory* b = nullptr;
  ZTFSDirectory* parent = nullptr;
  ASSERT_EQ(m_pFs->GetDir("a/b", &b), 0);
  EXPECT_EQ(b->GetParentDir(&parent), 0);
  EXPECT_EQ(parent, nullptr);  // not fetched yet
  EXPECT_EQ(b->GetLocation(&parent), 0);
  ASSERT_NE(parent, nullptr);
  EXPECT_STREQ(parent->GetName(), "a");
  parent->Release();
  b->Release();
}

TEST_F(FileSystemTest, ParentCyclesAndRecordsOutsideTheTablesAreRefused) {
  ZTFSDirectory* loop = nullptr;
  ASSERT_EQ(m_pFs->GetDir(5u, &loop), 0);
  EXPECT_EQ(loop->FetchParents(), 10);
  EXPECT_EQ(loop->ComputePath(), 10);
  loop->Release();
  EXPECT_EQ(m_pFs->GetDir(7u, &loop), 11);
  EXPECT_EQ(loop, nullptr);
  ZTFSFile* file = nullptr;
  EXPECT_EQ(m_pFs->GetFile(4u, &file), 11);
}

TEST_F(FileSystemTest, ChildrenAreListedInOrder) {
  ZTFSDirectory* a = nullptr;
  ASSERT_EQ(m_pFs->GetDir("a", &a), 0);
  PRUint32 dirs = 0, files = 0;
  EXPECT_EQ(a->GetDirCount(&dirs), 0);
  EXPECT_EQ(a->GetFileCount(&files), 0);
  EXPECT_EQ(dirs, 2u);
  EXPECT_EQ(files, 1u);
  ZTFSDirectory* second = nullptr;
  ASSERT_EQ(a->GetDir(1u, &second), 0);
  EXPECT_STREQ(second->GetName(), "abc");
  second->Release();
  EXPECT_NE(a->GetDir(2u, &second), 0);
  a->Release();
}

// The builder has the tables that path resolution walks read whole when the file system
// opens: once open, the tree resolves from memory even when those files are gone. The lists
// and records here are too large to be read whole by default.
TEST(FileSystemOpeningTest, ThePathTablesAreReadWholeOnOpening) {
  ztTempDir dir;
  ZTFileSystemBuilder builder;
  builder.AddDirectory({"", 0, {1}, {}});
  ZTBuilderDirectory big{"big", 0, {}, {}};
  for (PRUint32 i = 0; i < 400; ++i) {
    big.m_files.push_back(i);
    builder.AddFile({"f" + std::to_string(i) + ".html", 1, "T", ""});
  }
  builder.AddDirectory(big);
  std::string config;
  ASSERT_EQ(builder.Write(dir.path(), &config), 0) << ztTakeLog();
  ZTFileSystem* fs = new ZTFileSystem();
  ASSERT_EQ(fs->SetFileName(config.c_str(), nullptr), 0) << ztTakeLog();
  for (const char* file : {"dirs/records.dat", "dirs/f0.0.dat", "dirlist/records.dat",
                           "filelist/records.dat", "files/records.dat", "files/f0.0.dat"}) {
    dir.Write(file, "");
  }
  ZTFSFile* found = nullptr;
  ASSERT_EQ(fs->GetFile("big/f399.html", &found), 0) << ztTakeLog();
  EXPECT_STREQ(found->GetName(), "f399.html");
  found->Release();
  EXPECT_EQ(fs->GetFile("big/f400.html", &found), 3000);
  fs->Release();
}

TEST(FileSystemConfigurationTest, IncompleteConfigurationsFailWithTheirMessage) {
  ztTempDir dir;
  const std::string full = ztReadFile(WriteFileSystem(dir));
  ASSERT_FALSE(full.empty());
  auto without = [&](const std::string& line) {
    std::string text = full;
    text.erase(text.find(line), line.size());
    return text;
  };
  const struct {
    std::string m_text;
    int m_iCode;
    const char* m_pcMessage;
  } cases[] = {
      {without("FILESSUBFIELD=FILENO\n"), 1, "has a badly configured directory recordset"},
      {without("CONTENTFIELD=CONTENT\n"), 1, "has a badly configured file recordset"},
      {"", 1, "has no directory recordset"},
      {full.substr(0, full.find("[FILETABLE]")), 1, "has no file recordset"},
      {"[DIRTABLE]\nNAMEFIELD=NAME\n", 1,
       "[ZTFileSystem::GetRecordSetField] The recordset hasn't been loaded yet."},
      {"[DIRTABLE]\nRSURL=native:" + dir.File("dirs") + "\nFILESSUBFIELD=FILENO\n", 1,
       "[ZTFileSystem::GetFieldSubField] The field hasn't been configured yet."},
      {"[DIRTABLE]\nCOLOUR=red\n", 14, ""},
      {"[ELSEWHERE]\nRSURL=x\n", 14, ""},
  };
  for (const auto& c : cases) {
    ZTFileSystem fs;
    const std::string path = dir.Write("fs.cfg", c.m_text);
    ztTakeLog();
    EXPECT_EQ(fs.SetFileName(path.c_str(), nullptr), c.m_iCode) << c.m_text;
    EXPECT_NE(ztTakeLog().find(c.m_pcMessage), std::string::npos) << c.m_text;
    ZTFSDirectory* root = nullptr;
    if (c.m_text.empty()) {
      EXPECT_EQ(fs.GetRootDir(&root), 1);
      EXPECT_NE(ztTakeLog().find("[ZTFileSystem::GetDir] FS not initialized"), std::string::npos);
    }
  }
}

}  // namespace
