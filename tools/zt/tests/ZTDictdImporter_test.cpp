#include "tools/zt/ZTDictdImporter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"
#include "tools/zt/detail/ztDictdIndex.h"
#include "tools/zt/tests/ztTestGzip.h"

namespace {

std::string Base64(unsigned long long value) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[value % 64]);
    value /= 64;
  } while (value);
  return out;
}

// A dictd database: each article with the headwords that point at it.
struct ztDictd {
  std::string m_index;
  std::string m_dict;

  void Add(const std::vector<std::string>& headwords, const std::string& text) {
    for (const std::string& word : headwords) {
      m_index += word + "\t" + Base64(m_dict.size()) + "\t" + Base64(text.size()) + "\n";
    }
    m_dict += text;
  }
};

ztDictd Sample() {
  ztDictd d;
  d.Add({"00-database-short", "00-gcide-short"}, "00-database-short\n   A  Small\n Dictionary\n");
  d.Add({"00-database-url"}, "00-database-url\n   nowhere\n");
  d.Add({"Abandon", "Abandoned"}, "Abandon\n   To leave; see {Desert} and {forsake}.\n");
  d.Add({"desert"}, "desert\n   A dry place. {Abandon}\n");
  d.Add({"Forsake"}, "Forsake\n   Also {abandoned}; not {absent}.\n");
  return d;
}

TEST(DictdImporterTest, MergesSharedArticlesAndLinksReferences) {
  ztDictd d = Sample();
  for (bool packed : {false, true}) {
    ztTempDir dir;
    std::string index = dir.Write("small.index", d.m_index);
    std::string dict = dir.Write(packed ? "small.dict.dz" : "small.dict",
                                 packed ? ztTestGzip(d.m_dict) : d.m_dict);
    ZTSource source;
    ZTImportSummary summary;
    ASSERT_EQ(ZTDictdImporter().Import(index, dict, &source, &summary), 0) << ztTakeLog();
    EXPECT_EQ(source.m_manifest.m_name, "small");
    EXPECT_EQ(source.m_manifest.m_title, "A Small Dictionary");
    EXPECT_EQ(summary.m_uRead, 4u);
    EXPECT_EQ(summary.m_uKept, 3u);
    EXPECT_EQ(summary.m_uMerged, 1u);
    EXPECT_EQ(summary.m_uInfo, 3u);
    ASSERT_EQ(source.m_entries.size(), 3u);
    const ZTSourceEntry& abandon = source.m_entries[0];
    EXPECT_EQ(abandon.m_id, "1");
    EXPECT_EQ(abandon.m_title, "Abandon");
    EXPECT_EQ(abandon.m_headwords, (std::vector<std::string>{"Abandon", "Abandoned"}));
    EXPECT_EQ(abandon.m_see, (std::vector<std::string>{"desert", "Forsake"}));
    EXPECT_EQ(abandon.m_html,
              "<p>Abandon<br>\nTo leave; see <a href=\"see:desert\">Desert</a> and <a "
              "href=\"see:Forsake\">forsake</a>.</p>\n");
    // A reference to the entry's own headword makes no cross-reference.
    EXPECT_EQ(source.m_entries[1].m_see, std::vector<std::string>{"Abandon"});
    EXPECT_EQ(source.m_entries[2].m_see, std::vector<std::string>{"Abandoned"});
    EXPECT_NE(source.m_entries[2].m_html.find("not absent."), std::string::npos);
  }
}

TEST(DictdImporterTest, Latin1TextBecomesUtf8) {
  ztDictd d;
  d.Add({"caf\xE9"}, "caf\xE9\n   boisson\n");
  ZTSource source;
  ZTImportSummary summary;
  ASSERT_EQ(
      ZTDictdImporter().ImportData(d.m_index, "x.index", d.m_dict, "x.dict", &source, &summary), 0);
  EXPECT_EQ(source.m_entries[0].m_headwords[0], "café");
  EXPECT_EQ(source.m_entries[0].m_html, "<p>café<br>\nboisson</p>\n");
  EXPECT_EQ(source.m_manifest.m_title, "x");
}

