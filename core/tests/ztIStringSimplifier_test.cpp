#include "core/ztIStringSimplifier.h"

#include <gtest/gtest.h>
#include <plstr.h>
#include <prmem.h>

#include <cstring>
#include <string>

#include "core/ZTErrors.h"
#include "core/ztConsoleLog.h"
#include "core/ztUTF8.h"

namespace {

// A folding simplifier for the tests: ASCII capitals lowered, É, é and Ω folded to one letter,
// ß to "ss", '-' to nothing, '~' to ten letters, '@' to 1024 letters, '1' to '2' and '2' to '3'
// (so simplifying twice is not simplifying once), '#' refused with 10.
class ztTestFolder : public ztIStringSimplifier {
 public:
  int SimplifyFirstChar(const char* text, PRUint32* puConsumed, char* buffer,
                        PRUint32* puLength) override {
    PRUint32 c = 0, bytes = 0;
    if (!*text) {
      *puConsumed = *puLength = 0;
      return ZT_OK;
    }
    if (int rc = CharUTF8ToUCS4(&c, text, &bytes)) return rc;
    *puConsumed = bytes;
    if (c == '#') return ZT_E_FAILED;
    const std::string out = Fold(c, text, bytes);
    if (out.size() > *puLength) return ZT_E_NOMEM;
    std::memcpy(buffer, out.data(), out.size());
    *puLength = out.size();
    return ZT_OK;
  }
  void ComputeIdentity() override {
    ++m_iIdentities;
    m_pcIdentity = PL_strdup("test:folder");
  }
  int m_iIdentities = 0;

 private:
  static std::string Fold(PRUint32 c, const char* text, PRUint32 bytes) {
    if (c >= 'A' && c <= 'Z') return std::string(1, char(c - 'A' + 'a'));
    switch (c) {
      case 0xC9:
      case 0xE9:
        return "e";
      case 0x3A9:
        return "w";
      case 0xDF:
        return "ss";
      case '-':
        return "";
      case '~':
        return std::string(10, 't');
      case '@':
        return std::string(1024, 'x');
      case '1':
        return "2";
      case '2':
        return "3";
    }
    return std::string(text, bytes);
  }
};

class ztIStringSimplifierTest : public testing::Test {
 protected:
  ztIStringSimplifierTest() { ztConsoleLog::Init(); }
  ~ztIStringSimplifierTest() override { m_pFolder->Release(); }

  // The text in an NSPR buffer of its own.
  static char* NsprCopy(const char* text) { return PL_strdup(text); }

