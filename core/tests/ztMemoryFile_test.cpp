#include "core/ztMemoryFile.h"

#include <gtest/gtest.h>
#include <prerror.h>

#include <string>
#include <vector>

#include "testing/ztTempDir.h"

namespace {

TEST(ztMemoryFileTest, ReadsTheBytesInOrder) {
  const char text[] = "hello world";
  PRFileDesc* fd = ztPR_OpenMemory(text, 11);
  ASSERT_NE(fd, nullptr);
  char buffer[32] = {};
  EXPECT_EQ(PR_Read(fd, buffer, 5), 5);
  EXPECT_EQ(std::string(buffer, 5), "hello");
  EXPECT_EQ(PR_Read(fd, buffer, 100), 6);
  EXPECT_EQ(std::string(buffer, 6), " world");
  EXPECT_EQ(PR_Read(fd, buffer, 100), 0);
  EXPECT_EQ(PR_Read(fd, buffer, -1), -1);
  EXPECT_EQ(PR_Close(fd), PR_SUCCESS);
}

TEST(ztMemoryFileTest, IsAPlainFileThatOnlyReadsAndCloses) {
  EXPECT_EQ(ztPR_OpenMemory(nullptr, 3), nullptr);
  PRFileDesc* a = ztPR_OpenMemory("", 0);
  PRFileDesc* b = ztPR_OpenMemory("x", 1);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->identity, b->identity);
  EXPECT_STREQ(PR_GetNameForIdentity(a->identity), "ZT memory file");
  EXPECT_EQ(PR_GetDescType(a), PR_DESC_FILE);
  char byte = 0;
  EXPECT_EQ(PR_Read(a, &byte, 1), 0);
  EXPECT_EQ(PR_Write(b, "y", 1), -1);
  EXPECT_EQ(PR_GetError(), PR_INVALID_METHOD_ERROR);
  EXPECT_EQ(PR_Seek64(b, 0, PR_SEEK_SET), -1);
  EXPECT_EQ(PR_Sync(b), PR_FAILURE);
  EXPECT_EQ(PR_Close(a), PR_SUCCESS);
  EXPECT_EQ(PR_Close(b), PR_SUCCESS);
}

// Every string PR_fgets returns from bytes with a buffer of size bytes, until it returns null.
std::vector<std::string> Fgets(const std::string& bytes, PRInt32 size) {
  PRFileDesc* fd = ztPR_OpenMemory(bytes.data(), bytes.size());
  std::vector<std::string> lines;
  std::vector<char> buffer(size > 0 ? size : 1, '#');
  while (char* line = PR_fgets(buffer.data(), size, fd)) lines.push_back(line);
  PR_Close(fd);
  return lines;
}

TEST(ztMemoryFileTest, FgetsReadsLines) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(Fgets("ab\ncd", 10), (Lines{"ab\n", "cd"}));
  EXPECT_EQ(Fgets("abcd\n", 3), (Lines{"ab", "cd", "\n"}));
  EXPECT_EQ(Fgets("\n\n", 2), (Lines{"\n", "\n"}));
  EXPECT_EQ(Fgets("abc", 1), Lines{});
  EXPECT_EQ(Fgets("", 10), Lines{});
  char buffer[4];
  EXPECT_EQ(PR_fgets(buffer, 4, nullptr), nullptr);
}

TEST(ztMemoryFileTest, FgetsFailsOnReadError) {
  ztTempDir dir;
  PRFileDesc* fd = PR_Open(dir.path().c_str(), PR_RDONLY, 0);  // reading a directory fails
  ASSERT_NE(fd, nullptr);
  char buffer[8];
  EXPECT_EQ(PR_fgets(buffer, 8, fd), nullptr);
  PR_Close(fd);
}

}  // namespace
