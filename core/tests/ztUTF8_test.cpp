#include "core/ztUTF8.h"

#include <gtest/gtest.h>
#include <prmem.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/ZTErrors.h"

namespace {

using CodePoints = std::vector<PRUint32>;

// A heap copy of exactly the given bytes, without a terminator, so that reading past the end
// is caught by the address sanitizer.
std::unique_ptr<char[]> ExactCopy(const std::string& bytes) {
  std::unique_ptr<char[]> copy(new char[bytes.size()]);
  std::memcpy(copy.get(), bytes.data(), bytes.size());
  return copy;
}

CodePoints NewUCS4(const std::string& bytes) {
  auto exact = ExactCopy(bytes);
  PRUint32* out = nullptr;
  PRUint32 n = UTF8LenToNewUCS4(&out, exact.get(), static_cast<PRUint32>(bytes.size()));
  EXPECT_NE(out, nullptr);
  if (!out) return {};
  EXPECT_EQ(out[n], 0u);
  CodePoints result(out, out + n);
  UCS4Free(out);
  return result;
}

std::string NewUTF8(const CodePoints& ucs4) {
  char* out = nullptr;
  PRUint32 n = UCS4LenToNewUTF8(&out, ucs4.data(), static_cast<PRUint32>(ucs4.size()));
  EXPECT_NE(out, nullptr);
  if (!out) return {};
  EXPECT_EQ(std::strlen(out), n);
  std::string result(out, n);
  UTF8Free(out);
  return result;
}

struct DecodeCase {
  std::string bytes;
  PRUint32 expected;
  PRUint32 bytesUsed;
  int code;
};

TEST(ztUTF8Test, CharUTF8ToUCS4DecodesAndRejects) {
  const DecodeCase cases[] = {
      {"A", 0x41, 1, 0},
      {"\xC3\xA9", 0xE9, 2, 0},
      {"\xE2\x82\xAC", 0x20AC, 3, 0},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, 0},
      {"\xFD\xBF\xBF\xBF\xBF\xBF", 0x7FFFFFFF, 6, 0},
      {"\xC0\x80", 0, 2, 0},  // overlong forms are not rejected
      {"\xA9", 'X', 1, ZT_E_FAILED},
      {std::string("\xC3\0", 2), 'X', 1, ZT_E_FAILED},
      {"\xE2\x82Z", 'X', 2, ZT_E_FAILED},
  };
  for (const auto& c : cases) {
    PRUint32 value = 0, used = 0;
    std::string terminated = c.bytes + '\0';
    EXPECT_EQ(CharUTF8ToUCS4(&value, terminated.c_str(), &used), c.code) << c.bytes;
    EXPECT_EQ(value, c.expected) << c.bytes;
    EXPECT_EQ(used, c.bytesUsed) << c.bytes;
  }
}

TEST(ztUTF8Test, CharUCS4ToUTF8EncodesAndRefusesTooLargeValues) {
  const std::pair<PRUint32, std::string> cases[] = {
      {0x41, "A"},
      {0xE9, "\xC3\xA9"},
      {0x20AC, "\xE2\x82\xAC"},
      {0x10FFFF, "\xF4\x8F\xBF\xBF"},
      {0x3FFFFFF, "\xFB\xBF\xBF\xBF\xBF"},
      {0x7FFFFFFF, "\xFD\xBF\xBF\xBF\xBF\xBF"},
  };
  for (const auto& [c, expected] : cases) {
    char buffer[ZT_UTF8_CHAR_MAX];
    PRUint32 used = 0;
    ASSERT_EQ(CharUCS4ToUTF8(buffer, c, &used), 0);
    EXPECT_EQ(std::string(buffer), expected);
    EXPECT_EQ(used, expected.size());
  }
  char buffer[ZT_UTF8_CHAR_MAX];
  PRUint32 used = 0;
  EXPECT_EQ(CharUCS4ToUTF8(buffer, 0x80000000u, &used), ZT_E_INVALID);
  EXPECT_EQ(CharUCS4ToUTF8(nullptr, 0x41, &used), ZT_E_INVALID);
}

TEST(ztUTF8Test, StringConversionsStopAtInvalidInputWithAnX) {
  EXPECT_EQ(NewUCS4("a\xC3\xA9\xA9zz"), (CodePoints{'a', 0xE9, 'X'}));
  EXPECT_EQ(NewUCS4(std::string("ab\0cd", 5)), (CodePoints{'a', 'b'}));
  // A value UTF-8 cannot hold ends the encoding like invalid input ends the decoding.
  EXPECT_EQ(NewUTF8({'a', 0x80000000u, 'b'}), "aX");
  EXPECT_EQ(NewUTF8({'a', 0, 'b'}), "a");
}

TEST(ztUTF8Test, BoundedDecodingReadsNothingPastTheLength) {
  // The sequences are cut by the length: their continuation bytes are not in the text.
  EXPECT_EQ(NewUCS4("a\xC3"), (CodePoints{'a', 'X'}));
  EXPECT_EQ(NewUCS4("\xFD\xBF\xBF"), (CodePoints{'X'}));
  std::string text = "\xE2\x82\xAC";
  PRUint32 out[4];
  PRUint32 count = 4, length = 2;
  ASSERT_EQ(UTF8LenToUCS4Len(out, &count, text.c_str(), &length), 0);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(out[0], 'X');
  EXPECT_EQ(length, 2u);
}

TEST(ztUTF8Test, RoundTripsEveryEncodingLength) {
  CodePoints all = {0x7F,     0x80,     0x7FF,     0x800,     0xFFFF,    0x10000,
                    0x1FFFFF, 0x200000, 0x3FFFFFF, 0x4000000, 0x7FFFFFFF};
  std::string utf8 = NewUTF8(all);
  EXPECT_EQ(utf8.size(), 1u + 2 + 2 + 3 + 3 + 4 + 4 + 5 + 5 + 6 + 6);
  EXPECT_EQ(NewUCS4(utf8), all);
}

