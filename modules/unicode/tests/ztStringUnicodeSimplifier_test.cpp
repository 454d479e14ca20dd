#include "modules/unicode/ztStringUnicodeSimplifier.h"

#include <gtest/gtest.h>
#include <plstr.h>
#include <prmem.h>

#include <string>

#include "core/ZTErrors.h"

namespace {

class Simplifier {
 public:
  explicit Simplifier(const char* options) {
    EXPECT_EQ(ztStringUnicodeSimplifier::_CreateInstance(options, &m_p), 0);
  }
  ~Simplifier() { m_p->Release(); }
  ztStringUnicodeSimplifier* operator->() const { return m_p; }

  std::string Simplify(const char* text) const {
    char* out = nullptr;
    EXPECT_EQ(m_p->SimplifyToNew(text, &out, nullptr), 0) << text;
    std::string result = out ? out : "<null>";
    PR_Free(out);
    return result;
  }
  int Diff(const char* a, const char* b) const {
    int diff = 99;
    PRUint32 usedA = 0, usedB = 0;
    EXPECT_EQ(m_p->Compare(a, &usedA, b, &usedB, &diff), 0) << a << " / " << b;
    return diff;
  }

 private:
  ztStringUnicodeSimplifier* m_p = nullptr;
};

TEST(ztStringUnicodeSimplifierTest, FoldsAsTheOptionsSay) {
  struct Case {
    const char* options;
    const char* text;
    const char* simplified;
  } cases[] = {
      {"uni_case,uni_comp", "\xC3\x89", "e"},         // É
      {"uni_case,uni_comp", "\xC5\x92", "\xC5\x93"},  // Œ gives œ
      {"uni_case,uni_comp", "\xC3\x9F", "\xC3\x9F"},  // ß stays
      {"uni_case,uni_comp", "\xC3\x80t\xC3\xA9 \xC3\x87\xC3\xA0", "ate ca"},
      {"uni_case,uni_comp", "\xCE\x86\xCE\x88\xCE\x89", "\xCE\xB1\xCE\xB5\xCE\xB7"},  // ΆΈΉ
      {"uni_case,uni_comp", "\xD0\x99", "\xD0\xB8"},                                  // Й gives и
      {"uni_case,uni_comp", "\xE1\xBE\x88", "\xCE\xB1"},  // ᾈ gives α
      {"uni_case,uni_comp", "\xE2\x84\xAA", "k"},         // KELVIN SIGN
      {"uni_comp", "\xC3\x89\xC3\xA9", "Ee"},
      {"uni_case", "\xC4\xB0", "i"},  // İ
      {"uni_space",
       "a\xE3\x80\x80"
       "b\xE2\x80\x8B"
       "c\td",
       "a b c\td"},
      {"uni_space", "\xC2\xA0\xE2\x80\x80", "  "},
      {"uni_case,map:0x153:'oe'", "\xC5\x92uvre", "oeuvre"},  // the map sees œ
      {"map:0x41:''", "ABA", "B"},
      {"", "\xC3\x89\xC3\xA9", "\xC3\x89\xC3\xA9"},
      {"uni_casefoo", "ABC", "abc"},
  };
  for (const Case& c : cases) {
    Simplifier simplifier(c.options);
    EXPECT_EQ(simplifier.Simplify(c.text), c.simplified) << c.options << " / " << c.text;
  }
}

// Long texts, with and without replacements (sized at once, or grown as they are written).
TEST(ztStringUnicodeSimplifierTest, LongTextsFoldWhole) {
  std::string text, plain, mapped;
  for (int i = 0; i < 500; ++i) {
    text += "\xC3\x80t\xC3\xA9 \xC5\x92";
    plain += "ate \xC5\x93";
    mapped += "ate oe";
  }
  EXPECT_EQ(Simplifier("uni_case,uni_comp").Simplify(text.c_str()), plain);
  EXPECT_EQ(Simplifier("uni_case,uni_comp,map:0x153:'oe'").Simplify(text.c_str()), mapped);
}

TEST(ztStringUnicodeSimplifierTest, FirstCharacterInTheCallersBuffer) {
  Simplifier none("");
  char buffer[4] = {'?', '?', '?', '?'};
  PRUint32 used = 0, length = 1;
  EXPECT_EQ(none->SimplifyFirstChar("\xC3\xA9", &used, buffer, &length), ZT_E_NOMEM);
  EXPECT_EQ(buffer[0], '?');
  length = 2;
  ASSERT_EQ(none->SimplifyFirstChar("\xC3\xA9x", &used, buffer, &length), 0);
  EXPECT_EQ(used, 2u);
  EXPECT_EQ(length, 2u);
  EXPECT_EQ(std::string(buffer, 2), "\xC3\xA9");
  length = 0;
  ASSERT_EQ(none->SimplifyFirstChar("", &used, buffer, &length), 0);  // nothing to write
  EXPECT_EQ(used, 0u);
  EXPECT_EQ(length, 0u);
  EXPECT_EQ(buffer[0], '\xC3');
  length = 4;
  ASSERT_EQ(none->SimplifyFirstChar("\xE2\x82\xAC", &used, nullptr, &length), 0);  // € sized
  EXPECT_EQ(length, 3u);
}

TEST(ztStringUnicodeSimplifierTest, InvalidUtf8IsRefused) {
  Simplifier folding("uni_case,uni_comp");
  PRUint32 used = 0, length = 8;
  char buffer[8];
  EXPECT_EQ(folding->SimplifyFirstChar("\xA9", &used, buffer, &length), ZT_E_FAILED);
  EXPECT_EQ(used, 1u);
  EXPECT_EQ(folding->SimplifyFirstChar("\xC3", &used, buffer, &length), ZT_E_FAILED);
  char* out = nullptr;
  EXPECT_EQ(folding->SimplifyToNew("ab\xC3(", &out, nullptr), ZT_E_FAILED);
  EXPECT_EQ(out, nullptr);
  int diff = 0;
  EXPECT_EQ(folding->Compare("ab\xFF", nullptr, "ab", nullptr, &diff), ZT_E_FAILED);
}

TEST(ztStringUnicodeSimplifierTest, InPlaceFallBackDoesNotApplyTheMapTwice) {
  Simplifier chain("map:0x61:'b'0x62:'cc'");
  char* text = PL_strdup("aab");
  ASSERT_EQ(chain->SimplifyRealloc(&text, nullptr), 0);
  EXPECT_STREQ(text, "bbcc");
  PR_Free(text);
}

TEST(ztStringUnicodeSimplifierTest, WholeTextComparison) {
  Simplifier folding("uni_case,uni_comp");
  EXPECT_EQ(folding.Diff("\xC3\x89T\xC3\x89", "ete"), 0);
  EXPECT_EQ(folding.Diff("\xC5\x92uvre", "\xC5\x93UVRE"), 0);
  EXPECT_GT(folding.Diff("abc", "ab"), 0);
  EXPECT_LT(folding.Diff("\xC3\xA9", "f"), 0);
}

TEST(ztStringUnicodeSimplifierTest, SloppyUppercaseMatch) {
  Simplifier sloppy("uni_case,fr_sloppy_uppercase_match");
  EXPECT_EQ(sloppy.Diff("E", "\xC3\xA9"), 0);  // E against é
  EXPECT_EQ(sloppy.Diff("\xC3\xA9", "E"), 0);
  EXPECT_EQ(sloppy.Diff("ECOLE",
                        "\xC3\xA9"
                        "cole"),
            0);                                // through Compare
  EXPECT_NE(sloppy.Diff("\xC3\x89", "e"), 0);  // É against e: the base rule
  EXPECT_NE(sloppy.Diff("e", "\xC3\xA9"), 0);  // only capitals are sloppy
  EXPECT_LT(sloppy.Diff("E", ""), 1000);       // an empty side is no character
  EXPECT_GT(sloppy.Diff("E", ""), 0);
  EXPECT_LT(sloppy.Diff("", "\xC3\xA9"), 0);
  Simplifier caseSensitive("fr_sloppy_uppercase_match");
  EXPECT_EQ(caseSensitive.Diff("E", "\xC3\xA9"), 0x45 - 0x65);
  Simplifier strict("uni_case");
  EXPECT_NE(strict.Diff("E", "\xC3\xA9"), 0);
  PRUint32 usedA = 0, usedB = 0;
  int diff = 1;
  ASSERT_EQ(sloppy->CompareFirstChar("Ex", &usedA, "\xC3\xA9x", &usedB, &diff), 0);
  EXPECT_EQ(usedA, 1u);
  EXPECT_EQ(usedB, 2u);
  EXPECT_EQ(sloppy->CompareFirstChar("E", &usedA, "\xC3", &usedB, &diff), ZT_E_FAILED);
}

TEST(ztStringUnicodeSimplifierTest, IdentityIsTheComponentUrl) {
  Simplifier simplifier("uni_case");
  EXPECT_STREQ(simplifier->GetSharedIdentity(), "simplifier:unicode:uni_case");
  Simplifier empty("");
  EXPECT_STREQ(empty->GetSharedIdentity(), "simplifier:unicode:");
}

TEST(ztStringUnicodeSimplifierTest, CreateFunctionArguments) {
  ZTRefCount* out = reinterpret_cast<ZTRefCount*>(1);
  EXPECT_EQ(CreateUnicodeSimplifier(nullptr, &out), ZT_E_INVALID);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(CreateUnicodeSimplifier("uni_case", nullptr), ZT_E_INVALID);
  ASSERT_EQ(CreateUnicodeSimplifier("uni_case", &out), 0);
  void* simplifier = nullptr;
  EXPECT_EQ(out->QueryZTInterface(ztIStringSimplifier::GetZTIID(), &simplifier), 0);
  static_cast<ztIStringSimplifier*>(simplifier)->Release();
  out->Release();
}

}  // namespace
