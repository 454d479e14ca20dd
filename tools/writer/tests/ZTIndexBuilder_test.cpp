// The index builder: the marked text, the three tables read back through the native back-end,
// the configuration, the refusals, and agreement with the hiliter on word positions.
#include "tools/writer/ZTIndexBuilder.h"

#include <gtest/gtest.h>
#include <plstr.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/ztCreateRecordSet.h"
#include "find/ztFieldByName.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/ZTIndexResult.h"
#include "frontends/wordlist/ZTWildCardWordList.h"
#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/tests/ztWordListTestTables.h"
#include "modules/hiliter/ZTHiliter.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

std::string W(const std::string& word) {
  return "<?ZT W?>" + word + "<?ZT /W?>";
}

// The marked text of a one-part document.
std::string Marked(const std::string& html) {
  ZTIndexBuilder builder;
  std::string marked;
  EXPECT_EQ(builder.AddDocument(1, {{html, 2}}, &marked), 0) << ztTakeLog();
  return marked;
}

TEST(ZTIndexBuilder, MarksTheWordsOfTheTextOutsideTags) {
  const struct {
    const char* m_pcHtml;
    std::string m_marked;
  } cases[] = {
      {"<p class=\"a b\">Le chat</p>", "<p class=\"a b\">" + W("Le") + " " + W("chat") + "</p>"},
      {"l'eau, aujourd'hui", W("l") + "'" + W("eau") + ", " + W("aujourd'hui")},
      {"l\xE2\x80\x99"
       "eau",
       W("l") + "\xE2\x80\x99" + W("eau")},
      {"caf&eacute; l&rsquo;eau a&nbsp;b",
       W("caf&eacute;") + " " + W("l") + "&rsquo;" + W("eau") + " " + W("a") + "&nbsp;" + W("b")},
      {"R&amp;D &unknown; x", W("R&amp;D") + " " + W("&unknown") + "; " + W("x")},
      {"<!-- a > b -->x<br/>y<b", "<!-- a > b -->" + W("x") + "<br/>" + W("y") + "<b"},
      // scripts and style sheets are not text
      {"a<script>if (b < c) d();</script>e<STYLE type=x>p{}</Style >f",
       W("a") + "<script>if (b < c) d();</script>" + W("e") + "<STYLE type=x>p{}</Style >" +
           W("f")},
      {"<scripts>a</scripts><style", "<scripts>" + W("a") + "</scripts><style"},
      {"<script>never closed", "<script>never closed"},
      {"a<?ZT W?>b<?ZT /W?> c", W("a") + W("b") + " " + W("c")},  // markers of the source
      {"what? \xC2\xABoui\xC2\xBB\xE2\x80\x94non\xE2\x80\xA6",
       W("what") + "? \xC2\xAB" + W("oui") + "\xC2\xBB\xE2\x80\x94" + W("non") + "\xE2\x80\xA6"},
      {"\t\"x\"\r\n", "\t\"" + W("x") + "\"\r\n"},
      {"", ""},
      // plain ASCII text, cut byte by byte, and the same text with a joiner, cut by the tokenizer
      {"<b> ,,a-b  c9.</b>  d",
       "<b> ,," + W("a") + "-" + W("b") + "  " + W("c9") + ".</b>  " + W("d")},
      {"<b> ,,a-b  c9'.</b>", "<b> ,," + W("a") + "-" + W("b") + "  " + W("c9") + "'.</b>"},
      {"<i>;; ..</i>", "<i>;; ..</i>"},
      {"x", W("x")},
  };
  for (const auto& c : cases) EXPECT_EQ(Marked(c.m_pcHtml), c.m_marked) << c.m_pcHtml;
}

// Reads an index back: per word, "word=doc/structure:positions ..." in table order.
class IndexReader {
 public:
  explicit IndexReader(const std::string& directory) : m_directory(directory) {}
  ~IndexReader() { ztRelease(m_pWords); }

