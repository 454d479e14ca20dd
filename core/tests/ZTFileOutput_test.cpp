#include "core/ZTFileOutput.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "testing/ztTempDir.h"

namespace {

class ZTFileOutputTest : public ::testing::Test {
 protected:
  void SetUp() override { m_out = new ZTFileOutput(); }
  void TearDown() override { ztRelease(m_out); }

  ztTempDir m_dir;
  ZTFileOutput* m_out = nullptr;
};

TEST_F(ZTFileOutputTest, CreateWritesBufferedBytes) {
  umask(022);
  const std::string path = m_dir.File("out.txt");
  const std::string big(100, 'z');
  ASSERT_EQ(m_out->Create(path.c_str()), 0);
  EXPECT_EQ(m_out->Write("ab", 2), 0);
  EXPECT_EQ(m_out->Printf("%d-%s", 42, "x"), 0);
  EXPECT_EQ(ztReadFile(path), "");                     // still in the buffer
  EXPECT_EQ(m_out->Write(big.data(), big.size()), 0);  // larger than the buffer
  EXPECT_EQ(m_out->Write("", 0), 0);
  EXPECT_EQ(m_out->Write("!", 1), 0);
  EXPECT_EQ(m_out->Close(), 0);
  EXPECT_EQ(ztReadFile(path), "ab42-x" + big + "!");
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  EXPECT_EQ(m_out->Close(), 0);        // a second close does nothing
  EXPECT_EQ(m_out->Write("x", 1), 2);  // nothing is open
}

TEST_F(ZTFileOutputTest, AppendNeedsAnExistingFile) {
  const std::string path = m_dir.File("log.txt");
  EXPECT_EQ(m_out->Append(path.c_str()), 10);
  ASSERT_EQ(m_out->Create(path.c_str()), 0);
  ASSERT_EQ(m_out->Printf("one\n"), 0);
  ASSERT_EQ(m_out->Close(), 0);
  ASSERT_EQ(m_out->Append(path.c_str()), 0);
  ASSERT_EQ(m_out->Printf("two\n"), 0);
  ASSERT_EQ(m_out->Close(), 0);
  EXPECT_EQ(ztReadFile(path), "one\ntwo\n");
  EXPECT_EQ(m_out->Create(m_dir.File("no/such/dir.txt").c_str()), 10);
}

TEST_F(ZTFileOutputTest, OpeningAgainAndReleasingCloseTheFile) {
  const std::string first = m_dir.File("first.txt"), second = m_dir.File("second.txt");
  ASSERT_EQ(m_out->Create(first.c_str()), 0);
  ASSERT_EQ(m_out->Write("1", 1), 0);
  ASSERT_EQ(m_out->Create(second.c_str()), 0);
  EXPECT_EQ(ztReadFile(first), "1");
  ASSERT_EQ(m_out->Write("2", 1), 0);
  ztRelease(m_out);
  EXPECT_EQ(ztReadFile(second), "2");
}

TEST_F(ZTFileOutputTest, ShortWriteFailsTheFlushAndTheClose) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  ASSERT_EQ(m_out->Append("/dev/full"), 0);
  ASSERT_EQ(m_out->Write("abc", 3), 0);
  EXPECT_EQ(m_out->Flush(), 10);
  EXPECT_EQ(m_out->Flush(), 0);  // the waiting bytes were dropped
  ASSERT_EQ(m_out->Write("abc", 3), 0);
  EXPECT_EQ(m_out->Close(), 10);
  EXPECT_EQ(m_out->Close(), 0);
}

}  // namespace
