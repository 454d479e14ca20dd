// Query evaluation over a real index: operators, left-to-right evaluation, phrases, proximity,
// stop words, separators and wildcards.
#include <string>
#include <tuple>
#include <vector>

#include "frontends/index/tests/ztIndexFixture.h"

namespace {

// Positions are word ordinals: in document 7 dog lies 12 words after cat, in document 8 cat 10
// words after dog.
std::vector<ztTestDocument> Corpus() {
  return {
      ztBody(1, "the cat sat on the mat"),
      ztBody(2, "a dog and a cat"),
      ztBody(3, "dog eat dog world"),
      ztBody(4, "the art of war"),
      ztBody(5, "war and peace"),
      ztBody(6, "l'eau aujourd'hui or later"),
      ztBody(7, "cat w1 w2 w3 w4 w5 w6 w7 w8 w9 w10 w11 dog"),
      ztBody(8, "dog w1 w2 w3 w4 w5 w6 w7 w8 w9 cat"),
      ztBody(9, "Café noir"),
      ztBody(10, "cat chases dog"),
      ztBody(11, "war peace treaty"),
      ztBody(12, "CAFE art"),
  };
}

struct Case {
  const char* m_pcQuery;
  const char* m_pcExpected;
};

// Each case runs on data read as stored (presorted: one set per word record, never merged) and
// on data sorted and merged at each query.
class IndexTokensTest : public ztIndexFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    ztIndexFixture::SetUp();
    ReadAsPresorted(GetParam());
    ztIndexOptions options;
    options.m_stopWords = {"the", "of"};
    Open(Corpus(), options);
  }

  void Check(const std::vector<Case>& cases, ztIStringSimplifier* simplifier = nullptr) {
    for (const Case& c : cases) {
      EXPECT_EQ(Search(c.m_pcQuery, 0, simplifier), c.m_pcExpected) << c.m_pcQuery;
    }
  }
};

TEST_P(IndexTokensTest, OperatorsCombineLeftToRight) {
  Check({
      {"cat", "1 2 7 8 10"},
      {"cat dog", "2 7 8 10"},
      {"cat and dog", "2 7 8 10"},
      {"cat AND dog", "2 7 8 10"},
      {"cat And dog", "2 7 8 10"},
      {"cat or war", "1 2 4 5 7 8 10 11"},
      {"cat not dog", "1"},
      {"not dog", ""},
      {"and cat", ""},
      {"cat and", "1 2 7 8 10"},
      // (war or cat) and dog, not war or (cat and dog).
      {"war or cat and dog", "2 7 8 10"},
      {"war or cat not dog", "1 4 5 11"},
      {"nothing", ""},
      {"cat or nothing", "1 2 7 8 10"},
  });
}

TEST_P(IndexTokensTest, OperatorWordAloneIsSearchedWithItsOperator) {
  // A lone "or" is a union with the empty start: the documents holding the word or; a lone
  // "and" an intersection with it: nothing, although documents 2 and 5 hold the word and.
  Check({{"or", "6"}, {"and", ""}, {"\"and\"", ""}, {"cat \"and\" dog", "2 7 8 10"}});
}

TEST_P(IndexTokensTest, ProximityAtAndAroundTheThreshold) {
  Check({
      {"cat near dog", "2 8 10"},
      {"dog near cat", "2 8 10"},
      {"cat before dog", "10"},
      {"dog before cat", "2 8"},
      // Only the word on the left of the operator counts: (war or cat) and dog, cat near dog.
      {"war or cat near dog", "2 8 10"},
      {"near cat", "rc=10"},
  });
  m_pIndex->SetNearThreshold(9);
  Check({{"cat near dog", "2 10"}});
  m_pIndex->SetNearThreshold(12);
  Check({{"cat near dog", "2 7 8 10"}});
}

