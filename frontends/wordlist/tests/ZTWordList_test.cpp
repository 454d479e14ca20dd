#include "frontends/wordlist/ZTWordList.h"

#include <gtest/gtest.h>

#include <thread>

#include "core/ZTErrors.h"
#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecordFilter.h"
#include "find/ZTIRecordSet.h"
#include "frontends/wordlist/tests/ztWordListFixture.h"
#include "testing/ztCapturedLog.h"

namespace {

// Words in word-table order: results come back in that order.
const Texts kWords = {"abc",  "abcde",   "abd",  "action", "bank",    "bank", "chalet",
                      "chat", "Château", "chut", "nation", "station", "zèbre"};

typedef ztWordListFixture<ZTWordList> WordListTest;

struct SearchCase {
  int m_iMode;
  int m_bExact;
  const char* m_pcKey;
  Texts m_expected;
};

TEST_F(WordListTest, EverySearchModeOverExactAndSimplifiedTables) {
  Open(ztPlainWords(kWords));
  const SearchCase cases[] = {
      {1, 1, "chat", {"chat"}},
      {1, 1, "chateau", {}},
      {1, 1, "bank", {"bank", "bank"}},  // homographs: every record of the key
      {2, 1, "ab", {"abc", "abcde", "abd"}},
      {2, 1, "abc", {"abc", "abcde"}},
      {2, 1, "ba", {"bank", "bank"}},
      {2, 1, "zz", {}},
      {3, 1, "tion", {"action", "nation", "station"}},
      {3, 1, "au", {"Château"}},
      {3, 1, "k", {"bank", "bank"}},
      // The simplified tables are searched with keys already simplified.
      {1, 0, "chateau", {"Château"}},
      {1, 0, "zebre", {"zèbre"}},
      {1, 0, "Zebre", {}},
      {2, 0, "ch", {"chalet", "chat", "Château", "chut"}},
      {2, 0, "chat", {"chat", "Château"}},
      {3, 0, "eau", {"Château"}},
      {3, 0, "bre", {"zèbre"}},
  };
  for (const SearchCase& c : cases) {
    EXPECT_EQ(Find(c.m_iMode, c.m_bExact, c.m_pcKey), c.m_expected)
        << "mode " << c.m_iMode << " exact " << c.m_bExact << " key " << c.m_pcKey;
  }
}

TEST_F(WordListTest, EmptyKeyReturnsEveryWordInEveryMode) {
  Open(ztPlainWords(kWords));
  for (int mode = 2; mode <= 3; ++mode) {
    EXPECT_EQ(Find(mode, 0, ""), kWords);
    EXPECT_EQ(Find(mode, 1, nullptr), kWords);
  }
  EXPECT_EQ(Find(1, 1, ""), Texts());
}

TEST_F(WordListTest, PrefixesEndingInByteFFStayInTheirRange) {
  Open(ztPlainWords({"x\xff", "x\xff\xff",
                     "x\xff"
                     "a",
                     "y", "\xff\xff", "\xff\xff\xff"}),
       true);
  EXPECT_EQ(Find(2, 1, "x\xff"), Texts({"x\xff", "x\xff\xff",
                                        "x\xff"
                                        "a"}));
  EXPECT_EQ(Find(2, 1, "x\xff\xff"), Texts({"x\xff\xff"}));
  // A prefix of 0xFF bytes only has no upper bound: its range runs to the table's end.
  EXPECT_EQ(Find(2, 1, "\xff\xff"), Texts({"\xff\xff", "\xff\xff\xff"}));
  EXPECT_EQ(Find(3, 1, "\xff"), Texts({"x\xff", "x\xff\xff", "\xff\xff", "\xff\xff\xff"}));
}

TEST_F(WordListTest, LinksFollowNumberAndLinkFieldsWithAndWithoutMerge) {
  std::vector<ZTBuilderWord> words = ztPlainWords({"colour", "color", "grey", "gray", "tint"});
  words[0].m_iSee = 1;           // colour -> color
  words[2].m_variants = {3, 4};  // grey -> gray, tint
  Open(words, true);
  EXPECT_EQ(Find(1, 1, "colour", "SEE,,1"), Texts({"colour", "color"}));
  EXPECT_EQ(Find(1, 1, "colour", "SEE,,"), Texts({"color"}));
  EXPECT_EQ(Find(1, 1, "grey", "VARIANTS,WORDNO,"), Texts({"gray", "tint"}));
  EXPECT_EQ(Find(1, 1, "grey", "VARIANTS,WORDNO,m"), Texts({"grey", "gray", "tint"}));
  EXPECT_EQ(Find(2, 1, "gr", "VARIANTS,WORDNO,|SEE,,1"), Texts({"gray", "tint"}));
  ztTakeLog();
  EXPECT_EQ(Find(1, 1, "grey", "SEE,,1|VARIANTS"), Texts({"rc=1"}));
  EXPECT_NE(ztTakeLog().find("[ZTWordList::ResolveLinks] Invalid link field 'SEE,,1|VARIANTS'"),
            std::string::npos);
  EXPECT_NE(Find(1, 1, "grey", "NOSUCHFIELD,,"), Texts({"grey"}));
}

TEST_F(WordListTest, BadModesAndMissingTablesFailWithTheirMessages) {
  Open(ztPlainWords(kWords), true);
  ztTakeLog();
  EXPECT_EQ(Find(4, 1, "a"), Texts({"rc=1"}));
  EXPECT_NE(ztTakeLog().find("[ZTWordList::GetWords] Invalid arguments"), std::string::npos);
  EXPECT_EQ(Find(1, 0, "a"), Texts({"rc=10"}));
  EXPECT_NE(ztTakeLog().find("[ZTWordList::GetWords] CapLookup table is missing"),
            std::string::npos);
  EXPECT_EQ(Find(3, 0, "a"), Texts({"rc=10"}));
  EXPECT_NE(ztTakeLog().find("[ZTWordList::GetWords] RevCapLookup table is missing"),
            std::string::npos);

  ZTWordList empty;
  ZTCursor* cursor = nullptr;
  EXPECT_EQ(empty.GetWords(1, 1, nullptr, nullptr, "a", &cursor), 10);
  EXPECT_NE(ztTakeLog().find("[ZTWordList::GetWords] Word table is missing"), std::string::npos);
  EXPECT_EQ(empty.SetWordRecordSet(m_pWords), 0);
  EXPECT_EQ(empty.GetWords(3, 1, nullptr, nullptr, "a", &cursor), 10);
  EXPECT_NE(ztTakeLog().find("[ZTWordList::GetWords] RevLookup table is missing"),
            std::string::npos);
  EXPECT_EQ(empty.GetWords(2, 1, nullptr, nullptr, "a", &cursor), 10);
  EXPECT_NE(ztTakeLog().find("[ZTWordList::GetWords] Lookup table is missing"), std::string::npos);
  EXPECT_EQ(cursor, nullptr);
}

// Keeps every record, asking the list to stop from another thread on the first one.
class InterruptingFilter : public ZTIRecordFilter {
 public:
  explicit InterruptingFilter(ZTWordList* list) : m_pList(list) {}
  int CheckRecord(ZTIRecord*, int* pbKeep) override {
    std::thread([this] { m_pList->Interrupt(); }).join();
    *pbKeep = 1;
    return 0;
  }