TEST(DictdImporterTest, BadIndexLinesNameTheLine) {
  const struct {
    const char* m_pcLine;
    const char* m_pcMessage;
  } cases[] = {
      {"word\tA", "line 2: expected headword, offset and size"},
      {"word\tA!\tB", "line 2: the offset 'A!' is not a base64 number"},
      {"word\tA\t", "line 2: the size '' is not a base64 number"},
      {"word\tAAAAAAAAAAA\tB", "line 2: the offset 'AAAAAAAAAAA' is not a base64 number"},
      {"\tA\tB", "line 2: the headword is empty"},
      {"word\tK\tB", "line 2: the article at offset 10 (1 bytes) ends past the 10 bytes of d.dict"},
      {"word\tA\tL", "line 2: the article at offset 0 (11 bytes) ends past"},
  };
  for (const auto& c : cases) {
    ZTSource source;
    source.m_manifest.m_name = "unchanged";
    ZTImportSummary summary;
    ztTakeLog();
    EXPECT_EQ(ZTDictdImporter().ImportData(std::string("ok\tA\tK\n") + c.m_pcLine + "\n", "d.index",
                                           "0123456789", "d.dict", &source, &summary),
              1)
        << c.m_pcLine;
    std::string log = ztTakeLog();
    EXPECT_NE(log.find(std::string("d.index ") + c.m_pcMessage), std::string::npos) << log;
    EXPECT_EQ(source.m_manifest.m_name, "unchanged");
  }
}

TEST(DictdImporterTest, BadFilesAreRefused) {
  ztDictd d = Sample();
  std::string packed = ztTestGzip(d.m_dict);
  const struct {
    std::string m_dict;
    int m_iCode;
    const char* m_pcMessage;
  } cases[] = {
      {packed.substr(0, packed.size() / 2), 1, "truncated gzip data"},
      {packed.substr(0, 10) + std::string(packed.size() - 10, 'x'), 1, "corrupt gzip data"},
      {d.m_dict.substr(0, d.m_dict.size() - 1), 1, "ends past the"},
  };
  for (const auto& c : cases) {
    ztTempDir dir;
    std::string index = dir.Write("t.index", d.m_index);
    std::string dict = dir.Write("t.dict.dz", c.m_dict);
    ZTSource source;
    ZTImportSummary summary;
    ztTakeLog();
    EXPECT_EQ(ZTDictdImporter().Import(index, dict, &source, &summary), c.m_iCode);
    std::string log = ztTakeLog();
    EXPECT_NE(log.find(c.m_pcMessage), std::string::npos) << log;
  }
  ztTempDir dir;
  ZTSource source;
  ZTImportSummary summary;
  EXPECT_EQ(
      ZTDictdImporter().Import(dir.File("none.index"), dir.File("none.dict"), &source, &summary),
      11);
}

TEST(DictdImporterTest, Base64Numbers) {
  const struct {
    const char* m_pcText;
    bool m_bValid;
    unsigned long long m_uValue;
  } cases[] = {
      {"A", true, 0},
      {"B", true, 1},
      {"/", true, 63},
      {"BA", true, 64},
      {"+/", true, 4031},
      {"5I", true, 57 * 64 + 8},
      {"//////////", true, (1ull << 60) - 1},
      {"///////////", false, 0},
      {"", false, 0},
      {"A=", false, 0},
      {"-", false, 0},
  };
  for (const auto& c : cases) {
    PRUint64 value = 12345;
    EXPECT_EQ(ztDictdBase64(c.m_pcText, std::char_traits<char>::length(c.m_pcText), &value),
              c.m_bValid)
        << c.m_pcText;
    if (c.m_bValid) {
      EXPECT_EQ(value, c.m_uValue) << c.m_pcText;
    }
  }
}

}  // namespace
