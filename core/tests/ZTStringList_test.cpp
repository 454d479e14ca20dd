#include "core/ZTStringList.h"

#include <gtest/gtest.h>

#include <string>

#include "core/ZTErrors.h"
#include "testing/ztTempDir.h"

namespace {

int Present(const ZTStringList& list, const char* word) {
  int present = -1;
  EXPECT_EQ(list.IsPresent(word, &present), 0);
  return present;
}

TEST(ZTStringListTest, SplitsLinesSkipsEmptyOnesAndMatchesWithoutCase) {
  ztTempDir dir;
  // The last word has no line feed: it ends exactly at the end of the file.
  std::string path = dir.Write("words.txt", "Apple\n\nbanana");
  ZTStringList list;
  ASSERT_EQ(list.SetFileName(path.c_str(), "ignored"), 0);
  EXPECT_EQ(list.GetCount(), 2u);
  EXPECT_EQ(Present(list, "APPLE"), 1);
  EXPECT_EQ(Present(list, "BANANA"), 1);
  EXPECT_EQ(Present(list, "banan"), 0);
  EXPECT_EQ(Present(list, ""), 0);
}

TEST(ZTStringListTest, FindsEveryWordOfALongerListAndKeepsCarriageReturns) {
  ztTempDir dir;
  std::string text;
  const char* words[] = {"zeta", "Alpha", "mu", "delta", "Omega", "beta", "kappa", "Eta"};
  for (const char* w : words) text += std::string(w) + "\n";
  text += "cr\r\n";
  ZTStringList list;
  ASSERT_EQ(list.SetFileName(dir.Write("greek.txt", text).c_str(), nullptr), 0);
  EXPECT_EQ(list.GetCount(), 9u);
  for (const char* w : words) EXPECT_EQ(Present(list, w), 1) << w;
  for (const char* w : {"aaa", "gamma", "zzz", "cr"}) EXPECT_EQ(Present(list, w), 0) << w;
  EXPECT_EQ(Present(list, "CR\r"), 1);
}

TEST(ZTStringListTest, EmptyAndMissingFilesLeaveTheListNotReady) {
  ztTempDir dir;
  ZTStringList list;
  ASSERT_EQ(list.SetListWithOneWord("Word"), 0);
  EXPECT_EQ(Present(list, "word"), 1);
  EXPECT_EQ(list.SetFileName(dir.Write("empty.txt", "").c_str(), nullptr), 0);
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_EQ(Present(list, "word"), 0);
  ASSERT_EQ(list.SetListWithOneWord("Word"), 0);
  EXPECT_EQ(list.SetFileName(dir.File("missing.txt").c_str(), nullptr), ZT_E_NOTFOUND);
  EXPECT_EQ(Present(list, "word"), 0);
  // A directory would need a subname, which this list ignores.
  EXPECT_EQ(list.SetFileName(dir.path().c_str(), "words.txt"), ZT_E_INVALID);
}

TEST(ZTStringListTest, AFileOfLineFeedsIsReadyButEmpty) {
  ztTempDir dir;
  ZTStringList list;
  ASSERT_EQ(list.SetFileName(dir.Write("blank.txt", "\n\n").c_str(), nullptr), 0);
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_EQ(Present(list, ""), 0);
}

}  // namespace