TEST_P(IndexTokensTest, StopWordsPassTheirOperatorOn) {
  Check({
      {"the", ""},
      {"the cat", "1 2 7 8 10"},
      {"war or the cat", "1 2 4 5 7 8 10 11"},
      {"dog not the cat", "3"},
      // The proximity test reads the nearest word that has occurrences: cat.
      {"cat near the dog", "2 8 10"},
      {"cat before the dog", "10"},
      {"\"cat chases\" near the dog", "10"},
  });
}

TEST_P(IndexTokensTest, PhrasesAreEvaluatedFromTheirPositions) {
  Check({
      {"\"cat sat\"", "1"},
      {"\"sat cat\"", ""},
      {"\"cat chases dog\"", "10"},
      // The operator inside quotes is not a phrase word: the phrase is war, peace.
      {"\"war and peace\"", "11"},
      // Stop words leave gaps that up to as many words may fill.
      {"\"the art of war\"", "4"},
      {"\"art war\"", ""},
      {"\"the of\"", ""},
      {"\"the of\" or cat", "1 2 7 8 10"},
      {"\"cat\"", "1 2 7 8 10"},
      {"\"dog eat dog\" or \"war peace\"", "3 11"},
      // Each word must follow a position of the word before that is itself part of the
      // phrase so far, not just any position of it.
      {"\"eat dog world\"", "3"},
      {"\"eat dog eat\"", ""},
      {"\"cat sat mat\"", ""},
      {"\"cat sat", "rc=605"},
      {"cat\"", "rc=605"},
      {"\" , \"", "rc=1"},
  });
}

TEST_P(IndexTokensTest, SeparatorsAndExceptionWords) {
  Check({
      {"l'eau", "6"},
      {"eau", "6"},
      {"aujourd'hui", "6"},
      {"hui", ""},
      {"cat,dog", "2 7 8 10"},
      {"  ;; cat  ", "1 2 7 8 10"},
      {",;:", "rc=1"},
      {"", "rc=500"},
  });
}

TEST_P(IndexTokensTest, WildCardWords) {
  Check({{"ca*", "1 2 7 8 10"},
         {"*ar", "4 5 11"},
         {"d?g", "2 3 7 8 10"},
         {"c?t or p*", "1 2 5 7 8 10 11"}});
}

// w* matches thirteen word forms (w1 to w11, war, world): read as presorted, each form keeps
// its own set through document lists, proximity and phrases.
TEST_P(IndexTokensTest, WildCardsOfManyForms) {
  Check({{"w*", "3 4 5 7 8 11"},
         {"w* near peace", "5 11"},
         {"cat before w*", "7"},
         {"w* before cat", "8"},
         {"\"w9 cat\"", "8"},
         {"\"w* dog\"", "7"},
         {"\"cat w*\"", "7"}});
}

TEST_P(IndexTokensTest, SimplifiedWordsAndPhrases) {
  Check({{"cafe", ""}, {"CAFE", "12"}}, nullptr);
  Check({{"cafe", "9 12"}, {"caf*", "9 12"}, {"\"cafe noir\"", ""}}, m_pSimplifier);
  m_pIndex->SetPhraseApplySimplifier(1);
  Check({{"\"cafe noir\"", "9"}}, m_pSimplifier);
}

TEST_P(IndexTokensTest, LargeAndDegenerateQueriesStayBounded) {
  std::string many;
  for (int i = 0; i < 3000; ++i) many += i % 2 ? " or cat" : " dog";
  EXPECT_EQ(Search(many.c_str()), "1 2 3 7 8 10");
  std::string text;
  while (text.size() < 100000) text += "l'eau aujourd'hui ";
  EXPECT_EQ(Search(text.c_str()), "6");
  EXPECT_EQ(Search(std::string(20000, '\'').c_str()), "rc=1");
  EXPECT_EQ(Search(std::string(100000, 'a').c_str()), "");
  // The last operator word is searched with its operator: a proximity without a left side.
  EXPECT_EQ(Search("or and not near before"), "rc=10");
  EXPECT_EQ(Search("*"), "rc=1");
  EXPECT_EQ(Search("*e*"), "1 3 4 5 6 10 11");
  std::string phrase = "\"";
  for (int i = 0; i < 200; ++i) phrase += "cat ";
  EXPECT_EQ(Search((phrase + "\"").c_str()), "");
}

