// The index's configuration, defaults, refusals and occurrence lists.
#include <fstream>
#include <regex>
#include <string>

#include "find/ZTIField.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/tests/ztIndexFixture.h"

namespace {

class ZTIndexTest : public ztIndexFixture {
 protected:
  // Writes the builder's configuration with its section `drop` removed and extra appended,
  // and configures a new index from it; SetFileName's code.
  int Reconfigure(const std::string& drop, const std::string& extra) {
    std::string text = ReadConfiguration();
    if (!drop.empty()) text = std::regex_replace(text, std::regex("\\[" + drop + "\\][^\\[]*"), "");
    const std::string path = m_dir.path() + "/changed.cfg";
    std::ofstream(path) << text << extra;
    ztRelease(m_pIndex);
    m_pIndex = new ZTIndex();
    return m_pIndex->SetFileName(path.c_str(), nullptr);
  }
};

TEST_F(ZTIndexTest, DefaultSeparatorsApplyWithoutTheSection) {
  Open({ztBody(1, "l'eau aujourd'hui"), ztBody(2, "cat dog")});
  ASSERT_EQ(Reconfigure("SEPARATORS", ""), 0) << ztTakeLog();
  EXPECT_EQ(Search("l'eau"), "1");
  EXPECT_EQ(Search("aujourd'hui"), "1");
  EXPECT_EQ(Search("cat-dog"), "2");
  EXPECT_EQ(Search("cat+dog"), "2");
  // Tab is no default separator: the query is one word.
  EXPECT_EQ(Search("cat\tdog"), "");
}

TEST_F(ZTIndexTest, ConfiguredSeparatorsReplaceTheDefaults) {
  Open({ztBody(1, "cat dog")});
  ASSERT_EQ(Reconfigure("SEPARATORS", "[SEPARATORS]\nHARD=20 9\nSOFT=\n"), 0) << ztTakeLog();
  EXPECT_EQ(Search("cat\tdog"), "1");
  EXPECT_EQ(Search("cat-dog"), "");
}

TEST_F(ZTIndexTest, LinkLinesAreCheckedBeforeTheyAreStored) {
  Open({ztBody(1, "cat")});
  struct Case {
    const char* m_pcLines;
    int m_iCode;
    const char* m_pcMessage;
  };
  const Case cases[] = {
      {"COUNT=2\nFIELD,1=SEE\nSUBFIELD,1=\nMERGE,2=yes\nMERGE,1=YES\n", 0, ""},
      {"COUNT=2\nFIELD,3=SEE\n", 500, "[ZTIndex::SetFileName] Bad link number value for FIELD: 2"},
      {"COUNT=2\nSUBFIELD,0=SEE\n", 500,
       "[ZTIndex::SetFileName] Bad link number value for SUBFIELD: -1"},
      {"MERGE,1=1\n", 500, "[ZTIndex::SetFileName] Bad link number value for MERGE: 0"},
      {"COUNT=1\nFIELD=SEE\n", 500, "[ZTIndex::SetFileName] Missing comma after FIELD"},
      {"COUNT=1\nSUBFIELD1=SEE\n", 500, "[ZTIndex::SetFileName] Missing comma after SUBFIELD"},
      {"COUNT=1\nMERGE=1\n", 500, "[ZTIndex::SetFileName] Missing comma after MERGE"},
      {"COUNT=4294967297\n", 500, "Bad link count"},
      {"COUNT=-1\n", 500, "Bad link count"},
      {"OTHER=1\n", 14, ""},
  };
  for (const Case& c : cases) {
    ztTakeLog();
    EXPECT_EQ(Reconfigure("", std::string("[LINKS]\n") + c.m_pcLines), c.m_iCode) << c.m_pcLines;
    EXPECT_NE(ztTakeLog().find(c.m_pcMessage), std::string::npos) << c.m_pcLines;
    // A configuration that failed leaves the index unusable, not half configured.
    if (c.m_iCode) {
      EXPECT_EQ(Search("cat"), "rc=1") << c.m_pcLines;
    }
  }
}

// With the links flag plain query words follow the configured links (here through a field
// the word table lacks, so the search fails and says so); without it, and for phrase words,
// links are never followed.
TEST_F(ZTIndexTest, TheLinksFlagMakesPlainWordsFollowTheLinks) {
  Open({ztBody(1, "cat dog")});
  ASSERT_EQ(
      Reconfigure("", "[LINKS]\nCOUNT=1\nFIELD,1=NOSUCHFIELD\nSUBFIELD,1=WORDNO\nMERGE,1=1\n"), 0)
      << ztTakeLog();
  ztTakeLog();
  EXPECT_EQ(Search("cat", 1).substr(0, 3), "rc=");
  EXPECT_NE(ztTakeLog().find("NOSUCHFIELD"), std::string::npos);
  EXPECT_EQ(Search("cat", 0), "1");
  EXPECT_EQ(Search("\"cat dog\"", 1), "1");
}

TEST_F(ZTIndexTest, ConfigurationLinesAndTheirPrerequisites) {
  ZTIndex* index = new ZTIndex();
  EXPECT_EQ(index->ConfigureItem("WORDTABLE", "DOCLINKFIELD", "DOCS"), 3);
  EXPECT_EQ(index->ConfigureItem("WORDTABLE", "DOCIDFIELD", "DOCID"), 3);
  EXPECT_EQ(index->ConfigureItem("WORDTABLE", "OCCFIELD", "POS"), 3);
  EXPECT_EQ(index->ConfigureItem("WORDTABLE", "STRUCTUREFIELD", ""), 0);
  EXPECT_EQ(index->ConfigureItem("WORDTABLE", "OTHER", "x"), 14);
  EXPECT_EQ(index->ConfigureItem("SEPARATORS", "OTHER", "x"), 3);
  EXPECT_EQ(index->ConfigureItem("SEPARATORS", "HARD", "zz"), 1);
  EXPECT_EQ(index->ConfigureItem("STOPWORDLIST", "OTHER", "x"), 3);
  EXPECT_EQ(index->ConfigureItem("WILDCARDWORDLIST", "OTHER", "x"), 14);
  EXPECT_EQ(index->ConfigureItem("ELSEWHERE", "PATH", "x"), 14);
  EXPECT_EQ(index->ConfigureItem("WORDTABLE", nullptr, nullptr), 0);
  // Never configured: no query, no word table.
  EXPECT_EQ(index->Init(), 1);
  ZTIRecordSet* words = nullptr;
  EXPECT_EQ(index->GetWordRecordSet(&words), 1);
  ZTIField* field = nullptr;
  EXPECT_EQ(index->GetDocIdField(&field), 0);
  EXPECT_EQ(field, nullptr);
  EXPECT_EQ(index->GetDocIdField(nullptr), 101);
  EXPECT_EQ(index->GetNearThreshold(nullptr), 10);
  PRUint32 threshold = 0;
  EXPECT_EQ(index->GetNearThreshold(&threshold), 0);
  EXPECT_EQ(threshold, 10u);
  ZTIndexResult* result = nullptr;
  EXPECT_EQ(index->SearchExpression(nullptr, 0, nullptr, nullptr, &result), 500);
  EXPECT_EQ(index->SearchExpression("cat", 0, nullptr, nullptr, nullptr), 500);
  EXPECT_EQ(index->SearchExpression("cat", 0, nullptr, nullptr, &result), 1);
  index->Release();
}

TEST_F(ZTIndexTest, AConfigurationWithoutItsTablesIsRefused) {
  Open({ztBody(1, "cat")});
  EXPECT_EQ(Reconfigure("WILDCARDWORDLIST", ""), 3);
  ztTakeLog();
  EXPECT_EQ(Reconfigure("WORDTABLE", ""), 1);
  EXPECT_NE(ztTakeLog().find("names no DOCLINKFIELD"), std::string::npos);
  EXPECT_EQ(Search("cat"), "rc=1");
}

TEST_F(ZTIndexTest, StopWordsComeOnlyFromTheConfiguration) {
  Open({ztBody(1, "the cat")});
  int stop = 1;
  EXPECT_EQ(m_pIndex->IsStopWord("the", &stop), 0);
  EXPECT_EQ(stop, 0);
  EXPECT_EQ(Search("the"), "1");
  const std::string path = m_dir.path() + "/stop.txt";
  std::ofstream(path) << "the\n";
  ASSERT_EQ(Reconfigure("", "[STOPWORDLIST]\nPATH=" + path + "\n"), 0) << ztTakeLog();
  EXPECT_EQ(m_pIndex->IsStopWord("THE", &stop), 0);
  EXPECT_EQ(stop, 1);
  EXPECT_EQ(Search("the"), "");
}

// The builder writes every word's records in document order: read as presorted, they give the
// same answers without being sorted at each query.
TEST_F(ZTIndexTest, PresortedDataIsReadAsItIs) {
  Open({ztBody(4, "cat dog"),
        ztBody(1, "dog"),
        ztBody(3, "cat w dog"),
        {2, {{"cat", 1}, {"dog cat", 2}}}});
  const char* const queries[] = {"cat", "dog not cat", "cat near dog", "\"dog cat\""};
  std::vector<std::string> sorted;
  for (const char* query : queries) sorted.push_back(Search(query));
  ReadAsPresorted(true);
  ASSERT_EQ(Reconfigure("", ""), 0) << ztTakeLog();
  for (size_t i = 0; i < sorted.size(); ++i) EXPECT_EQ(Search(queries[i]), sorted[i]) << queries[i];
  EXPECT_EQ(sorted[0], "2 3 4");
  EXPECT_EQ(sorted[3], "2");
}

TEST_F(ZTIndexTest, AnEmptyIndexFindsNothing) {
  Open({});
  EXPECT_EQ(Search("cat"), "");
  EXPECT_EQ(Search("\"cat dog\" or d*"), "");
}

TEST_F(ZTIndexTest, OccurrenceListsOfOneWord) {
  Open({ztBody(1, "cat dog cat"),
        ztBody(2, "dog"),
        ztBody(3, "cat"),
        ztBody(5, "x cat"),
        {6, {{"cat", 1}, {"dog cat", 2}}}});
  ASSERT_EQ(m_pIndex->Init(), 0);
  ZTIRecordSet* set = nullptr;
  ASSERT_EQ(m_pIndex->ResolveLin("cat", &set, 0, nullptr, nullptr), 0);
  PRUint32 count = 0, scan = 0;
  ASSERT_EQ(set->GetCount(&count), 0);
  EXPECT_EQ(count, 5u);  // documents 1, 3, 5, and 6 twice (two structures)
  const struct {
    PRUint32 m_uDocument;
    const char* m_pcPositions;
    PRUint32 m_uScan;
  } steps[] = {{1, "0 2", 1}, {2, "", 1}, {3, "0", 2}, {5, "1", 3}, {6, "0 2", 5}, {7, "", 5}};
  for (const auto& step : steps) {
    ZTCursor* positions = nullptr;
    ASSERT_EQ(m_pIndex->BuildOccurrenceList(set, &scan, count, step.m_uDocument, &positions), 0);
    EXPECT_EQ(ztCursorText(positions), step.m_pcPositions) << step.m_uDocument;
    EXPECT_EQ(scan, step.m_uScan) << step.m_uDocument;
    ztRelease(positions);
  }
  set->Release();
  ASSERT_EQ(m_pIndex->ResolveLin("nothing", &set, 0, nullptr, nullptr), 0);
  ASSERT_EQ(set->GetCount(&count), 0);
  EXPECT_EQ(count, 0u);
  ZTIField* docId = nullptr;
  ASSERT_EQ(m_pIndex->GetDocIdField(&docId), 0);
  ZTCursor* ids = nullptr;
  EXPECT_EQ(set->ExtractCursor(docId, 0, 0, &ids), 0);
  ztRelease(ids);
  ztRelease(docId);
  set->Release();
}

}  // namespace
