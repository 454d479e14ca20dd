// Results: the positions to highlight in each document, scoring, the title-level filter, and
// highlighting a stored article end to end.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "find/ZTCursorScorer.h"
#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"
#include "frontends/index/ZTPertinenceScorer.h"
#include "frontends/index/ZTRecordFilterHtml.h"
#include "frontends/index/tests/ztIndexFixture.h"
#include "modules/hiliter/ZTHiliter.h"
#include "tools/writer/ZTFileSystemBuilder.h"

namespace {

// Each case runs on data read as stored and on data sorted at each query.
class ZTIndexResultTest : public ztIndexFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    ztIndexFixture::SetUp();
    ReadAsPresorted(GetParam());
  }

  // Each document's highlight positions for query, as "doc:positions" joined by "; ".
  std::string HiliteAll(const char* query, const std::vector<PRUint32>& documents) {
    ZTIndexResult* result = Result(query);
    if (!result) return "no result";
    std::string text;
    for (PRUint32 d : documents) {
      text += (text.empty() ? "" : "; ") + std::to_string(d) + ":" + Hilite(result, d);
    }
    result->Release();
    return text;
  }

  // The documents of query by descending score, as "doc=score ...".
  std::string Scores(const char* query, ZTPertinenceScorer* scorer,
                     ZTIRecordFilter* filter = nullptr) {
    ZTIndexResult* result = Result(query, nullptr, filter);
    if (!result) return "no result";
    ZTCursor* documents = nullptr;
    ZTCursorScorer* scores = nullptr;
    ZTCursor* sorted = nullptr;
    const PRUint32* values = nullptr;
    std::string text;
    EXPECT_EQ(result->RunScorer(scorer), 0) << ztTakeLog();
    EXPECT_EQ(result->GetDocumentList(&documents), 0);
    EXPECT_EQ(scorer->GetCursorScorer(&scores), 0);
    if (scores && scores->SetUnsortedCursor(documents) == 0 && scores->GetCursor(1, &sorted) == 0 &&
        scores->GetSharedUnsignedScores(1, &values) == 0 && sorted->ComputeCursorForm() == 0) {
      for (PRUint32 i = 0; i < sorted->GetCount(); ++i) {
        text += (i ? " " : "") + std::to_string(sorted->GetArray()[i]) + "=" +
                std::to_string(values[i]);
      }
    }
    ztRelease(sorted);
    ztRelease(scores);
    ztRelease(documents);
    result->Release();
    return text;
  }
};

TEST_P(ZTIndexResultTest, HilitePositionsForEachDocument) {
  ztIndexOptions options;
  options.m_stopWords = {"the", "of"};
  Open({ztBody(1, "the cat sat on the mat"), ztBody(2, "a dog and a cat"),
        ztBody(3, "dog eat dog world cat"), ztBody(4, "the art of war"),
        ztBody(7, "cat w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 dog")},
       options);
  EXPECT_EQ(HiliteAll("cat or mat", {1, 2, 4}), "1:1 5; 2:4; 4:");
  EXPECT_EQ(HiliteAll("cat near dog", {2, 3, 7}), "2:1 4; 3:0 2 4; 7:");
  EXPECT_EQ(HiliteAll("cat not dog", {1, 3}), "1:1; 3:4");
  EXPECT_EQ(HiliteAll("\"dog eat dog\"", {3, 2}), "3:0 1 2; 2:");
  EXPECT_EQ(HiliteAll("\"the art of war\"", {4}), "4:1 3");
  EXPECT_EQ(HiliteAll("cat near the dog", {2}), "2:1 4");
  // Thirteen forms of w*, pooled per document.
  EXPECT_EQ(HiliteAll("w* before dog", {7, 3}), "7:2 3 4 5 6 7 8 9 10 11 12; 3:0 2 3");
  ZTIndexResult* empty = new ZTIndexResult();
  EXPECT_EQ(Hilite(empty, 1), "rc=10");
  ZTCursor* none = nullptr;
  EXPECT_EQ(empty->GetDocumentList(&none), 0);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(empty->RunScorer(nullptr), 1);
  empty->Release();
}

