#include "platform/win32/api/VLText.h"

#include <gtest/gtest.h>

namespace {

TEST(VLTextTest, TrimRemovesControlsAndSpacesAtBothEnds) {
  EXPECT_EQ(vlTrim(u"\r\n\t  word one \x01\x1f "), u"word one");
  EXPECT_EQ(vlTrim(u" \r "), u"");
  EXPECT_EQ(vlTrim(u""), u"");
  EXPECT_EQ(vlTrim(u"\u00a0x\u00a0"), u"\u00a0x\u00a0");
}

TEST(VLTextTest, SameNoCaseFoldsAsciiLettersOnly) {
  EXPECT_TRUE(vlSameNoCase(std::string("OpusApp"), std::string("opusapp")));
  EXPECT_FALSE(vlSameNoCase(std::string("opusapp "), std::string("opusapp")));
  EXPECT_FALSE(vlSameNoCase(std::string("@"), std::string("`")));
  EXPECT_TRUE(vlSameNoCase(std::u16string(u"TRUE"), std::u16string(u"true")));
  EXPECT_FALSE(vlSameNoCase(std::u16string(u"\u00c9"), std::u16string(u"\u00e9")));
}

TEST(VLTextTest, ParseDecimal) {
  int64_t value = 0;
  EXPECT_TRUE(vlParseDecimal(u"-17", &value));
  EXPECT_EQ(value, -17);
  EXPECT_TRUE(vlParseDecimal(u"+5", &value));
  EXPECT_EQ(value, 5);
  for (const char16_t* bad : {u"", u"+", u"1.5", u" 1", u"1234567890123456789"}) {
    EXPECT_FALSE(vlParseDecimal(bad, &value)) << vlUtf8(bad);
  }
}

TEST(VLTextTest, Utf8OfUtf16) {
  EXPECT_EQ(vlUtf8(u"a\u00e9\u20ac\U0001F600"), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(vlUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(vlUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

}  // namespace
