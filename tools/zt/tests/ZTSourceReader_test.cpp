#include "tools/zt/ZTSourceReader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

const char kManifest[] = R"({"name": "demo", "title": "Démo", "language": "fr"})";

// A source directory with the manifest, the entry lines and the named media files.
void WriteSource(const ztTempDir& dir, const std::string& entries,
                 std::initializer_list<const char*> media = {}) {
  dir.Write("manifest.json", kManifest);
  dir.Write("entries.jsonl", entries);
  mkdir(dir.File("media").c_str(), 0755);
  for (const char* name : media) dir.Write(std::string("media/") + name, "data");
}

TEST(SourceReaderTest, ReadsEveryFieldAndFillsTheDefaults) {
  ztTempDir dir;
  WriteSource(dir,
              "\xEF\xBB\xBF"
              R"({"id": "etre", "headwords": ["être", "etre"], "variants": ["estre"],)"
              R"( "see": ["avoir"], "title": "Être", "level": 2, "html": "<p>exister</p>",)"
              R"( "media": ["etre.mp3", {"file": "pics/etre.dat", "kind": "picture"}]})"
              "\r\n\n   \n"
              R"({"id": "avoir", "headwords": ["avoir"], "html": ""})",
              {"etre.mp3"});
  mkdir(dir.File("media/pics").c_str(), 0755);
  dir.Write("media/pics/etre.dat", "x");
  ZTSource source;
  ASSERT_EQ(ZTSourceReader().Read(dir.path(), &source), 0) << ztTakeLog();
  EXPECT_EQ(source.m_manifest.m_name, "demo");
  EXPECT_EQ(source.m_manifest.m_title, "Démo");
  EXPECT_EQ(source.m_manifest.m_spellingLanguage, "fr");
  EXPECT_EQ(source.m_mediaDir, dir.File("media"));
  ASSERT_EQ(source.m_entries.size(), 2u);
  const ZTSourceEntry& etre = source.m_entries[0];
  EXPECT_EQ(etre.m_id, "etre");
  EXPECT_EQ(etre.m_headwords, (std::vector<std::string>{"être", "etre"}));
  EXPECT_EQ(etre.m_variants, std::vector<std::string>{"estre"});
  EXPECT_EQ(etre.m_see, std::vector<std::string>{"avoir"});
  EXPECT_EQ(etre.m_title, "Être");
  EXPECT_EQ(etre.m_iTitleLevel, 2);
  EXPECT_EQ(etre.m_html, "<p>exister</p>");
  ASSERT_EQ(etre.m_media.size(), 2u);
  EXPECT_EQ(etre.m_media[0].m_file, "etre.mp3");
  EXPECT_EQ(etre.m_media[0].m_kind, ZTMediaKind::Audio);
  EXPECT_EQ(etre.m_media[1].m_kind, ZTMediaKind::Picture);
  const ZTSourceEntry& avoir = source.m_entries[1];
  EXPECT_EQ(avoir.m_title, "avoir");
  EXPECT_EQ(avoir.m_iTitleLevel, 0);
  EXPECT_TRUE(avoir.m_see.empty());
}

