#include "tools/zt/ZTStarDictImporter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"
#include "tools/zt/tests/ztTestGzip.h"

namespace {

std::string BigEndian(unsigned long long value, int width) {
  std::string out;
  for (int i = width - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// A StarDict dictionary built in memory.
struct ztStarDict {
  std::string m_sameTypes = "m";
  int m_iOffsetBits = 32;
  std::string m_extraIfo;
  std::string m_idx, m_dict, m_syn;
  unsigned m_uWords = 0;
  unsigned m_uSynonyms = 0;

  void Add(const std::string& word, const std::string& data) {
    AddIndex(word, m_dict.size(), data.size());
    m_dict += data;
  }
  void AddIndex(const std::string& word, unsigned long long offset, unsigned long long size) {
    m_idx += word + '\0' + BigEndian(offset, m_iOffsetBits / 8) + BigEndian(size, 4);
    ++m_uWords;
  }
  void AddSynonym(const std::string& word, unsigned index) {
    m_syn += word + '\0' + BigEndian(index, 4);
    ++m_uSynonyms;
  }
  std::string Ifo() const {
    std::string ifo = "StarDict's dict ifo file\nversion=3.0.0\nbookname=Tiny Dictionary\n";
    ifo += "wordcount=" + std::to_string(m_uWords) + "\n";
    ifo += "idxfilesize=" + std::to_string(m_idx.size()) + "\n";
    if (!m_sameTypes.empty()) ifo += "sametypesequence=" + m_sameTypes + "\n";
    if (m_iOffsetBits == 64) ifo += "idxoffsetbits=64\n";
    if (m_uSynonyms) ifo += "synwordcount=" + std::to_string(m_uSynonyms) + "\n";
    return ifo + m_extraIfo;
  }
  ZTStarDictFiles Files() const {
    return {Ifo(), "t.ifo", m_idx, "t.idx", m_dict, "t.dict", m_syn, m_syn.empty() ? "" : "t.syn"};
  }
};

int Import(const ztStarDict& d, ZTSource* source, ZTImportSummary* summary = nullptr) {
  ZTImportSummary ignored;
  return ZTStarDictImporter().ImportFiles(d.Files(), source, summary ? summary : &ignored);
}

TEST(StarDictImporterTest, ReadsTheFilesBesideTheIfo) {
  for (int bits : {32, 64}) {
    for (bool packed : {false, true}) {
      ztStarDict d;
      d.m_iOffsetBits = bits;
      d.m_extraIfo = "lang=fr\n";
      d.Add("chat", "un animal\n\nqui miaule");
      d.AddIndex("chatte", 0, d.m_dict.size());
      d.Add("chien", "un autre");
      d.AddSynonym("cat", 2);  // the third index record, "chien"
      d.AddSynonym("chats", 0);
      ztTempDir dir;
      std::string ifo = dir.Write("tiny.ifo", d.Ifo());
      dir.Write(packed ? "tiny.idx.gz" : "tiny.idx", packed ? ztTestGzip(d.m_idx) : d.m_idx);
      dir.Write(packed ? "tiny.dict.dz" : "tiny.dict", packed ? ztTestGzip(d.m_dict) : d.m_dict);
      dir.Write("tiny.syn", d.m_syn);
      ZTSource source;
      ZTImportSummary summary;
      ASSERT_EQ(ZTStarDictImporter().Import(ifo, &source, &summary), 0) << ztTakeLog();
      EXPECT_EQ(source.m_manifest.m_name, "tiny");
      EXPECT_EQ(source.m_manifest.m_title, "Tiny Dictionary");
      EXPECT_EQ(source.m_manifest.m_language, "fr");
      EXPECT_EQ(source.m_mediaDir, dir.File("res"));
      EXPECT_EQ(summary.m_uRead, 3u);
      EXPECT_EQ(summary.m_uKept, 2u);
      EXPECT_EQ(summary.m_uMerged, 1u);
      EXPECT_EQ(summary.m_uVariants, 2u);
      ASSERT_EQ(source.m_entries.size(), 2u);
      EXPECT_EQ(source.m_entries[0].m_headwords, (std::vector<std::string>{"chat", "chatte"}));
      EXPECT_EQ(source.m_entries[0].m_variants, std::vector<std::string>{"chats"});
      EXPECT_EQ(source.m_entries[0].m_html, "<p>un animal</p>\n<p>qui miaule</p>\n");
      EXPECT_EQ(source.m_entries[1].m_variants, std::vector<std::string>{"cat"});
    }
  }
}

TEST(StarDictImporterTest, TypedFieldsBecomeHtml) {
  const std::string binary = std::string("W") + BigEndian(3, 4) + std::string("\0\1\2", 3);
  const struct {
    const char* m_pcSameTypes;
    std::string m_data;
    const char* m_pcHtml;
    std::vector<std::string> m_see;
  } cases[] = {
      {"tm",
       std::string("a'b\0plain <text>", 16),
       "<p class=\"phonetic\">[a'b]</p>\n<p>plain &lt;text&gt;</p>\n",
       {}},
      {"",
       std::string("tfoo\0", 5) + binary + std::string("m& bar\0", 7),
       "<p class=\"phonetic\">[foo]</p>\n<p>&amp; bar</p>\n",
       {}},
      {"h",
       "<a class=\"k\" href=\"bword://Dog\">d</a> <a href=\"bword://none\">n</a>",
       "<a class=\"k\" href=\"see:dog\">d</a> <a href=\"bword://none\">n</a>",
       {"dog"}},
      {"x",
       "<k>cat</k>\n<tr>kat</tr> <kref>dog</kref> <kref>bird</kref> <gr>n</gr> <ex>e</ex>",
       "<b>cat</b><br>\n<span class=\"phonetic\">[kat]</span> <a href=\"see:dog\">dog</a> bird n "
       "<span class=\"example\">e</span>",
       {"dog"}},
      {"g", "<b>bold</b>\nnext", "<b>bold</b><br>\nnext", {}},
  };
  for (const auto& c : cases) {
    ztStarDict d;
    d.m_sameTypes = c.m_pcSameTypes;
    d.Add("cat", c.m_data);
    d.Add("dog", "m");
    ZTSource source;
    ASSERT_EQ(Import(d, &source), 0) << ztTakeLog();
    EXPECT_EQ(source.m_entries[0].m_html, c.m_pcHtml) << c.m_data;
    EXPECT_EQ(source.m_entries[0].m_see, c.m_see) << c.m_data;
  }
}

TEST(StarDictImporterTest, ResourcesBecomeMedia) {
  ztStarDict d;
  d.m_sameTypes = "mr";
  d.Add("cat", std::string("text\0img:cat.png\nsnd:cat.mp3\nimg:../x.png\nvdo:a.avi", 49));
  ZTSource source;
  ASSERT_EQ(Import(d, &source), 0) << ztTakeLog();
  const std::vector<ZTSourceMedia>& media = source.m_entries[0].m_media;
  ASSERT_EQ(media.size(), 2u);
  EXPECT_EQ(media[0].m_file, "cat.png");
  EXPECT_EQ(media[0].m_kind, ZTMediaKind::Picture);
  EXPECT_EQ(media[1].m_file, "cat.mp3");
  EXPECT_EQ(media[1].m_kind, ZTMediaKind::Audio);
}

TEST(StarDictImporterTest, WrongSizesAndOffsetsAreRefused) {
  using Change = void (*)(ztStarDict*);
  const struct {
    Change m_change;
    const char* m_pcMessage;
  } cases[] = {
      {[](ztStarDict* d) { d->m_extraIfo = "wordcount=3\n"; },
       "t.idx: 2 words, but the .ifo says wordcount=3"},
      {[](ztStarDict* d) { d->m_extraIfo = "idxfilesize=5\n"; },
       "t.idx: 24 bytes, but the .ifo says idxfilesize=5"},
      {[](ztStarDict* d) { d->m_extraIfo = "idxoffsetbits=16\n"; },
       "t.ifo line 7: idxoffsetbits '16' must be 32 or 64"},
      {[](ztStarDict* d) { d->m_extraIfo = "wordcount=x\n"; }, "t.ifo line 7: wordcount 'x'"},
      {[](ztStarDict* d) { d->m_extraIfo = "version=1.0\n"; }, "version '1.0' is not supported"},
      {[](ztStarDict* d) { d->m_extraIfo = "sametypesequence=m1\n"; }, "must be type letters"},
      {[](ztStarDict* d) { d->AddIndex("far", 2, 5); },
       "t.idx offset 24: article past the data (article at 2, 5 bytes; t.dict has 6 bytes)"},
      {[](ztStarDict* d) { d->m_idx.resize(d->m_idx.size() - 1); }, "offset 12: record cut short"},
      {[](ztStarDict* d) { d->AddSynonym("s", 2); },
       "t.syn offset 0: the synonym names no word of the index"},
      {[](ztStarDict* d) { d->m_syn = std::string("s\0\0", 3); }, "t.syn offset 0: record cut"},
      {[](ztStarDict* d) {
         d->AddSynonym("s", 0);
         d->m_extraIfo = "synwordcount=2\n";
       },
       "t.syn: 1 synonyms, but the .ifo says synwordcount=2"},
      {[](ztStarDict* d) { d->m_sameTypes = "Wm"; },
       "t.dict: the article at offset 0: the size of a 'W' field at offset 0 runs past"},
      {[](ztStarDict* d) { d->m_sameTypes = ""; },
       "t.dict: the article at offset 0: unknown field type at offset 0"},
  };
  for (const auto& c : cases) {
    ztStarDict d;
    d.Add("123", "123");
    d.Add("456", "456");
    c.m_change(&d);
    ZTSource source;
    source.m_manifest.m_name = "unchanged";
    ztTakeLog();
    EXPECT_EQ(Import(d, &source), 1) << c.m_pcMessage;
    std::string log = ztTakeLog();
    EXPECT_NE(log.find(c.m_pcMessage), std::string::npos) << log;
    EXPECT_EQ(source.m_manifest.m_name, "unchanged");
  }
}

TEST(StarDictImporterTest, IfoFaultsAndMissingFiles) {
  const struct {
    const char* m_pcIfo;
    const char* m_pcMessage;
  } cases[] = {
      {"StarDict dict\nversion=3.0.0\n", "t.ifo line 1: not a StarDict .ifo file"},
      {"StarDict's dict ifo file\nversion=3.0.0\nwordcount=0\nidxfilesize=0\n",
       "t.ifo: 'bookname' is missing"},
      {"StarDict's dict ifo file\nbookname=b\nwordcount=0\nidxfilesize=0\n",
       "t.ifo: 'version' is missing"},
      {"StarDict's dict ifo file\nversion=3.0.0\nbookname\n", "t.ifo line 3: expected key=value"},
  };
  for (const auto& c : cases) {
    ZTStarDictFiles files;
    files.m_ifo = c.m_pcIfo;
    files.m_ifoName = "t.ifo";
    ZTSource source;
    ZTImportSummary summary;
    ztTakeLog();
    EXPECT_EQ(ZTStarDictImporter().ImportFiles(files, &source, &summary), 1);
    std::string log = ztTakeLog();
    EXPECT_NE(log.find(c.m_pcMessage), std::string::npos) << log;
  }
  ztTempDir dir;
  ztStarDict d;
  std::string ifo = dir.Write("t.ifo", d.Ifo());
  ZTSource source;
  ZTImportSummary summary;
  ztTakeLog();
  EXPECT_EQ(ZTStarDictImporter().Import(ifo, &source, &summary), 11);
  EXPECT_NE(ztTakeLog().find(dir.File("t.idx") + ": no such file"), std::string::npos);
}

}  // namespace