std::vector<ztTestDocument> ScoredCorpus() {
  return {
      {1, {{"cat", 1}, {"a cat", 2}}},  // headword and body: 100 + 20
      ztBody(2, "cat cat cat"),         // 3 x 20
      {3, {{"cat", 1 << 2}}},           // a level-1 title: 10
      {4, {{"cat", 0}}},                // no weighed bit
      ztBody(5, "dog"),
  };
}

TEST_P(ZTIndexResultTest, PertinenceScoresRankHeadwordsAboveBodyText) {
  Open(ScoredCorpus());
  ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
  EXPECT_EQ(Scores("cat", scorer), "1=120 2=60 3=10 4=0");
  EXPECT_EQ(Scores("dog or cat", scorer), "1=120 2=60 5=20 3=10 4=0");
  EXPECT_EQ(Scores("cat not dog", scorer), "1=120 2=60 3=10 4=0");
  const unsigned ones[ZTPertinenceScorer::kBits] = {1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(scorer->SetElementaryScores(ones), 0);
  EXPECT_EQ(Scores("cat", scorer), "2=3 1=2 3=1 4=0");
  scorer->Release();
}

// Only the records of the result's documents count, with the rank of their document, however
// many records of other documents lie between them.
TEST_P(ZTIndexResultTest, ScoresOfAnIntersectionSkipTheOtherDocuments) {
  std::vector<ztTestDocument> docs;
  for (PRUint32 id = 1; id <= 40; ++id) {
    docs.push_back(id % 10 == 3 ? ztTestDocument{id, {{"cat dog", 1}, {"cat", 2}}}
                                : ztBody(id, id % 7 == 0 ? "dog" : "cat"));
  }
  Open(docs);
  ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
  EXPECT_EQ(Scores("cat dog", scorer), "3=220 13=220 23=220 33=220");
  EXPECT_EQ(Scores("dog cat", scorer), "3=220 13=220 23=220 33=220");
  scorer->Release();
}

TEST_P(ZTIndexResultTest, WithoutPositionsEachRecordCountsOnce) {
  ztIndexOptions options;
  options.m_bPositions = false;
  Open(ScoredCorpus(), options);
  ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
  EXPECT_EQ(Scores("cat", scorer), "1=120 2=20 3=10 4=0");
  scorer->Release();
}

TEST_P(ZTIndexResultTest, TitleLevelFilterRestrictsTheSearch) {
  Open({{1, {{"cat", 1}}},
        {2, {{"cat", 2}}},
        {3, {{"cat", 1 << 2}}},
        {4, {{"cat", 3 << 2}}},
        {5, {{"cat dog", 2 << 2}}}});
  ZTRecordFilterHtml* filter = new ZTRecordFilterHtml();
  ASSERT_EQ(filter->SetStructureFieldName("STRUCT"), 0);
  EXPECT_EQ(Search("cat", 0, nullptr, filter), "1 2 3 4 5");
  filter->SetCheckMainTitle(0);
  filter->SetCheckTitleLevel(2);
  EXPECT_EQ(Search("cat", 0, nullptr, filter), "3 5");
  EXPECT_EQ(Search("cat dog", 0, nullptr, filter), "5");
  filter->SetCheckMainTitle(1);
  filter->SetCheckTitleLevel(0);
  EXPECT_EQ(Search("cat", 0, nullptr, filter), "1 2");
  ASSERT_EQ(filter->SetStructureFieldName("NOSUCHFIELD"), 0);
  EXPECT_NE(Search("cat", 0, nullptr, filter).substr(0, 3), "1 2");
  filter->Release();
  ZTRecordFilterHtml* unnamed = new ZTRecordFilterHtml();
  EXPECT_EQ(Search("cat", 0, nullptr, unnamed), "rc=10");
  EXPECT_EQ(unnamed->SetStructureFieldName(nullptr), 1);
  unnamed->Release();
}

// The articles are stored in a file system whose file record numbers are the documents; the
// hiliter, given the index's positions, marks exactly the query's words in the stored text.
TEST_P(ZTIndexResultTest, HilitePositionsAgreeWithTheHiliterOnStoredArticles) {
  const std::vector<std::string> articles = {
      "<h1>Cat</h1><p>The <i>cat</i> sat, l'eau &amp; aujourd'hui.</p>",
      "<p>A dog chases a cat&nbsp;quickly.</p>",
      "<p>No match here.</p>",
  };
  ZTIndexBuilder index;
  ZTFileSystemBuilder files;
  ZTBuilderDirectory root;
  for (PRUint32 i = 0; i < articles.size(); ++i) {
    ZTBuilderFile file;
    file.m_name = "a" + std::to_string(i) + ".html";
    ASSERT_EQ(index.AddDocument(i, {{articles[i], 2}}, &file.m_content), 0) << ztTakeLog();
    files.AddFile(file);
    root.m_files.push_back(i);
  }
  files.AddDirectory(root);
  const std::string fsDir = m_dir.path() + "/fs";
  ASSERT_EQ(mkdir(fsDir.c_str(), 0700), 0);
  std::string fsConfig;
  ASSERT_EQ(files.Write(fsDir, &fsConfig), 0) << ztTakeLog();
  ASSERT_EQ(index.Write(m_dir.path(), &m_config), 0) << ztTakeLog();
  m_pIndex = new ZTIndex();
  ASSERT_EQ(m_pIndex->SetFileName(m_config.c_str(), nullptr), 0) << ztTakeLog();
  ZTFileSystem* fs = new ZTFileSystem();
  ASSERT_EQ(fs->SetFileName(fsConfig.c_str(), nullptr), 0) << ztTakeLog();

  const struct {
    const char* m_pcQuery;
    const char* m_pcExpected;  // the highlighted articles, joined by " | "
  } cases[] = {
      {"cat or Cat",
       "<h1>[Cat]</h1><p>The <i>[cat]</i> sat, l'eau &amp; aujourd'hui.</p> | <p>A dog chases a "
       "[cat]&nbsp;quickly.</p>"},
      {"eau or aujourd'hui", "<h1>Cat</h1><p>The <i>cat</i> sat, l'[eau] &amp; [aujourd'hui].</p>"},
      {"\"chases a cat\"", "<p>A dog [chases] [a] [cat]&nbsp;quickly.</p>"},
  };
  for (const auto& c : cases) {
    ZTIndexResult* result = Result(c.m_pcQuery);
    ASSERT_TRUE(result);
    ZTCursor* documents = nullptr;
    ASSERT_EQ(result->GetDocumentList(&documents), 0);
    std::string shown;
    for (PRUint32 i = 0; i < documents->GetCount(); ++i) {
      ZTFSFile* file = nullptr;
      ZTBinary* data = nullptr;
      ZTCursor* positions = nullptr;
      ASSERT_EQ(fs->GetFile(documents->GetArray()[i], &file), 0) << ztTakeLog();
      ASSERT_EQ(file->GetData(&data), 0) << ztTakeLog();
      ASSERT_EQ(result->GetHiliteInfo(documents->GetArray()[i], &positions), 0);
      std::string stored(reinterpret_cast<const char*>(data->GetData()), data->GetLength());
      if (!stored.empty() && stored.back() == '\0') stored.pop_back();
      ZTHiliter hiliter;
      ASSERT_EQ(hiliter.SetStartStrings("<?ZT W?>", "[", -1), 0);
      ASSERT_EQ(hiliter.SetStopStrings("<?ZT /W?>", "]", -1), 0);
      ASSERT_EQ(hiliter.SetValues(positions->GetArray(), positions->GetCount()), 0);
      ASSERT_EQ(hiliter.FilterData(stored.c_str(), stored.size() + 1), 0) << c.m_pcQuery;
      shown += (i ? " | " : "") + std::string(reinterpret_cast<const char*>(hiliter.GetData()));
      ztRelease(positions);
      ztRelease(data);
      ztRelease(file);
    }
    EXPECT_EQ(shown, c.m_pcExpected) << c.m_pcQuery;
    ztRelease(documents);
    result->Release();
  }
  fs->Release();
}

INSTANTIATE_TEST_SUITE_P(SortedAndPresorted, ZTIndexResultTest, ::testing::Bool());

}  // namespace
