#include "core/ZTIntegerList.h"

#include <gtest/gtest.h>
#include <prprf.h>

#include <string>
#include <vector>

#include "core/ZTErrors.h"
#include "testing/ztTempDir.h"

namespace {

std::string LittleEndian(const std::vector<PRUint32>& values) {
  std::string bytes;
  for (PRUint32 v : values) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((v >> shift) & 0xFF);
  }
  return bytes;
}

// The list as its hexadecimal text ("" when empty).
std::string Format(const ZTIntegerList& list) {
  char* text = nullptr;
  EXPECT_EQ(list.FormatToAsciiString(&text), 0);
  std::string result = text ? text : "";
  if (text) PR_smprintf_free(text);
  return result;
}

int Present(const ZTIntegerList& list, PRUint32 value) {
  int present = -1;
  EXPECT_EQ(list.IsPresent(value, &present), 0);
  return present;
}

TEST(ZTIntegerListTest, LoadsAFileOfLittleEndianValuesInAnyOrder) {
  ztTempDir dir;
  std::string path = dir.Write("chars.bin", LittleEndian({0x2D, 0x10FFFF, 0x20, 0x300, 0x41}));
  ZTIntegerList list;
  ASSERT_EQ(list.SetFileName(path.c_str(), nullptr), 0);
  EXPECT_EQ(Format(list), "20 2d 41 300 10ffff ");
  for (PRUint32 v : {0x20u, 0x2Du, 0x41u, 0x300u, 0x10FFFFu}) EXPECT_EQ(Present(list, v), 1) << v;
  for (PRUint32 v : {0u, 0x21u, 0x42u, 0x10FFFEu, 0xFFFFFFFFu}) EXPECT_EQ(Present(list, v), 0) << v;
}

TEST(ZTIntegerListTest, ValuesOnBothSidesOfAsciiAnswerAlike) {
  ZTIntegerList list;
  ASSERT_EQ(list.SetListFromAsciiString("0 1f 7f 80 ff 100"), 0);
  for (PRUint32 v : {0x0u, 0x1Fu, 0x7Fu, 0x80u, 0xFFu, 0x100u}) EXPECT_EQ(Present(list, v), 1) << v;
  for (PRUint32 v : {0x1u, 0x20u, 0x7Eu, 0x81u, 0x101u}) EXPECT_EQ(Present(list, v), 0) << v;
  ASSERT_EQ(list.SetListFromAsciiString("80"), 0);  // the new list forgets the old values
  EXPECT_EQ(Present(list, 0x7F), 0);
  EXPECT_EQ(Present(list, 0x80), 1);
}

TEST(ZTIntegerListTest, RefusesBadFilesAndStaysUnready) {
  ztTempDir dir;
  std::string six = dir.Write("six.bin", std::string(6, '\x01'));
  ZTIntegerList list;
  ASSERT_EQ(list.SetListFromAsciiString("41"), 0);
  EXPECT_EQ(list.SetFileName(six.c_str(), nullptr), ZT_E_FAILED);
  int present = 0;
  EXPECT_EQ(list.IsPresent(0x41, &present), ZT_E_FAILED);
  EXPECT_EQ(list.SetFileName(dir.File("missing.bin").c_str(), nullptr), ZT_E_NOTFOUND);
  EXPECT_EQ(list.SetFileName("", nullptr), ZT_E_INVALID);
}

TEST(ZTIntegerListTest, AnEmptyListAnswersNo) {
  ztTempDir dir;
  std::string empty = dir.Write("empty.bin", "");
  ZTIntegerList fromFile, fromText, fromArray;
  ASSERT_EQ(fromFile.SetFileName(empty.c_str(), nullptr), 0);
  ASSERT_EQ(fromText.SetListFromAsciiString(""), 0);
  ASSERT_EQ(fromArray.SetListFromArray(nullptr, 0, PR_TRUE), 0);
  for (const ZTIntegerList* list : {&fromFile, &fromText, &fromArray}) {
    EXPECT_EQ(Present(*list, 0), 0);
    EXPECT_EQ(Format(*list), "");
  }
}

TEST(ZTIntegerListTest, NeverSetListRefusesToAnswer) {
  ZTIntegerList list;
  int present = 0;
  EXPECT_EQ(list.IsPresent(1, &present), ZT_E_FAILED);
}

TEST(ZTIntegerListTest, HexadecimalTextRoundTripsAndBadTextLeavesTheList) {
  ZTIntegerList list;
  ASSERT_EQ(list.SetListFromAsciiString("  ff 0x10\t3\nffffffff 0 "), 0);
  std::string text = Format(list);
  EXPECT_EQ(text, "0 3 10 ff ffffffff ");
  ZTIntegerList again;
  ASSERT_EQ(again.SetListFromAsciiString(text.c_str()), 0);
  EXPECT_EQ(Format(again), text);
  for (const char* bad : {"12 zz 3", "12x", "100000000", "-1"}) {
    EXPECT_EQ(list.SetListFromAsciiString(bad), ZT_E_INVALID) << bad;
    EXPECT_EQ(Format(list), text) << bad;
  }
}

TEST(ZTIntegerListTest, ArraysAreCopiedAndSortedOrUsedInPlace) {
  const PRUint32 unsorted[] = {9, 3, 5};
  ZTIntegerList copied;
  ASSERT_EQ(copied.SetListFromArray(unsorted, 3, PR_TRUE), 0);
  EXPECT_EQ(Format(copied), "3 5 9 ");
  std::vector<PRUint32> shared = {1, 4};
  ZTIntegerList inPlace;
  ASSERT_EQ(inPlace.SetListFromArray(shared.data(), 2, PR_FALSE), 0);
  shared[1] = 6;  // the list reads the caller's array
  EXPECT_EQ(Present(inPlace, 6), 1);
  EXPECT_EQ(Present(inPlace, 4), 0);
}

TEST(ZTIntegerListTest, Utf8TextDefinesASetOfCharacters) {
  ZTIntegerList list;
  ASSERT_EQ(list.SetListFromUTF8String(".,;\xE2\x80\x94"), 0);
  EXPECT_EQ(Format(list), "2c 2e 3b 2014 ");
  // A second text replaces the first.
  ASSERT_EQ(list.SetListFromUTF8String("a\xC3"), 0);
  EXPECT_EQ(Format(list), "58 61 ");
}

}  // namespace
