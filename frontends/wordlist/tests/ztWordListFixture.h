// The fixture of the word-list tests: a list of the given class opened on tables written into
// the test's temporary directory.
#ifndef FRONTENDS_WORDLIST_TESTS_ZTWORDLISTFIXTURE_H_
#define FRONTENDS_WORDLIST_TESTS_ZTWORDLISTFIXTURE_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecordSet.h"
#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/tests/ztWordListTestTables.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

typedef std::vector<std::string> Texts;

template <class List>
class ztWordListFixture : public ::testing::Test {
 protected:
  void SetUp() override { ztTakeLog(); }
  void TearDown() override {
    ztRelease(m_pList);
    ztRelease(m_pWords);
    ztRelease(m_pSimplifier);
    ztRelease(m_pOwnSimplifier);
  }

  // Writes the tables (simplified ones too unless exactOnly) and opens the list on them.
  void Open(const std::vector<ZTBuilderWord>& words, bool exactOnly = false,
            const std::string& extra = "") {
    if (!exactOnly) m_pSimplifier = ztCreateSimplifier(ZTWordList::kDefaultSimplifierURL);
    ASSERT_TRUE(exactOnly || m_pSimplifier);
    ZTWordListBuilder builder;
    for (const ZTBuilderWord& word : words) builder.AddWord(word);
    builder.SetSimplifier(m_pSimplifier);
    builder.AddConfiguration(extra);
    std::string config;
    ASSERT_EQ(builder.Write(m_dir.path(), &config), 0) << ztTakeLog();
    m_pList = new List();
    ASSERT_EQ(m_pList->SetFileName(config.c_str(), nullptr), 0) << ztTakeLog();
    ASSERT_EQ(m_pList->GetWordRecordSet(&m_pWords), 0);
  }

  // The words found, or {"rc=<code>"} when the search fails.
  Texts Find(int mode, int exact, const char* key, const char* links = nullptr,
             ZTIRecordFilter* filter = nullptr) {
    ZTCursor* cursor = nullptr;
    const int rc = m_pList->GetWords(mode, exact, filter, links, key, &cursor);
    return TextsOf(rc, cursor);
  }

  // The simplifier of the list's own tables (held by the fixture): given to a pattern search,
  // it lets the list check the pattern against the simplified tables' keys first.
  ztIStringSimplifier* OwnSimplifier() {
    if (!m_pOwnSimplifier) {
      EXPECT_EQ(m_pList->GetSimplifier(&m_pOwnSimplifier), 0);
    }
    return m_pOwnSimplifier;
  }

  // The words of a search's cursor (released), or {"rc=<code>"} for its failure.
  Texts TextsOf(int rc, ZTCursor* cursor) {
    if (rc) return {"rc=" + std::to_string(rc)};
    Texts texts = ztWordTexts(m_pWords, cursor);
    ztRelease(cursor);
    return texts;
  }

  ztTempDir m_dir;
  ztIStringSimplifier* m_pSimplifier = nullptr;
  ztIStringSimplifier* m_pOwnSimplifier = nullptr;
  List* m_pList = nullptr;
  ZTIRecordSet* m_pWords = nullptr;
};

#endif  // FRONTENDS_WORDLIST_TESTS_ZTWORDLISTFIXTURE_H_