INSTANTIATE_TEST_SUITE_P(SortedAndPresorted, IndexTokensTest, ::testing::Bool());

TEST(IndexOperatorsTest, SetOperatorsReplacesTheWordsOfEveryIndex) {
  ztTakeLog();
  EXPECT_EQ(ZTIndex::SetOperators("ou(et(sauf(pres(avant"), 0);
  EXPECT_EQ(ztTakeLog(), "");
  EXPECT_EQ(ZTIndex::SetOperators("or(and"), 0);
  EXPECT_NE(ztTakeLog().find("[SetOperators] Expected 5 operators, got 2 instead"),
            std::string::npos);
  // A list longer than the operator buffer is cut, never overrun.
  EXPECT_EQ(ZTIndex::SetOperators(std::string(200, 'x').c_str()), 0);
}

class IndexOperatorWordsTest : public ztIndexFixture {};

TEST_F(IndexOperatorWordsTest, OtherOperatorWordsApplyToLaterQueries) {
  Open({ztBody(1, "cat dog"), ztBody(2, "cat"), ztBody(3, "or")});
  ZTIndex::SetOperators("ou(et(sauf(pres(avant");
  EXPECT_EQ(Search("cat sauf dog"), "2");
  EXPECT_EQ(Search("cat or"), "");
  ZTIndex::SetOperators(ZTIndex::kDefaultOperators);
  EXPECT_EQ(Search("cat or"), "1 2");
}

// Read as presorted or not, and with or without one document millions apart from the others.
class IndexDocumentNumbersTest : public ztIndexFixture,
                                 public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

// Documents far apart and on both sides of multiples of 32, each holding several forms of a
// word, come out each once and ascending, from four forms (merged) as from five.
TEST_P(IndexDocumentNumbersTest, WordFormsOfDocumentsFarApart) {
  ReadAsPresorted(std::get<0>(GetParam()));
  std::vector<ztTestDocument> docs = {ztBody(0, "tea team"), ztBody(31, "team tea teal"),
                                      ztBody(32, "teal"),    ztBody(33, "tea tea"),
                                      ztBody(63, "tear"),    ztBody(64, "team tear"),
                                      ztBody(65, "other"),   ztBody(1000, "teal tea tech")};
  const bool far = std::get<1>(GetParam());
  if (far) docs.push_back(ztBody(9000000, "tear tea"));
  Open(docs);
  const std::string tail = far ? " 9000000" : "";
  EXPECT_EQ(Search("te*"), "0 31 32 33 63 64 1000" + tail);
  EXPECT_EQ(Search("tea*"), "0 31 32 33 63 64 1000" + tail);
  EXPECT_EQ(Search("tea"), "0 31 33 1000" + tail);
  EXPECT_EQ(Search("tea* not team"), "32 33 63 1000" + tail);
}

INSTANTIATE_TEST_SUITE_P(SortedAndPresorted, IndexDocumentNumbersTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

class IndexWithoutPositionsTest : public ztIndexFixture {};

TEST_F(IndexWithoutPositionsTest, AnswersBooleanQueriesOnly) {
  ztIndexOptions options;
  options.m_bPositions = false;
  Open(Corpus(), options);
  EXPECT_EQ(Search("cat not dog"), "1");
  // Quotes are ordinary characters and proximity is intersection.
  EXPECT_EQ(Search("\"cat sat"), "1");
  EXPECT_EQ(Search("\"sat cat\""), "1");
  EXPECT_EQ(Search("cat near dog"), "2 7 8 10");
  ZTIndexResult* result = Result("cat");
  ASSERT_TRUE(result);
  EXPECT_EQ(Hilite(result, 1), "");
  result->Release();
}

}  // namespace