TEST(SourceReaderTest, FaultyLinesAreRefusedWithTheirLine) {
  const struct {
    const char* m_pcLine;
    const char* m_pcMessage;
  } cases[] = {
      {R"({"id": "a", "headwords": ["a"], "html": "x")",
       "not valid JSON: column 44: syntax error while parsing object"},
      {R"(["a"])", "not a JSON object"},
      {R"({"id": "a", "html": "x"})", "'headwords' is missing"},
      {R"({"id": "a", "headwords": [], "html": "x"})", "'headwords' is empty"},
      {R"({"id": "a", "headwords": [""], "html": "x"})", "'headwords' must be an array"},
      {R"({"id": "a", "headwords": "a", "html": "x"})", "'headwords' must be an array"},
      {R"({"id": "a", "headwords": ["a\tb"], "html": "x"})", "'headwords' must be an array"},
      {R"({"id": "a b", "headwords": ["a"], "html": "x"})", "'id' must be letters"},
      {R"({"id": 7, "headwords": ["a"], "html": "x"})", "'id' must be a string"},
      {R"({"id": "a", "headwords": ["a"]})", "'html' is missing"},
      {R"({"id": "a", "headwords": ["a"], "html": "x", "level": 8})", "'level' must be an integer"},
      {R"({"id": "a", "headwords": ["a"], "html": "x", "level": 1.5})", "'level' must be"},
      {R"({"id": "a", "headwords": ["a"], "html": "x", "hedwords": 1})", "unknown key 'hedwords'"},
      {R"({"id": "a", "headwords": ["a"], "html": "x", "media": ["../x.mp3"]})",
       "media: '../x.mp3' is not a file name inside the media folder"},
      {R"({"id": "a", "headwords": ["a"], "html": "x", "media": ["x.bin"]})",
       "media: 'x.bin' needs \"kind\""},
      {R"({"id": "a", "headwords": ["a"], "html": "x", "media": [{"kind": "audio"}]})",
       "media: 'file' is missing"},
      {"{\"id\": \"a\", \"headwords\": [\"\xC3\"], \"html\": \"x\"}", "not valid JSON"},
  };
  for (const auto& c : cases) {
    ztTempDir dir;
    WriteSource(dir, std::string(R"({"id": "ok", "headwords": ["ok"], "html": ""})") + "\n" +
                         c.m_pcLine + "\n");
    ZTSource source;
    source.m_manifest.m_name = "unchanged";
    ztTakeLog();
    EXPECT_EQ(ZTSourceReader().Read(dir.path(), &source), 1) << c.m_pcLine;
    std::string log = ztTakeLog();
    EXPECT_NE(log.find(dir.File("entries.jsonl") + " line 2: " + c.m_pcMessage), std::string::npos)
        << c.m_pcLine << "\n"
        << log;
    EXPECT_EQ(source.m_manifest.m_name, "unchanged");
  }
}

TEST(SourceReaderTest, WholeSourceFaultsNameTheirFile) {
  const struct {
    const char* m_pcManifest;  // null: no manifest file
    const char* m_pcEntries;
    int m_iCode;
    const char* m_pcMessage;
  } cases[] = {
      {nullptr, "", 11, "manifest.json: no such file"},
      {R"({"name": "d", "title": "D"})", "", 1, "manifest.json: 'language' is missing"},
      {R"({"name": "a/b", "title": "D", "language": "fr"})", "", 1, "'name' must be letters"},
      {"{\n  \"name\": 1,,", "", 1,
       "manifest.json: not valid JSON: line 2, column 13: syntax error"},
      {kManifest,
       "{\"id\": \"a\", \"headwords\": [\"a\"], \"html\": \"\"}\n"
       "{\"id\": \"a\", \"headwords\": [\"b\"], \"html\": \"\"}\n",
       1, "entries.jsonl line 2: the id 'a' is used on line 1"},
      {kManifest, "\n{\"id\": \"a\", \"headwords\": [\"a\"], \"see\": [\"zz\"], \"html\": \"\"}\n",
       1, "entries.jsonl line 2: 'see' names 'zz', which is no entry's headword"},
      {kManifest, "{\"id\": \"a\", \"headwords\": [\"a\"], \"media\": [\"a.mp3\"], \"html\": \"\"}",
       1, "entries.jsonl line 1: media file 'a.mp3' is not in "},
  };
  for (const auto& c : cases) {
    ztTempDir dir;
    WriteSource(dir, c.m_pcEntries);
    if (c.m_pcManifest) {
      dir.Write("manifest.json", c.m_pcManifest);
    } else {
      remove(dir.File("manifest.json").c_str());
    }
    ZTSource source;
    ztTakeLog();
    EXPECT_EQ(ZTSourceReader().Read(dir.path(), &source), c.m_iCode) << c.m_pcMessage;
    std::string log = ztTakeLog();
    EXPECT_NE(log.find(c.m_pcMessage), std::string::npos) << log;
  }
}

TEST(SourceReaderTest, EveryFaultyLineIsReportedUpToTheLimit) {
  ztTempDir dir;
  std::string lines;
  for (int i = 0; i < 30; ++i) lines += "{\"id\": \"e" + std::to_string(i) + "\"}\n";
  WriteSource(dir, lines);
  ZTSource source;
  ztTakeLog();
  EXPECT_EQ(ZTSourceReader().Read(dir.path(), &source), 1);
  std::string log = ztTakeLog();
  EXPECT_NE(log.find("line 20: 'headwords' is missing"), std::string::npos);
  EXPECT_EQ(log.find("line 21:"), std::string::npos);
  EXPECT_NE(log.find("further faults not shown"), std::string::npos);
}

}  // namespace