  ztTestFolder* m_pFolder = new ztTestFolder();
};

TEST_F(ztIStringSimplifierTest, SimplifyToNewGrowsAndReportsTheSize) {
  struct Case {
    const char* text;
    const char* simplified;
    PRUint32 size;
  } cases[] = {
      {"", "", 1},                      // (0 + 1) * 1.2
      {"\xC3\x89T\xC3\x89", "ete", 7},  // shrinks: (5 + 1) * 1.2
      {"a~b", "attttttttttb", 16},      // 4, doubled twice
      {"Stra\xC3\x9F"
       "e-",
       "strasse", 10},  // grows inside the first buffer
      {"ab", "ab", 3},  // fills the buffer: one byte added for the NUL
  };
  for (const Case& c : cases) {
    char* out = nullptr;
    PRUint32 size = 0;
    ASSERT_EQ(m_pFolder->SimplifyToNew(c.text, &out, &size), 0) << c.text;
    EXPECT_STREQ(out, c.simplified);
    EXPECT_EQ(size, c.size) << c.text;
    PR_Free(out);
  }
  char* out = nullptr;
  ASSERT_EQ(m_pFolder->Simplify("A~", &out), 0);
  EXPECT_STREQ(out, "atttttttttt");
  PR_Free(out);
}

TEST_F(ztIStringSimplifierTest, SimplifyToNewPassesOtherErrorsOn) {
  char* out = nullptr;
  EXPECT_EQ(m_pFolder->SimplifyToNew("ab#c", &out, nullptr), ZT_E_FAILED);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(m_pFolder->SimplifyToNew("a\xA9", &out, nullptr), ZT_E_FAILED);  // invalid UTF-8
  EXPECT_EQ(m_pFolder->SimplifyToNew(nullptr, &out, nullptr), ZT_E_INVALID);
}

TEST_F(ztIStringSimplifierTest, SimplifyReallocShrinksInPlace) {
  char* text = NsprCopy("\xC3\x89T\xC3\x89-\xCE\xA9");
  char* const before = text;
  PRUint32 size = 42;
  ASSERT_EQ(m_pFolder->SimplifyRealloc(&text, &size), 0);
  EXPECT_EQ(text, before);
  EXPECT_STREQ(text, "etew");
  EXPECT_EQ(size, 42u);
  PR_Free(text);
}

TEST_F(ztIStringSimplifierTest, SimplifyReallocFallsBackWithoutSimplifyingTwice) {
  struct Case {
    const char* text;
    std::string simplified;
  } cases[] = {
      {"1~2", "2tttttttttt3"},                      // '1' already became '2' in place
      {"\xC3\x89\xC3\x89~1", "eetttttttttt2"},      // shrunk first, then grows
      {"a@1", "a" + std::string(1024, 'x') + "2"},  // too long for the scratch area
  };
  for (const Case& c : cases) {
    char* text = NsprCopy(c.text);
    PRUint32 size = 0;
    ASSERT_EQ(m_pFolder->SimplifyRealloc(&text, &size), 0) << c.text;
    EXPECT_EQ(text, c.simplified);
    EXPECT_GT(size, c.simplified.size());
    PR_Free(text);
  }
  char* text = NsprCopy("1~");
  ASSERT_EQ(m_pFolder->SimplifyRealloc(&text, nullptr), 0);
  EXPECT_STREQ(text, "2tttttttttt");
  PR_Free(text);
}

TEST_F(ztIStringSimplifierTest, SimplifyReallocArgumentsAndErrors) {
  EXPECT_EQ(m_pFolder->SimplifyRealloc(nullptr, nullptr), ZT_E_INVALID);
  char* none = nullptr;
  EXPECT_EQ(m_pFolder->SimplifyRealloc(&none, nullptr), 0);
  EXPECT_EQ(none, nullptr);
  // The buffer stays a whole text: the simplified beginning, then the rest as it was.
  char* text = NsprCopy("\xC3\x89\xC3\x89#X");
  EXPECT_EQ(m_pFolder->SimplifyRealloc(&text, nullptr), ZT_E_FAILED);
  EXPECT_STREQ(text, "ee#X");
  PR_Free(text);
}

TEST_F(ztIStringSimplifierTest, SimplifyOutputReallocGrowsTheCallersBuffer) {
  char* buffer = nullptr;
  PRUint32 size = 0;
  ASSERT_EQ(m_pFolder->SimplifyOutputRealloc("~~", &buffer, &size), 0);
  EXPECT_STREQ(buffer, std::string(20, 't').c_str());
  EXPECT_EQ(size, 32u);
  // Reused: an output that exactly fills the buffer doubles it for the NUL.
  ASSERT_EQ(m_pFolder->SimplifyOutputRealloc(std::string(32, 'a').c_str(), &buffer, &size), 0);
  EXPECT_EQ(std::string(buffer), std::string(32, 'a'));
  EXPECT_EQ(size, 64u);
  ASSERT_EQ(m_pFolder->SimplifyOutputRealloc("", &buffer, &size), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(m_pFolder->SimplifyOutputRealloc("x#", &buffer, &size), ZT_E_FAILED);
  EXPECT_EQ(buffer[0], 'x');  // what was written stays
  PR_Free(buffer);
}

TEST_F(ztIStringSimplifierTest, CompareFirstCharTakesMoreCharactersOnTheShorterSide) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
    PRUint32 usedA, usedB;
  } cases[] = {
      {"\xC3\x9F", "ss", 0, 2, 2},  // one character against two letters
      {"ss!", "\xC3\x9Fx", 0, 2, 2},
      {"\xC3\x9F", "s", 1, 2, 1},  // the shorter side ends
      {"-a", "a", 0, 2, 1},        // a character that simplifies to nothing
      {"", "", 0, 0, 0},
      {"a", "", 1, 1, 0},
      {"B", "c", -1, 1, 1},
  };
  for (const Case& c : cases) {
    PRUint32 usedA = 99, usedB = 99;
    int diff = 99;
    ASSERT_EQ(m_pFolder->CompareFirstChar(c.a, &usedA, c.b, &usedB, &diff), 0) << c.a;
    EXPECT_EQ((diff > 0) - (diff < 0), c.sign) << c.a << " / " << c.b;
    EXPECT_EQ(usedA, c.usedA) << c.a;
    EXPECT_EQ(usedB, c.usedB) << c.b;
  }
}

