#include "core/ZTBinary.h"

#include <gtest/gtest.h>
#include <plstr.h>
#include <prmem.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include <cstring>
#include <string>

#include "testing/ztTempDir.h"

namespace {

std::string Bytes(const ZTBinary& b) {
  return std::string(reinterpret_cast<const char*>(b.GetData()), b.GetLength());
}

mode_t ModeOf(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

class ZTBinaryTest : public testing::Test {
 protected:
  void SetUp() override { umask(022); }
};

TEST_F(ZTBinaryTest, ConstructionAndCopies) {
  ZTBinary* empty = new ZTBinary();
  EXPECT_EQ(empty->GetData(), nullptr);
  EXPECT_EQ(empty->GetLength(), 0u);
  ZTBinary* made = ZTBinary::_CreateInstance("ab\0c", 4);
  EXPECT_EQ(Bytes(*made), std::string("ab\0c", 4));
  ZTBinary* copy = ZTBinary::_CreateInstance(*made);
  EXPECT_NE(copy->GetData(), made->GetData());
  EXPECT_EQ(Bytes(*copy), Bytes(*made));
  ZTBinary* none = ZTBinary::_CreateInstance(nullptr, 5);
  EXPECT_EQ(none->GetLength(), 0u);
  for (ZTBinary* b : {empty, made, copy, none}) b->Release();
}

TEST_F(ZTBinaryTest, StringData) {
  ZTBinary* b = new ZTBinary();
  char* text = nullptr;
  ASSERT_EQ(b->GetStringData(&text), 0);
  EXPECT_STREQ(text, "");
  PL_strfree(text);

  ASSERT_EQ(b->SetStringData("cat"), 0);
  EXPECT_EQ(b->GetLength(), 4u);
  ASSERT_EQ(b->GetStringData(&text), 0);
  EXPECT_STREQ(text, "cat");
  PL_strfree(text);

  // The copy ends at the first NUL, and never reads past the length.
  ASSERT_EQ(b->SetData("dog\0cow", 7), 0);
  ASSERT_EQ(b->GetStringData(&text), 0);
  EXPECT_STREQ(text, "dog");
  PL_strfree(text);
  ASSERT_EQ(b->SetData("abc", 2), 0);
  ASSERT_EQ(b->GetStringData(&text), 0);
  EXPECT_STREQ(text, "ab");
  PL_strfree(text);
  b->Release();
}

TEST_F(ZTBinaryTest, ReallocSharedDataAndEmpty) {
  ZTBinary* b = new ZTBinary("xyz", 3);
  ASSERT_EQ(b->Realloc(5), 0);
  EXPECT_EQ(b->GetLength(), 5u);
  EXPECT_EQ(std::memcmp(b->GetData(), "xyz", 3), 0);
  ASSERT_EQ(b->Realloc(0), 0);
  EXPECT_EQ(b->GetData(), nullptr);

  char* owned = static_cast<char*>(PR_Malloc(2));
  owned[0] = 'h';
  owned[1] = 'i';
  EXPECT_EQ(b->SetSharedData(owned, 2), b);
  EXPECT_EQ(b->GetData(), reinterpret_cast<PRUint8*>(owned));  // taken, not copied
  b->Empty();  // frees it (ASan would report a leak otherwise)
  EXPECT_EQ(b->GetLength(), 0u);
  b->Release();
}

TEST_F(ZTBinaryTest, WriteToFileCreatesMissingDirectories) {
  ztTempDir dir;
  std::string path = dir.File("a/b/c/data.bin");
  ZTBinary* b = new ZTBinary("payload", 7);
  ASSERT_EQ(b->WriteToFile(path.c_str()), 0);
  EXPECT_EQ(ztReadFile(path), "payload");
  EXPECT_EQ(ModeOf(path), 0644u);
  EXPECT_EQ(ModeOf(dir.File("a")), 0755u);
  EXPECT_EQ(ModeOf(dir.File("a/b/c")), 0755u);
  b->Release();
}

TEST_F(ZTBinaryTest, WriteToFileReplacesWholeAndFailureKeepsTheOldContent) {
  ztTempDir dir;
  std::string path = dir.Write("data.txt", "old content that is long");
  ZTBinary* b = new ZTBinary("new", 3);
  ASSERT_EQ(b->WriteToFile(path.c_str()), 0);
  EXPECT_EQ(ztReadFile(path), "new");

  // A short write (the file-size limit stops it after 8 bytes) leaves the old file whole.
  ZTBinary* other = new ZTBinary("replacement text", 16);
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 8;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_EQ(other->WriteToFile(path.c_str()), 10);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
  EXPECT_EQ(ztReadFile(path), "new");
  auto entries = std::filesystem::directory_iterator(dir.path());
  EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);  // no temporary left behind

  // A path whose parent is a file cannot be made; a directory cannot be replaced by a file.
  std::string under = path + "/child";
  EXPECT_EQ(other->WriteToFile(under.c_str()), 10);
  EXPECT_EQ(ztReadFile(path), "new");
  EXPECT_EQ(other->WriteToFile(dir.path().c_str()), 10);
  other->Release();
  b->Release();
}

TEST_F(ZTBinaryTest, MakeDir) {
  ztTempDir dir;
  EXPECT_EQ(MakeDir(dir.path().c_str()), 0);  // exists already
  std::string deep = dir.File("x/y/z");
  EXPECT_EQ(MakeDir(deep.c_str()), 0);
  EXPECT_EQ(ModeOf(deep), 0755u);
  std::string file = dir.Write("plain", "f");
  EXPECT_EQ(MakeDir((file + "/sub").c_str()), 10);
  EXPECT_EQ(MakeDir(""), 1);
}

TEST_F(ZTBinaryTest, Identity) {
  ZTBinary* b = new ZTBinary();
  void* out = nullptr;
  EXPECT_EQ(b->QueryZTInterface(ZTRefCount::GetZTIID(), &out), 0);
  EXPECT_EQ(out, static_cast<ZTRefCount*>(b));
  static_cast<ZTRefCount*>(out)->Release();
  EXPECT_EQ(b->QueryZTInterface(ZTBinary::GetZTIID(), &out), 0);
  EXPECT_EQ(out, b);
  b->Release();
  EXPECT_EQ(*b->GetLastZTIID(), ZTBinary::GetZTIID());
  b->Release();
}

}  // namespace
