#include "tools/writer/ZTFileSystemBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

TEST(FileSystemBuilderTest, WritesTheTablesAndTheirConfiguration) {
  ztTempDir dir;
  ZTFileSystemBuilder builder;
  builder.AddDirectory({"", 0, {1}, {}});
  builder.AddDirectory({"a", 0, {}, {0}});
  builder.AddFile({"x.html", 1, "X", "<p>x</p>"});
  std::string config;
  ASSERT_EQ(builder.Write(dir.path(), &config), 0) << ztTakeLog();
  EXPECT_EQ(config, dir.File("fs.cfg"));
  const std::string text = ztReadFile(config);
  EXPECT_NE(text.find("[DIRTABLE]\nRSURL=native:" + dir.File("dirs") + "\n"), std::string::npos);
  EXPECT_NE(text.find("[FILETABLE]\nRSURL=native:" + dir.File("files") + "\n"), std::string::npos);
  for (const char* table : {"dirs", "files", "dirlist", "filelist"}) {
    EXPECT_FALSE(ztReadFile(dir.File(table) + "/config.cft").empty()) << table;
  }
}

TEST(FileSystemBuilderTest, NumbersNamingNothingAreRefused) {
  const struct {
    ZTBuilderDirectory m_dir;
    ZTBuilderFile m_file;
    const char* m_pcMessage;
  } cases[] = {
      {{"a", 2, {}, {}},
       {"f", 0, "", ""},
       "the parent of directory 1 is 2; there are 2 directories"},
      {{"a", 0, {7}, {}}, {"f", 0, "", ""}, "a child of directory 1 is 7; there are 2 directories"},
      {{"a", 0, {}, {1}}, {"f", 0, "", ""}, "a file of directory 1 is 1; there are 1 files"},
      {{"a", 0, {}, {}}, {"f", 3, "", ""}, "the parent of file 0 is 3; there are 2 directories"},
  };
  for (const auto& c : cases) {
    ztTempDir dir;
    ZTFileSystemBuilder builder;
    builder.AddDirectory({"", 0, {1}, {0}});
    builder.AddDirectory(c.m_dir);
    builder.AddFile(c.m_file);
    std::string config;
    ztTakeLog();
    EXPECT_EQ(builder.Write(dir.path(), &config), 1) << c.m_pcMessage;
    EXPECT_NE(ztTakeLog().find(c.m_pcMessage), std::string::npos) << c.m_pcMessage;
    EXPECT_TRUE(config.empty());
  }
}

TEST(FileSystemBuilderTest, ATreeWithoutARootIsRefused) {
  ztTempDir dir;
  ZTFileSystemBuilder builder;
  std::string config;
  ztTakeLog();
  EXPECT_EQ(builder.Write(dir.path(), &config), 1);
  EXPECT_NE(ztTakeLog().find("the file system has no root"), std::string::npos);
}

}  // namespace
