#include "modules/unicode/ztUnicodeTable.h"

#include <gtest/gtest.h>

namespace {

TEST(ztUnicodeTableTest, HasEveryRowSortedByCodePoint) {
  ASSERT_EQ(g_uUnicodeRows, 2257u);
  for (PRUint32 i = 1; i < g_uUnicodeRows; ++i)
    ASSERT_LT(g_piUnicode[i - 1][ZT_UNICODE_CODE], g_piUnicode[i][ZT_UNICODE_CODE]) << i;
}

TEST(ztUnicodeTableTest, TellingRows) {
  const PRUint32 rows[][3] = {
      {0x0041, 0x0061, 0x0041}, {0x00C0, 0x00E0, 0x0041},    {0x00C9, 0x00E9, 0x0045},
      {0x00E9, 0x00E9, 0x0065}, {0x0130, 0x0069, 0x0049},    {0x0178, 0x00FF, 0x0059},
      {0x01C5, 0x01C6, 0x01C5}, {0x1E9B, 0x1E9B, 0x017F},    {0x1F88, 0x1F80, 0x0391},
      {0x2000, 0x2000, 0x2002}, {0x2126, 0x03C9, 0x03A9},    {0x212A, 0x006B, 0x004B},
      {0x0CC0, 0x0CC0, 0x0CD5}, {0x10400, 0x10428, 0x10400}, {0x2FA1D, 0x2FA1D, 0x2A600},
      {0x0DDD, 0x0DDD, 0x0DDC},  // the one row whose base is not its decomposition's first
  };
  for (const auto& expected : rows) {
    const PRUint32* row = ztFindUnicodeRow(expected[0]);
    ASSERT_NE(row, nullptr) << std::hex << expected[0];
    EXPECT_EQ(row[ZT_UNICODE_LOWER], expected[1]) << std::hex << expected[0];
    EXPECT_EQ(row[ZT_UNICODE_BASE], expected[2]) << std::hex << expected[0];
  }
  EXPECT_EQ(g_piUnicode[0], ztFindUnicodeRow(0x41));
  EXPECT_EQ(g_piUnicode[g_uUnicodeRows - 1], ztFindUnicodeRow(0x2FA1D));
}

TEST(ztUnicodeTableTest, AbsentCharacters) {
  const PRUint32 absent[] = {
      0x0000,  0x0040,     0x0061, 0x00DF,  0x0131,  0x03C2,  // no mapping, no decomposition
      0x04C0,  0x10A0,     0x10C5, 0x13A0,  0x2132,  0x2183,  // their lower case came after 4.0
      0x0340,  0x0344,                                        // nonspacing marks only
      0x09CB,  0x0DDC,     0x0FB9, 0x1D15E, 0x1D1C0,          // left out
      0xAC00,  0xD7A3,                                        // Hangul syllables
      0x1E9E,  0x2C00,                                        // assigned after 4.0
      0x2FA1E, 0x7FFFFFFF,
  };
  for (PRUint32 c : absent) EXPECT_EQ(ztFindUnicodeRow(c), nullptr) << std::hex << c;
}

TEST(ztUnicodeTableTest, SearchAgreesWithAScanOfTheTable) {
  PRUint32 next = 0;  // the first row not below c
  for (PRUint32 c = 0; c < 0x30000; ++c) {
    while (next < g_uUnicodeRows && g_piUnicode[next][ZT_UNICODE_CODE] < c) ++next;
    const bool has = next < g_uUnicodeRows && g_piUnicode[next][ZT_UNICODE_CODE] == c;
    ASSERT_EQ(ztFindUnicodeRow(c), has ? g_piUnicode[next] : nullptr) << std::hex << c;
  }
}

}  // namespace
