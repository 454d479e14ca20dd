#include "find/ztKeyString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Next(std::string text) {
  return zt_nextString(&text[0]);
}

TEST(ztKeyStringTest, NextStringIsTheBoundAfterEveryStringWithThePrefix) {
  EXPECT_EQ(Next("ab"), "ac");
  EXPECT_EQ(Next("a\xFF"), "b");
  EXPECT_EQ(Next("a\xFE\xFF\xFF"), "a\xFF");
  EXPECT_EQ(Next("\xFF\xFF"), "");
  EXPECT_EQ(Next(""), "");
  EXPECT_EQ(zt_nextString(nullptr), nullptr);
}

TEST(ztKeyStringTest, UpperTurnsOnlyAsciiLetters) {
  std::string text = "az\xC3\xA9-Zq";
  EXPECT_EQ(std::string(zt_upper(&text[0])), "AZ\xC3\xA9-ZQ");
  EXPECT_EQ(zt_upper(nullptr), nullptr);
}

TEST(ztKeyStringTest, InvertReversesTheBytes) {
  std::string text = "ab\xC3\xA9";
  EXPECT_EQ(std::string(zt_invertString(&text[0])),
            "\xA9\xC3"
            "ba");
}

}  // namespace