  std::string Dump() {
    if (Open() != 0) return "<cannot open>";
    ZTIField* word = nullptr;
    ZTIField* docs = nullptr;
    std::string dump;
    PRUint32 count = 0;
    m_pWords->GetCount(&count);
    if (ztFieldByName(m_pWords, "WORD", &word) == 0 &&
        ztFieldByName(m_pWords, "DOCS", &docs) == 0) {
      for (PRUint32 i = 0; i < count; ++i) dump += WordLine(i, word, docs);
    }
    ztRelease(word);
    ztRelease(docs);
    return dump;
  }

 private:
  int Open() { return ztCreateRecordSet(("native:" + m_directory + "/words").c_str(), &m_pWords); }

  std::string WordLine(PRUint32 i, ZTIField* word, ZTIField* docs) {
    ZTIRecord* record = nullptr;
    ZTBinary* text = nullptr;
    ZTIRecordSet* set = nullptr;
    std::string line = "<error>";
    if (m_pWords->GetRecord(i, &record) == 0 && record->GetDataFieldValue(word, &text) == 0 &&
        record->GetLinkFieldValue(docs, &set) == 0) {
      line = reinterpret_cast<const char*>(text->GetData()) + std::string("=") + DocLines(set);
    }
    ztRelease(set);
    ztRelease(text);
    ztRelease(record);
    return line + "\n";
  }

  static std::string DocLines(ZTIRecordSet* docs) {
    ZTIField *id = nullptr, *structure = nullptr, *occs = nullptr;
    std::string lines;
    PRUint32 count = 0;
    docs->GetCount(&count);
    ztFieldByName(docs, "DOCID", &id);
    ztFieldByName(docs, "STRUCT", &structure);
    ztFieldByName(docs, "OCCS", &occs);  // absent without positions
    for (PRUint32 i = 0; i < count; ++i) {
      ZTIRecord* record = nullptr;
      PRUint32 doc = 0, bits = 0;
      if (docs->GetRecord(i, &record) || record->GetUNumFieldValue(id, &doc) ||
          record->GetUNumFieldValue(structure, &bits)) {
        lines += "<error>";
      } else {
        lines += (i ? " " : "") + std::to_string(doc) + "/" + std::to_string(bits);
        if (occs) lines += ":" + Positions(record, occs);
      }
      ztRelease(record);
    }
    ztRelease(id);
    ztRelease(structure);
    ztRelease(occs);
    return lines;
  }

  static std::string Positions(ZTIRecord* record, ZTIField* occs) {
    ZTIRecordSet* set = nullptr;
    ZTIField* pos = nullptr;
    std::string text;
    PRUint32 count = 0;
    if (record->GetLinkFieldValue(occs, &set) || ztFieldByName(set, "POS", &pos)) {
      text = "<error>";
    } else {
      set->GetCount(&count);
    }
    for (PRUint32 i = 0; i < count; ++i) {
      ZTIRecord* occ = nullptr;
      PRUint32 value = 0;
      set->GetRecord(i, &occ);
      occ->GetUNumFieldValue(pos, &value);
      text += (i ? "," : "") + std::to_string(value);
      ztRelease(occ);
    }
    ztRelease(pos);
    ztRelease(set);
    return text;
  }

  std::string m_directory;
  ZTIRecordSet* m_pWords = nullptr;
};

std::string Written(const ZTIndexBuilder& builder, const ztTempDir& dir) {
  std::string config;
  if (builder.Write(dir.path(), &config) != 0) return "<write failed> " + ztTakeLog();
  return IndexReader(dir.path()).Dump();
}

TEST(ZTIndexBuilder, WritesEachWordsDocumentsInOrderWithTheirPositions) {
  for (bool compressed : {false, true}) {
    ztTempDir dir;
    ZTIndexBuilder builder;
    builder.SetRecordCompression(compressed);
    // Out of id order, positions running on across parts, one word in two structures.
    ASSERT_EQ(
        builder.AddDocument(9, {{"<h1>Chat</h1>", 1}, {"<p>le chat, le chien</p>", 2}}, nullptr),
        0);
    ASSERT_EQ(builder.AddDocument(3, {{"chien chat", 2}, {"", 4}, {"chat", 1}}, nullptr), 0);
    ASSERT_EQ(builder.AddDocument(5, {}, nullptr), 0);
    EXPECT_EQ(Written(builder, dir),
              "Chat=9/1:0\n"
              "chat=3/1:2 3/2:1 9/2:2\n"
              "chien=3/2:0 9/2:4\n"
              "le=9/2:1,3\n")
        << compressed;
    EXPECT_EQ(std::filesystem::exists(dir.File("docs/records.cat")), compressed);
  }
}

