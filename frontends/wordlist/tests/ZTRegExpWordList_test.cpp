#include "frontends/wordlist/ZTRegExpWordList.h"

#include <gtest/gtest.h>

#include <string>

#include "frontends/wordlist/detail/ztRegExpKey.h"
#include "frontends/wordlist/tests/ztWordListFixture.h"

namespace {

const Texts kWords = {"ab",  "ab{2}c",  "abcde", "abd",    "acd",     "action", "a?",
                      "bcd", "Château", "chat",  "nation", "station", "x.com",  "xycom"};

class RegExpTest : public ztWordListFixture<ZTRegExpWordList> {
 protected:
  Texts Search(const char* expression, bool simplified = false) {
    return SearchWith(simplified ? m_pSimplifier : nullptr, expression);
  }
  Texts SearchWith(ztIStringSimplifier* simplifier, const char* expression) {
    ZTCursor* cursor = nullptr;
    const int rc = m_pList->GetRegExpWords(simplifier, nullptr, expression, nullptr, &cursor);
    return TextsOf(rc, cursor);
  }
};

TEST(ztRegExpKey, DerivesTheLongerLiteralPart) {
  const struct {
    const char* m_pcExpression;
    int m_iMode;
    const char* m_pcKey;
    bool m_bPlain;
  } cases[] = {
      {"abc", 1, "abc", true},
      {"ab{2}c", 1, "ab{2}c", true},
      {"abc.*", 2, "abc", true},
      {".*tion", 3, "tion", true},
      {"a(b|c)d", 2, "a", false},
      {"abc?", 2, "ab", false},    // the optional c is not part of it
      {"ab\\?", 1, "ab?", true},   // an escaped question mark is a literal
      {"ab\\d+", 2, "ab", false},  // \d is a class, not the letter d
      {".*\\dtion", 3, "tion", false},
      {".*\\.com", 3, ".com", true},
      {"a|ab", 2, "", false},  // an alternation leaves no literal part
      {"(a|b)cd", 3, "cd", false},
      {"x[|]y", 2, "x", false},
      {"\\p{Lu}bc", 3, "bc", false},
      {"ab\\", 2, "ab", false},
      {"", 1, "", true},
      {"^ab.*ment$", 3, "ment", false},  // the anchors say nothing more
      {"^abc$", 1, "abc", true},
      {"^abc.*", 2, "abc", true},
      {"abc\\$", 1, "abc$", true},     // an escaped dollar is a literal
      {"abc\\\\$", 1, "abc\\", true},  // an escaped backslash before the anchor
      {"^a|b$", 2, "", false},
  };
  for (const auto& c : cases) {
    ztRegExpKey key;
    ztDeriveRegExpKey(c.m_pcExpression, &key);
    EXPECT_EQ(key.m_iMode, c.m_iMode) << c.m_pcExpression;
    EXPECT_EQ(key.m_key, c.m_pcKey) << c.m_pcExpression;
    EXPECT_EQ(key.m_bPlain, c.m_bPlain) << c.m_pcExpression;
  }
}

TEST_F(RegExpTest, ExpressionsMustCoverWholeKeys) {
  Open(ztPlainWords(kWords));
  const struct {
    const char* m_pcExpression;
    bool m_bSimplified;
    Texts m_expected;
  } cases[] = {
      {"ab.*", false, {"ab", "ab{2}c", "abcde", "abd"}},
      {"^ab.*$", false, {"ab", "ab{2}c", "abcde", "abd"}},
      {"^.*tion$", false, {"action", "nation", "station"}},
      {".*tion", false, {"action", "nation", "station"}},
      {"a(b|c)d", false, {"abd", "acd"}},
      {"ab{2}c", false, {"ab{2}c"}},
      {"b.d", false, {"bcd"}},  // not the middle of abcde
      {"a|ab", false, {"ab"}},  // the whole key, not its first character
      {"a\\?", false, {"a?"}},
      {"x\\.com", false, {"x.com"}},
      {"x.com", false, {"x.com", "xycom"}},
      {".*\\d.*", false, {"ab{2}c"}},
      {"[a-c]+d", false, {"abd", "acd", "bcd"}},
      {"CH.*", true, {"Château", "chat"}},
      {"chât.*", true, {"Château", "chat"}},
      {"[ÇC]HATEAU", true, {"Château"}},
      {".*TION", true, {"action", "nation", "station"}},
      {"^.*[ST]ATION$", true, {"station"}},
      {"CH.*U", true, {"Château"}},
      {"A.*[DE]", true, {"abcde", "abd", "acd"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Search(c.m_pcExpression, c.m_bSimplified), c.m_expected) << c.m_pcExpression;
    // With the list's own simplifier the simplified keys are filtered first: same words.
    if (c.m_bSimplified) {
      EXPECT_EQ(SearchWith(OwnSimplifier(), c.m_pcExpression), c.m_expected) << c.m_pcExpression;
    }
  }
}

TEST_F(RegExpTest, BadAndPathologicalExpressionsFailWithAnError) {
  std::vector<std::string> words = kWords;
  words.push_back(std::string(40, 'a') + "!");
  Open(ztPlainWords(words));
  ztTakeLog();
  EXPECT_EQ(Search("a(b"), Texts({"rc=10"}));
  EXPECT_NE(ztTakeLog().find("[ZTRegExpWordList::RegExpFilter] Failed compiling regular "
                             "expression `a(b' at offset 3, with error `"),
            std::string::npos);
  // Bytes that are not UTF-8: a plain prefix finds nothing, a pattern does not compile.
  EXPECT_EQ(Search("a\xff.*"), Texts());
  EXPECT_EQ(Search("a\xff(b|c)"), Texts({"rc=10"}));
  // Exponentially many ways to split the a's: the match limit ends the search.
  EXPECT_EQ(Search("(a|aa)+[bc]"), Texts({"rc=10"}));
  EXPECT_NE(ztTakeLog().find("pcre_exec failed with error code"), std::string::npos);
}

}  // namespace
