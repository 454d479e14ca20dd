#include "windows/VLCommon/VLWords.h"

#include <gtest/gtest.h>

namespace {

TEST(VLWordsTest, DelimitersAreExactlyTheListedOnes) {
  const std::u16string delimiters = u"\r\n\"'!#$%&().*+,/;<=>?@[]\\^_`{}~ ";
  ASSERT_EQ(delimiters.size(), 32u);
  for (char16_t c = 0; c < 0x80; ++c) {
    EXPECT_EQ(vlIsDelimiter(c), delimiters.find(c) != std::u16string::npos) << int(c);
  }
  EXPECT_FALSE(vlIsDelimiter(u'\t'));
  EXPECT_FALSE(vlIsDelimiter(u'\u00e9'));
}

TEST(VLWordsTest, WordAfterAndBefore) {
  const std::u16string text = u"  (one) two-three|four: ";
  EXPECT_EQ(vlWordAfter(text, 0), u"one");
  EXPECT_EQ(vlWordAfter(text, 6), u"two-three|four:");
  EXPECT_EQ(vlWordAfter(text, text.size()), u"");
  EXPECT_EQ(vlWordBefore(text, 6), u"one");
  EXPECT_EQ(vlWordBefore(text, 4), u"o");
  EXPECT_EQ(vlWordBefore(text, 3), u"");
  EXPECT_EQ(vlWordBefore(text, 1000), u"two-three|four:");
}

}  // namespace
