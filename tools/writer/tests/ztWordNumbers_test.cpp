// Word numbering: first come, first numbered; the same word always gets its number back.
#include "tools/writer/detail/ztWordNumbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ztWordNumbersTest, NumbersWordsInTheOrderTheyFirstCome) {
  ztWordNumbers numbers;
  EXPECT_EQ(numbers.Number("water"), 0u);
  EXPECT_EQ(numbers.Number("fire"), 1u);
  EXPECT_EQ(numbers.Number("water"), 0u);
  EXPECT_EQ(numbers.Number(""), 2u);
  EXPECT_EQ(numbers.Number(std::string("a\0b", 3)), 3u);  // bytes after a NUL count
  EXPECT_EQ(numbers.Number("a"), 4u);
  EXPECT_EQ(numbers.GetCount(), 5u);
  EXPECT_EQ(numbers.Word(1), "fire");
  EXPECT_EQ(numbers.Word(3), std::string("a\0b", 3));
}

// Words of up to 7 bytes are told apart by their slot alone, longer ones by their text: words
// that share their first 7 bytes, and their length past 255, are still different words.
TEST(ztWordNumbersTest, TellsApartWordsThatShareTheirFirstBytes) {
  const std::string longer(300, 'x');
  const std::vector<std::string> words = {"abcdefg", "abcdefgh",   "abcdefgi",  "abcdef",
                                          longer,    longer + "y", longer + "z"};
  ztWordNumbers numbers;
  for (PRUint32 i = 0; i < words.size(); ++i) ASSERT_EQ(numbers.Number(words[i]), i) << i;
  for (PRUint32 i = 0; i < words.size(); ++i) EXPECT_EQ(numbers.Number(words[i]), i) << i;
  EXPECT_EQ(numbers.GetCount(), words.size());
}

// Enough words to grow the table several times, each found again afterwards.
TEST(ztWordNumbersTest, KeepsEveryNumberAcrossGrowth) {
  ztWordNumbers numbers;
  const PRUint32 count = 20000;
  for (PRUint32 i = 0; i < count; ++i) {
    ASSERT_EQ(numbers.Number("w" + std::to_string(i)), i);
  }
  for (PRUint32 i = 0; i < count; i += 7) {
    EXPECT_EQ(numbers.Number("w" + std::to_string(i)), i);
    EXPECT_EQ(numbers.Word(i), "w" + std::to_string(i));
  }
  EXPECT_EQ(numbers.GetCount(), count);
}

}  // namespace