 private:
  ZTWordList* m_pList;
};

TEST_F(WordListTest, InterruptFromAnotherThreadStopsTheSearchWith19) {
  Open(ztPlainWords(kWords), true);
  InterruptingFilter* filter = new InterruptingFilter(m_pList);
  EXPECT_EQ(Find(2, 1, "", nullptr, filter), Texts({"rc=19"}));
  filter->Release();
  // The flag is cleared: the next search runs.
  EXPECT_EQ(Find(1, 1, "chat"), Texts({"chat"}));
}

TEST_F(WordListTest, ConfigurationLinesAreCheckedInOrder) {
  ZTWordListBuilder builder;
  builder.AddWord({"a", -1, {}});
  std::string base;
  ASSERT_EQ(builder.Write(m_dir.path(), &base), 0);
  const std::string lookup = "RSURL=native:" + m_dir.File("lookup") + "\n";
  const struct {
    const char* m_pcText;
    int m_iCode;
  } cases[] = {
      {"[LOOKUPTABLE]\nFIELD=WORDNO\n", 1},
      {"[LOOKUPTABLE]\nTEXTTOKENFIELD=KEY\n", 1},
      {"[REVLOOKUPTABLE]\nFIELD=LOOKUPNO\n", 1},
      {"[CAPLOOKUPTABLE]\nSUBFIELD=X\n", 1},
      {"[LOOKUPTABLE]\nCOLOUR=1\n", 14},
      {"[ELSEWHERE]\nRSURL=x\n", 14},
      {"[WORDTABLE]\nRSURL=native:/no/such/table\n", -1},
  };
  for (const auto& c : cases) {
    ZTWordList list;
    const std::string path = m_dir.Write("bad.cfg", c.m_pcText);
    const int rc = list.SetFileName(path.c_str(), nullptr);
    if (c.m_iCode < 0) {
      EXPECT_NE(rc, 0) << c.m_pcText;
    } else {
      EXPECT_EQ(rc, c.m_iCode) << c.m_pcText;
    }
  }
  // The lookup table alone also becomes the word table; a number field ignores SUBFIELD.
  ZTWordList list;
  const std::string path =
      m_dir.Write("lookup.cfg",
                  "[LOOKUPTABLE]\n" + lookup + "FIELD=WORDNO\nSUBFIELD=ANY\nTEXTTOKENFIELD=KEY\n");
  ASSERT_EQ(list.SetFileName(path.c_str(), nullptr), 0) << ztTakeLog();
  ZTIRecordSet* words = nullptr;
  ZTIRecordSet* set = nullptr;
  EXPECT_EQ(list.GetWordRecordSet(&words), 0);
  EXPECT_EQ(list.GetLookupRecordSet(&set, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(words, set);
  ztRelease(words);
  ztRelease(set);
}

TEST_F(WordListTest, SettersRefuseMissingArguments) {
  ZTWordList list;
  EXPECT_EQ(list.SetWordRecordSet(nullptr), 10);
  EXPECT_EQ(list.GetWordRecordSet(nullptr), 101);
  EXPECT_EQ(list.SetLookupRecordSet(nullptr, nullptr, nullptr, nullptr), 10);
  EXPECT_EQ(list.SetRevLookupRecordSet(nullptr, nullptr), 10);
  EXPECT_EQ(list.SetCapLookupRecordSet(nullptr, nullptr, nullptr), 10);
  EXPECT_EQ(list.SetRevCapLookupRecordSet(nullptr, nullptr), 10);
  ZTIRecordSet* set = nullptr;
  ZTIField* field = nullptr;
  EXPECT_EQ(list.GetRevCapLookupRecordSet(&set, &field), 0);
  EXPECT_EQ(set, nullptr);
  EXPECT_EQ(field, nullptr);
}

}  // namespace