TEST_F(ztIStringSimplifierTest, CompareFirstCharRefusesACharacterThatFillsItsArea) {
  ztConsoleLog::ClearLog();
  int diff = 0;
  PRUint32 usedA = 0, usedB = 0;
  EXPECT_EQ(m_pFolder->CompareFirstChar("@", &usedA, "x", &usedB, &diff), ZT_E_NOMEM);
  const std::string longer = std::string(1020, 'x') + "~";  // grows past the area
  EXPECT_EQ(m_pFolder->CompareFirstChar("@", &usedA, longer.c_str(), &usedB, &diff), ZT_E_NOMEM);
  char* log = nullptr;
  ztConsoleLog::GetLog(&log);
  ASSERT_NE(log, nullptr);
  EXPECT_NE(std::string(log).find("[ztIStringSimplifier::CompareFirstChar] char returned by "
                                  "simplifier is more than 1023 bytes long."),
            std::string::npos);
  PL_strfree(log);
  EXPECT_EQ(m_pFolder->CompareFirstChar("#", &usedA, "x", &usedB, &diff), ZT_E_FAILED);
}

TEST_F(ztIStringSimplifierTest, CompareWholeTexts) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"\xC3\x89T\xC3\x89", "ete", 0},
      {"abc", "ab", 1},
      {"ab", "abc", -1},
      {"Stra\xC3\x9F"
       "e",
       "STRASSE", 0},
      {"a-b", "ab", 0},
      {"", "", 0},
      {"abd", "abc", 1},
      {"\xC3\x9F", "st", -1},
  };
  for (const Case& c : cases) {
    PRUint32 usedA = 0, usedB = 0;
    int diff = 99;
    ASSERT_EQ(m_pFolder->Compare(c.a, &usedA, c.b, &usedB, &diff), 0);
    EXPECT_EQ((diff > 0) - (diff < 0), c.sign) << c.a << " / " << c.b;
    if (c.sign == 0) {
      EXPECT_EQ(usedA, std::strlen(c.a));
      EXPECT_EQ(usedB, std::strlen(c.b));
    }
  }
  int diff = 0;
  EXPECT_EQ(m_pFolder->Compare("ab#", nullptr, "ab#", nullptr, &diff), ZT_E_FAILED);
}

TEST_F(ztIStringSimplifierTest, IdentityIsComputedOnce) {
  EXPECT_STREQ(m_pFolder->GetSharedIdentity(), "test:folder");
  EXPECT_STREQ(m_pFolder->GetSharedIdentity(), "test:folder");
  EXPECT_EQ(m_pFolder->m_iIdentities, 1);
  void* asked = nullptr;
  EXPECT_EQ(m_pFolder->QueryZTInterface(ztIStringSimplifier::GetZTIID(), &asked), 0);
  EXPECT_EQ(asked, static_cast<ztIStringSimplifier*>(m_pFolder));
  m_pFolder->Release();
}

}  // namespace
