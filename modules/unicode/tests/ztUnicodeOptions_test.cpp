#include "modules/unicode/ztUnicodeOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<PRUint32, std::string>>;

std::string Find(const ztUnicodeOptions& options, PRUint32 code) {
  PRUint32 length = 0;
  const char* found = options.m_map.Find(code, &length);
  return found ? std::string(found, length) : std::string("<none>");
}

TEST(ztUnicodeOptionsTest, FlagsAreRecognisedByTheirBeginning) {
  struct Case {
    const char* text;
    bool case_, comp, space, sloppy;
  } cases[] = {
      {"", false, false, false, false},
      {"uni_case,uni_comp", true, true, false, false},
      {"uni_casefoo", true, false, false, false},
      {"uni_space,fr_sloppy_uppercase_match", false, false, true, true},
      {"uni,case,UNI_CASE,xuni_comp,,", false, false, false, false},
      {",,uni_comp,", false, true, false, false},
  };
  for (const Case& c : cases) {
    ztUnicodeOptions options;
    ASSERT_EQ(options.Parse(c.text), 0);
    EXPECT_EQ(options.m_bCase, c.case_) << c.text;
    EXPECT_EQ(options.m_bComp, c.comp) << c.text;
    EXPECT_EQ(options.m_bSpace, c.space) << c.text;
    EXPECT_EQ(options.m_bSloppy, c.sloppy) << c.text;
    EXPECT_TRUE(options.m_map.IsEmpty()) << c.text;
  }
}

TEST(ztUnicodeOptionsTest, MapEntries) {
  struct Case {
    const char* text;
    Entries entries;
    bool case_;  // whether uni_case after the map was still seen
  } cases[] = {
      {"map:0x153:'oe'0xE6:'ae'", {{0x153, "oe"}, {0xE6, "ae"}}, false},
      {"map:65:/x,y/,uni_case", {{65, "x,y"}}, true},                  // delimiter encloses a comma
      {"map:0101:\"b\",map:0x43:''", {{65, "b"}, {0x43, ""}}, false},  // octal; two options
      {"map:0x41:'rest,uni_case", {{0x41, "rest,uni_case"}}, false},   // never closed
      {"map:0x41'a',uni_case", {}, true},                              // colon missing
      {"map:0x41:'a'0x42,uni_case", {{0x41, "a"}}, true},
      {"map:,uni_case", {}, true},
      {"map:", {}, false},
      {"map:0x41:", {}, false},  // nothing after the colon
      {"map:zz:'a',uni_case", {}, true},
      {"map:0x42:'b'0x41:'a'0x42:'c'", {{0x41, "a"}, {0x42, "b"}}, false},  // the first wins
  };
  for (const Case& c : cases) {
    ztUnicodeOptions options;
    ASSERT_EQ(options.Parse(c.text), 0) << c.text;
    EXPECT_EQ(options.m_bCase, c.case_) << c.text;
    EXPECT_EQ(options.m_map.IsEmpty(), c.entries.empty()) << c.text;
    for (const auto& entry : c.entries)
      EXPECT_EQ(Find(options, entry.first), entry.second) << c.text;
  }
}

TEST(ztUnicodeOptionsTest, ManyEntriesStaySorted) {
  std::string text = "map:";
  for (int c = 300; c > 0; --c) text += std::to_string(c) + ":'" + std::to_string(c) + "'";
  ztUnicodeOptions options;
  ASSERT_EQ(options.Parse(text.c_str()), 0);
  for (PRUint32 c = 1; c <= 300; ++c) EXPECT_EQ(Find(options, c), std::to_string(c));
  EXPECT_EQ(Find(options, 0), "<none>");
  EXPECT_EQ(Find(options, 301), "<none>");
}

}  // namespace