// A word of every document outgrows the small regions its postings start in (those of the
// other words stay there), in descending document order.
TEST(ZTIndexBuilder, KeepsTheLongPostingsOfAWordOfEveryDocument) {
  const PRUint32 kDocuments = 20000;
  ztTempDir dir;
  ZTIndexBuilder builder;
  std::string common;
  for (PRUint32 id = kDocuments; id-- > 0;) {
    const std::string word = "w" + std::to_string(id % 3);
    ASSERT_EQ(builder.AddDocument(id, {{"common " + word + " common common", 2}}, nullptr), 0);
  }
  for (PRUint32 id = 0; id < kDocuments; ++id) {
    common += (id ? " " : "") + std::to_string(id) + "/2:0,2,3";
  }
  std::string written = Written(builder, dir);
  ASSERT_EQ(written.substr(0, written.find('\n')), "common=" + common);
  EXPECT_EQ(builder.GetOccurrenceCount(), 4 * kDocuments);
  EXPECT_EQ(written.substr(written.rfind("w2=")).substr(0, 12), "w2=2/2:1 5/2");
}

TEST(ZTIndexBuilder, ABooleanIndexHasNoOccurrences) {
  ztTempDir dir;
  ZTIndexBuilder builder;
  builder.SetPositions(false);
  ASSERT_EQ(builder.AddDocument(2, {{"a b a", 1}}, nullptr), 0);
  EXPECT_EQ(Written(builder, dir), "a=2/1\nb=2/1\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("occs")));
  const std::string config = ztReadFile(dir.File("index.cfg"));
  EXPECT_EQ(config.find("OCC"), std::string::npos) << config;
}

TEST(ZTIndexBuilder, WritesTheConfigurationAndItsLists) {
  ztTempDir dir;
  ZTIndexBuilder builder;
  ASSERT_EQ(builder.SetStopWords({"le", "la"}), 0);
  ASSERT_EQ(builder.AddDocument(0, {{"le chat", 1}}, nullptr), 0);
  std::string config;
  // A final slash does not reach the configuration, where "//" would begin a comment.
  ASSERT_EQ(builder.Write(dir.path() + "/", &config), 0) << ztTakeLog();
  EXPECT_EQ(config, dir.File("index.cfg"));
  EXPECT_EQ(ztReadFile(config),
            "[WILDCARDWORDLIST]\nPATH=" + dir.File("wordlist.cfg") +
                "\n[WORDTABLE]\nDOCLINKFIELD=DOCS\nDOCIDFIELD=DOCID\nSTRUCTUREFIELD=STRUCT\n"
                "OCCLINKFIELD=OCCS\nOCCFIELD=POS\n[SEPARATORS]\n"
                "HARD=21 23 28 29 2b 2c 2e 2f 3a 3b 3c 3e 5e 5f 60 5b 5d 7b 7c 7d 7e 2d 20 9 a d "
                "22 3f 2a a0 ab bb a1 bf 2013 2014 201c 201d 2018 2026\nSOFT=27 2019\nEXCEPTIONS=" +
                dir.File("exceptions.txt") + "\n[STOPWORDLIST]\nPATH=" + dir.File("stopwords.txt") +
                "\n");
  EXPECT_EQ(ztReadFile(dir.File("exceptions.txt")), "aujourd'hui\naujourd\xE2\x80\x99hui\n");
  EXPECT_EQ(ztReadFile(dir.File("stopwords.txt")), "le\nla\n");
  // Stop words are indexed all the same.
  EXPECT_EQ(IndexReader(dir.path()).Dump(), "chat=0/1:1\nle=0/1:0\n");
}

TEST(ZTIndexBuilder, CutsWithTheSeparatorsItIsGiven) {
  ztTempDir dir;
  ZTIndexBuilder builder;
  ASSERT_EQ(builder.SetSeparators({0x20}, {0x27}), 0);
  ASSERT_EQ(builder.SetExceptions({"l'eau", "c'est"}), 0);
  std::string marked;
  ASSERT_EQ(builder.AddDocument(0, {{"l'eau c'est d'or,x", 1}}, &marked), 0) << ztTakeLog();
  EXPECT_EQ(marked, W("l'eau") + " " + W("c'est") + " " + W("d") + "'" + W("or,x"));
  // Without a joiner in the text, a separator of the list cuts and no other does.
  ASSERT_EQ(builder.AddDocument(1, {{"d,or x<b>or y</b>", 1}}, &marked), 0) << ztTakeLog();
  EXPECT_EQ(marked, W("d,or") + " " + W("x") + "<b>" + W("or") + " " + W("y") + "</b>");
  // A list word must make one line.
  ztTakeLog();
  EXPECT_EQ(builder.SetStopWords({"a", "b\nc"}), 1);
  EXPECT_NE(ztTakeLog().find("the word 'b\nc' cannot be a line of a word list"), std::string::npos);
  EXPECT_EQ(builder.SetStopWords({""}), 1);
  // Documents were cut: the separators are fixed now.
  EXPECT_EQ(builder.SetSeparators({}, {}), 2);
  EXPECT_EQ(builder.SetExceptions({}), 2);
  std::string config;
  ASSERT_EQ(builder.Write(dir.path(), &config), 0);
  EXPECT_NE(ztReadFile(config).find("HARD=20\nSOFT=27\n"), std::string::npos);
  EXPECT_EQ(ztReadFile(dir.File("exceptions.txt")), "l'eau\nc'est\n");
}

TEST(ZTIndexBuilder, RefusesBadDocumentsAndStaysUnchanged) {
  const struct {
    PRUint32 m_uId;
    ZTIndexPart m_part;
    const char* m_pcMessage;
  } cases[] = {
      {1, {"new", 2}, "document 1 was already added"},
      {2, {"ok", 256}, "document 2, part 1: the structure value 256 is above 255"},
      {2, {"caf\xC3(", 1}, "document 2, part 1: the text is not UTF-8 without NUL bytes (byte 3)"},
      {2, {std::string("a\0b", 3), 1}, "part 1: the text is not UTF-8 without NUL bytes (byte 1)"},
      // past the first 8 bytes, which are read together
      {2, {"an ascii text caf\xC3(", 1}, "the text is not UTF-8 without NUL bytes (byte 17)"},
      {2, {std::string("an ascii\0text", 14), 1}, "without NUL bytes (byte 8)"},
      {2, {std::string("an ascii t\0ext", 15), 1}, "without NUL bytes (byte 10)"},
  };
  for (const auto& c : cases) {
    ztTempDir dir;
    ZTIndexBuilder builder;
    ASSERT_EQ(builder.AddDocument(1, {{"old", 1}}, nullptr), 0);
    std::string marked = "unchanged";
    ztTakeLog();
    EXPECT_EQ(builder.AddDocument(c.m_uId, {{"fine", 1}, c.m_part}, &marked), 1) << c.m_pcMessage;
    EXPECT_NE(ztTakeLog().find(c.m_pcMessage), std::string::npos) << c.m_pcMessage;
    EXPECT_EQ(marked, "unchanged");
    EXPECT_EQ(Written(builder, dir), "old=1/1:0\n") << c.m_pcMessage;
  }
}

// A part may borrow its text: it is marked, indexed and checked as its copy would be.
TEST(ZTIndexBuilder, IndexesABorrowedTextAsItsCopy) {
  const std::string body = "<p>Un chat, deux <i>chats</i></p>", bad("a\0b", 3);
  ztTempDir ownedDir, borrowedDir;
  ZTIndexBuilder owned, borrowed;
  std::string ownedMarked, borrowedMarked;
  ASSERT_EQ(owned.AddDocument(0, {{"<h1>Chat</h1>", 5}, {body, 2}}, &ownedMarked), 0);
  ASSERT_EQ(borrowed.AddDocument(0, {{"<h1>Chat</h1>", 5}, {"ignored", 2, &body}}, &borrowedMarked),
            0);
  EXPECT_EQ(borrowedMarked, ownedMarked);
  ztTakeLog();
  EXPECT_EQ(borrowed.AddDocument(1, {{"fine", 1, &bad}}, nullptr), 1);
  EXPECT_NE(ztTakeLog().find("part 0: the text is not UTF-8 without NUL bytes (byte 1)"),
            std::string::npos);
  EXPECT_EQ(Written(borrowed, borrowedDir), Written(owned, ownedDir));
}

// Documents of the two-thread tests; document bad (if any) has a structure value refused.
// Documents of 2 to 4 words.
std::vector<ZTIndexPart> PartsOf(PRUint32 id, PRUint32 bad) {
  std::string html = "<b>w" + std::to_string(id % 7) + "</b> common";
  for (PRUint32 i = 0; i < id % 3; ++i) html += " more";
  return {{html, id == bad ? 256u : 2u}};
}

TEST(ZTIndexBuilder, IndexesDocumentsOnTwoThreadsAsOneByOne) {
  // More documents than one batch; the second call fails at document 300, the third when the
  // receiver of the marked texts refuses document 10. The last has more batches than the
  // queue holds: the cutting thread fills batches handed back, whose documents had more or
  // fewer words.
  const struct {
    PRUint32 m_uCount;
    PRUint32 m_uBad;
    int m_iRefuseAt;
    int m_iRc;
    PRUint32 m_uIndexed;
  } cases[] = {{600, 9999, -1, 0, 600},
               {600, 300, -1, 1, 300},
               {600, 9999, 10, 7, 11},
               {20000, 99999, -1, 0, 20000}};
  for (const auto& c : cases) {
    ztTempDir threaded, serial;
    ZTIndexBuilder builder, expected;
    std::vector<PRUint32> order;
    ztTakeLog();
    const int rc = builder.AddDocuments(
        c.m_uCount, [&](PRUint32 id) { return PartsOf(id, c.m_uBad); },
        [&](PRUint32 id, std::string&& marked) {
          std::string alone;
          EXPECT_EQ(expected.AddDocument(id, PartsOf(id, c.m_uBad), &alone), 0);
          EXPECT_EQ(marked, alone) << id;
          order.push_back(id);
          return static_cast<int>(id) == c.m_iRefuseAt ? 7 : 0;
        });
    EXPECT_EQ(rc, c.m_iRc) << ztTakeLog();
    ASSERT_EQ(order.size(), c.m_uIndexed);
    PRUint64 words = 0;
    for (PRUint32 i = 0; i < order.size(); ++i) {
      ASSERT_EQ(order[i], i);
      words += 2 + i % 3;
    }
    EXPECT_EQ(builder.GetOccurrenceCount(), words);
    EXPECT_EQ(Written(builder, threaded), Written(expected, serial));
  }
}

// The cutting thread numbers the words of a document before it is refused: they are not
// written.
TEST(ZTIndexBuilder, TheWordsOfARefusedDocumentAreNotWritten) {
  ztTempDir dir;
  ZTIndexBuilder builder;
  ASSERT_EQ(builder.AddDocument(2, {{"kept", 1}}, nullptr), 0);
  ztTakeLog();
  EXPECT_EQ(builder.AddDocuments(
                4,
                [](PRUint32 id) {
                  return std::vector<ZTIndexPart>{{"w" + std::to_string(id), 1}};
                },
                [](PRUint32, std::string&&) { return 0; }),
            1);
  EXPECT_NE(ztTakeLog().find("document 2 was already added"), std::string::npos);
  EXPECT_EQ(Written(builder, dir), "kept=2/1:0\nw0=0/1:0\nw1=1/1:0\n");
}

// A simplifier that cannot simplify anything.
class ztFailingSimplifier : public ztIStringSimplifier {
 public:
  int SimplifyFirstChar(const char*, PRUint32*, char*, PRUint32*) override { return ZT_E_FAILED; }
  void ComputeIdentity() override { m_pcIdentity = PL_strdup("test:failing"); }
};

// The word list is written while another thread writes the record tables: a failure of the
// word list alone (its simplified keys), or of both (no directory), is the index's.
TEST(ZTIndexBuilder, WriteReportsTheFailureOfEitherThread) {
  ztFailingSimplifier* failing = new ztFailingSimplifier();
  for (bool simplified : {true, false}) {
    ztTempDir dir;
    ZTIndexBuilder builder;
    if (simplified) builder.SetSimplifier(failing);
    ASSERT_EQ(builder.AddDocument(0, {{"chat chien", 2}}, nullptr), 0);
    const std::string target = simplified ? dir.path() : dir.File("missing");
    std::string config;
    ztTakeLog();
    EXPECT_NE(builder.Write(target, &config), 0) << simplified;
    EXPECT_NE(ztTakeLog(), "") << simplified;
    EXPECT_EQ(config, "") << simplified;
  }
  failing->Release();
}

// Whether their record files are compressed or not (they are with the index's records).
TEST(ZTIndexBuilder, TheWordListFindsWordsWithWildcardsAndWithoutCase) {
  ztIStringSimplifier* simplifier = ztCreateSimplifier(ZTWordList::kDefaultSimplifierURL);
  ASSERT_TRUE(simplifier);
  for (bool compressed : {false, true}) {
    ztTempDir dir;
    ZTIndexBuilder builder;
    builder.SetSimplifier(simplifier);
    builder.SetRecordCompression(compressed);
    ASSERT_EQ(builder.AddDocument(0, {{"Chat chut chalet chien", 1}}, nullptr), 0);
    std::string config;
    ASSERT_EQ(builder.Write(dir.path(), &config), 0) << ztTakeLog();
    for (const char* table : {"words", "lookup", "revlookup", "caplookup", "revcaplookup"}) {
      EXPECT_EQ(std::filesystem::exists(dir.File(table) + "/records.cat"), compressed) << table;
    }
    ZTWildCardWordList* list = new ZTWildCardWordList();
    ZTIRecordSet* words = nullptr;
    ASSERT_EQ(list->SetFileName(dir.File("wordlist.cfg").c_str(), nullptr), 0) << ztTakeLog();
    ASSERT_EQ(list->GetWordRecordSet(&words), 0);
    const struct {
      const char* m_pcPattern;
      std::vector<std::string> m_words;
    } cases[] = {{"ch?t", {"Chat", "chut"}},
                 {"CH*T", {"Chat", "chalet", "chut"}},
                 {"*ET", {"chalet"}},
                 {"chien", {"chien"}}};
    for (const auto& c : cases) {
      ZTCursor* cursor = nullptr;
      ASSERT_EQ(list->GetWildCardWords(simplifier, "", c.m_pcPattern, nullptr, &cursor), 0);
      EXPECT_EQ(ztWordTexts(words, cursor), c.m_words) << c.m_pcPattern << compressed;
      ztRelease(cursor);
    }
    ztRelease(words);
    list->Release();
  }
  simplifier->Release();
}

TEST(ZTIndexBuilder, TheHiliterCountsTheMarkedWordsAsTheIndex) {
  ztTempDir dir;
  ZTIndexBuilder builder;
  std::string marked;
  ASSERT_EQ(builder.AddDocument(4,
                                {{"<h1>Le <i>chat</i></h1>", 1},
                                 {"<p title=\"chat\">l'eau, le chat&nbsp;noir</p>", 2}},
                                &marked),
            0);
  EXPECT_EQ(Written(builder, dir),
            "Le=4/1:0\nchat=4/1:1 4/2:5\neau=4/2:3\nl=4/2:2\nle=4/2:4\nnoir=4/2:6\n");
  // The positions of "chat" as stored, highlighted in the marked text.
  const unsigned positions[] = {1, 5};
  ZTHiliter* hiliter = new ZTHiliter();
  ASSERT_EQ(hiliter->SetStartStrings("<?ZT W?>", "<b>", -1), 0);
  ASSERT_EQ(hiliter->SetStopStrings("<?ZT /W?>", "</b>", -1), 0);
  ASSERT_EQ(hiliter->SetValues(positions, 2), 0);
  ASSERT_EQ(hiliter->FilterData(marked.c_str(), marked.size() + 1), 0);
  EXPECT_STREQ(
      reinterpret_cast<const char*>(hiliter->GetData()),
      "<h1>Le <i><b>chat</b></i></h1><p title=\"chat\">l'eau, le <b>chat</b>&nbsp;noir</p>");
  hiliter->Release();
}

// The words the hiliter highlights in a marked text at the positions given, joined by ','.
std::string Highlighted(const std::string& marked, ZTCursor* positions) {
  ZTHiliter* hiliter = new ZTHiliter();
  hiliter->SetStartStrings("<?ZT W?>", "[", -1);
  hiliter->SetStopStrings("<?ZT /W?>", "]", -1);
  std::string words;
  if (positions->ComputeCursorForm() == 0 &&
      hiliter->SetValues(positions->GetArray(), positions->GetCount()) == 0 &&
      hiliter->FilterData(marked.c_str(), marked.size() + 1) == 0) {
    const std::string text = reinterpret_cast<const char*>(hiliter->GetData());
    for (size_t open = text.find('['); open != std::string::npos; open = text.find('[', open)) {
      const size_t close = text.find(']', open);
      words += (words.empty() ? "" : ",") + text.substr(open + 1, close - open - 1);
      open = close;
    }
  } else {
    words = "<hiliter failed>";
  }
  hiliter->Release();
  return words;
}

TEST(ZTIndexBuilder, TheIndexHighlightsTheWordsTheHiliterMarksInTheStoredText) {
  ztTempDir dir;
  ztIStringSimplifier* simplifier = ztCreateSimplifier(ZTWordList::kDefaultSimplifierURL);
  ASSERT_TRUE(simplifier);
  ZTIndexBuilder builder;
  builder.SetSimplifier(simplifier);
  const std::vector<std::vector<ZTIndexPart>> articles = {
      {{"<h1>Chat</h1>", 1}, {"<p>Le chat noir et l'eau.</p>", 2}},
      {{"<p>Un chien, un <i>chat</i>&nbsp;blanc.</p>", 2}},
      {{"<p>L&rsquo;eau, aujourd'hui, sans chat.</p>", 2}},
  };
  std::map<PRUint32, std::string> stored;
  for (PRUint32 id = 0; id < articles.size(); ++id) {
    ASSERT_EQ(builder.AddDocument(id, articles[id], &stored[id]), 0) << ztTakeLog();
  }
  std::string config;
  ASSERT_EQ(builder.Write(dir.path(), &config), 0) << ztTakeLog();
  ZTIndex* index = new ZTIndex();
  ASSERT_EQ(index->SetFileName(config.c_str(), nullptr), 0) << ztTakeLog();
  const struct {
    const char* m_pcQuery;
    const char* m_pcFound;  // document: highlighted words, ...
  } cases[] = {
      {"chat", "0:Chat,chat 1:chat 2:chat"},
      {"\"chat noir\"", "0:chat,noir"},
      {"eau", "0:eau 2:eau"},
      {"aujourd'hui", "2:aujourd'hui"},
      {"chien near blanc", "1:chien,blanc"},
  };
  for (const auto& c : cases) {
    ZTIndexResult* result = nullptr;
    ZTCursor* documents = nullptr;
    ASSERT_EQ(index->SearchExpression(c.m_pcQuery, 0, simplifier, nullptr, &result), 0)
        << c.m_pcQuery << ztTakeLog();
    ASSERT_EQ(result->GetDocumentList(&documents), 0);
    ASSERT_TRUE(documents && documents->ComputeCursorForm() == 0) << c.m_pcQuery;
    std::string found;
    for (PRUint32 i = 0; i < documents->GetCount(); ++i) {
      const PRUint32 id = documents->GetArray()[i];
      ZTCursor* positions = nullptr;
      ASSERT_EQ(result->GetHiliteInfo(id, &positions), 0) << c.m_pcQuery;
      found += (i ? " " : "") + std::to_string(id) + ":" + Highlighted(stored[id], positions);
      positions->Release();
    }
    EXPECT_EQ(found, c.m_pcFound) << c.m_pcQuery;
    documents->Release();
    result->Release();
  }
  index->Release();
  simplifier->Release();
}

}  // namespace