TEST(ztUTF8Test, LenConversionsReportAFullOutputAndLeaveTheirArguments) {
  const char* text = "abc";
  PRUint32 out[2];
  PRUint32 count = 2, length = 3;
  EXPECT_EQ(UTF8LenToUCS4Len(out, &count, text, &length), ZT_E_NOMEM);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(length, 3u);
  count = 3;
  PRUint32 exact[3];
  EXPECT_EQ(UTF8LenToUCS4Len(exact, &count, text, &length), 0);
  EXPECT_EQ(count, 3u);

  const PRUint32 euro[] = {'a', 0x20AC};
  char bytes[3];
  PRUint32 room = 3, available = 2;
  EXPECT_EQ(UCS4LenToUTF8Len(bytes, &room, euro, &available), ZT_E_NOMEM);
  EXPECT_EQ(room, 3u);
  EXPECT_EQ(available, 2u);
  room = 4;
  char enough[4];
  EXPECT_EQ(UCS4LenToUTF8Len(enough, &room, euro, &available), 0);
  EXPECT_EQ(room, 4u);
  EXPECT_EQ(available, 2u);
}

TEST(ztUTF8Test, NewUTF8GrowsItsBufferForLongCharacters) {
  CodePoints euros(100, 0x20AC);
  char* out = nullptr;
  euros.push_back(0);
  EXPECT_EQ(UCS4ToNewUTF8(&out, euros.data()), 300u);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(std::strlen(out), 300u);
  UTF8Free(out);
}

TEST(ztUTF8Test, BufferConversionsCheckTheirArgumentsAndGrowByFour) {
  PRUint32* ucs4 = nullptr;
  PRUint32 capacity = 5, written = 0;
  EXPECT_EQ(UTF8LenToUCS4Buffer(&ucs4, &capacity, &written, "a", 1, PR_TRUE), ZT_E_INVALID);
  capacity = 0;
  std::string text(40, 'x');
  ASSERT_EQ(UTF8LenToUCS4Buffer(&ucs4, &capacity, &written, text.c_str(), 40, PR_TRUE), 0);
  EXPECT_EQ(capacity, 128u);
  EXPECT_EQ(written, 40u);
  EXPECT_EQ(ucs4[40], 0u);
  // The buffer is reused as it is when the output fits.
  ASSERT_EQ(UTF8LenToUCS4Buffer(&ucs4, &capacity, nullptr, "\xC3\xA9", 2, PR_TRUE), 0);
  EXPECT_EQ(capacity, 128u);
  EXPECT_EQ(ucs4[0], 0xE9u);
  EXPECT_EQ(ucs4[1], 0u);
  UCS4Free(ucs4);

  char* utf8 = nullptr;
  capacity = 0;
  EXPECT_EQ(UCS4LenToUTF8Buffer(&utf8, &capacity, &written, nullptr, 0, PR_TRUE), 0);
  EXPECT_EQ(capacity, 32u);
  EXPECT_EQ(written, 0u);
  EXPECT_STREQ(utf8, "");
  // Exactly 32 bytes fit without the terminator, not with it.
  CodePoints a32(32, 'a');
  ASSERT_EQ(UCS4LenToUTF8Buffer(&utf8, &capacity, &written, a32.data(), 32, PR_FALSE), 0);
  EXPECT_EQ(capacity, 32u);
  ASSERT_EQ(UCS4LenToUTF8Buffer(&utf8, &capacity, &written, a32.data(), 32, PR_TRUE), 0);
  EXPECT_EQ(capacity, 128u);
  EXPECT_EQ(std::string(utf8), std::string(32, 'a'));
  UTF8Free(utf8);
  utf8 = static_cast<char*>(PR_Malloc(4));
  capacity = 0;
  EXPECT_EQ(UCS4LenToUTF8Buffer(&utf8, &capacity, &written, a32.data(), 1, PR_TRUE), ZT_E_INVALID);
  UTF8Free(utf8);
}

TEST(ztUTF8Test, UCS4StringHelpers) {
  PRUint32 word[] = {'a', 'b', 'c', 0};
  const PRUint32 ab[] = {'a', 'b', 0}, ax[] = {'a', 'x', 0}, empty[] = {0};
  const PRUint32 longer[] = {'a', 'b', 'c', 'd', 0};
  EXPECT_EQ(UCS4strlen(word), 3u);
  EXPECT_EQ(UCS4StartsWith(word, ab), 1);
  EXPECT_EQ(UCS4StartsWith(word, empty), 1);
  EXPECT_EQ(UCS4StartsWith(word, ax), 0);
  EXPECT_EQ(UCS4StartsWith(word, longer), 0);

  PRUint32* two = UCS4strndup(word, 2);
  EXPECT_EQ(CodePoints(two, two + 3), (CodePoints{'a', 'b', 0}));
  UCS4Free(two);
  PRUint32* copy = UCS4strdup(word);
  EXPECT_EQ(CodePoints(copy, copy + 4), (CodePoints{'a', 'b', 'c', 0}));
  UCS4Free(copy);

  EXPECT_EQ(UCS4strinvert(word), 1u);
  EXPECT_EQ(CodePoints(word, word + 4), (CodePoints{'c', 'b', 'a', 0}));
  char text[] = "ab\xC3\xA9";
  UTF8strinvert(text);
  EXPECT_STREQ(text,
               "\xA9\xC3"
               "ba");
}

}  // namespace
