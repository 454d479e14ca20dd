#include "core/ztTokenize.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/ZTErrors.h"
#include "core/ZTIntegerList.h"
#include "core/ZTStringList.h"
#include "core/ztUTF8.h"

namespace {

// The code points of a UTF-8 text, with the final 0.
std::vector<PRUint32> U(const char* text) {
  PRUint32* ucs4 = nullptr;
  const PRUint32 count = UTF8ToNewUCS4(&ucs4, text);
  std::vector<PRUint32> out(ucs4, ucs4 + count + 1);
  UCS4Free(ucs4);
  return out;
}

struct Case {
  const char* text;
  PRUint32 end;
  PRUint32 expected;
};

class ztTokenizeTest : public testing::Test {
 protected:
  ~ztTokenizeTest() override { m_pTokenize->Release(); }

  void ExpectWordEnds(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      PRUint32 pos = 99;
      ASSERT_EQ(m_pTokenize->NextEndOfWord(U(c.text).data(), c.end, &pos), 0) << c.text;
      EXPECT_EQ(pos, c.expected) << c.text;
    }
  }
  void ExpectSpaceEnds(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      PRUint32 pos = 99;
      ASSERT_EQ(m_pTokenize->NextEndOfSpace(U(c.text).data(), c.end, &pos), 0) << c.text;
      EXPECT_EQ(pos, c.expected) << c.text;
    }
  }

  ztTokenize* m_pTokenize = new ztTokenize();
};

TEST_F(ztTokenizeTest, DefaultListsAndElidedForms) {
  ASSERT_EQ(m_pTokenize->Init(nullptr, nullptr, nullptr, PR_FALSE), 0);
  ExpectSpaceEnds({{"  ,; word", 0, 5},
                   {"\xC2\xA0\t\n-x", 0, 4},
                   {" 'x", 0, 2},  // a joiner that is no exception word is space
                   {"   x", 2, 2},
                   {"  ", 0, 2},
                   {"word", 0, 0}});
  ExpectWordEnds({{"word,", 0, 4},
                  {"l'avion", 0, 1},
                  {"l'", 0, 1},
                  {"l''avion", 0, 1},
                  {"aujourd'hui est", 0, 11},
                  {"AUJOURD'HUI", 0, 11},  // exception words match without regard to case
                  {"aujourd'hui'x", 0, 11},
                  {"rock'n'roll", 0, 4},
                  {"abcdef", 3, 3},
                  {"a&amp;b", 0, 5},  // without the entities flag ';' is a separator
                  {"", 0, 0}});
}

TEST_F(ztTokenizeTest, Entities) {
  ZTStringList* none = new ZTStringList();
  ASSERT_EQ(m_pTokenize->Init(nullptr, nullptr, none, PR_TRUE), 0);
  none->Release();
  ExpectWordEnds({{"a&amp;b c", 0, 7}, {"a&nbsp;b", 0, 1}, {"a&b c", 0, 3}});
  ExpectSpaceEnds({{"&nbsp;x", 0, 6}, {" &nbsp; &nbsp;x", 0, 14}, {" &amp;x", 0, 1}});
}

TEST_F(ztTokenizeTest, EntitiesWithExceptionWords) {
  ASSERT_EQ(m_pTokenize->Init(nullptr, nullptr, nullptr, PR_TRUE), 0);
  ExpectSpaceEnds({{"&nbsp;x", 0, 6}, {" '&nbsp;x", 0, 8}, {"&amp;x", 0, 0}});
}

TEST_F(ztTokenizeTest, JoinerRunsThatAreExceptionWordsBeginTheWord) {
  ZTStringList* exceptions = new ZTStringList();
  ASSERT_EQ(exceptions->SetListWithOneWord("''"), 0);
  ASSERT_EQ(m_pTokenize->Init(nullptr, nullptr, exceptions, PR_FALSE), 0);
  exceptions->Release();
  ExpectSpaceEnds({{" ''x", 0, 1}, {" 'x", 0, 2}, {" '' x", 0, 1}, {" ''", 0, 1}, {" ' ", 0, 3}});
}

TEST_F(ztTokenizeTest, CallersLists) {
  ZTIntegerList* separators = new ZTIntegerList();
  ZTIntegerList* joiners = new ZTIntegerList();
  ASSERT_EQ(separators->SetListFromUTF8String("|"), 0);
  ASSERT_EQ(joiners->SetListFromUTF8String("-"), 0);
  ASSERT_EQ(m_pTokenize->Init(separators, joiners, nullptr, PR_FALSE), 0);
  separators->Release();
  joiners->Release();
  ExpectWordEnds({{"a b|c", 0, 3}, {"e-mail|x", 0, 1}, {"it's|x", 0, 4}});
  ExpectSpaceEnds({{"|-|x", 0, 3}, {", x", 0, 0}});
}

TEST_F(ztTokenizeTest, CheckIfEntity) {
  struct EntityCase {
    const char* text;
    int found;
    PRUint32 pos;
    PRBool nbsp;
  } cases[] = {
      {"&nbsp;", 1, 5, PR_TRUE},    {"&amp;", 1, 4, PR_FALSE},     {"&NBSP;", 1, 5, PR_FALSE},
      {"p;", 1, 1, PR_FALSE},  // nothing before the text is read
      {"&abcdef;", 1, 7, PR_FALSE}, {"&abcdefg;", 0, 0, PR_FALSE}, {"&nbsp", 0, 0, PR_FALSE},
  };
  for (const EntityCase& c : cases) {
    const std::vector<PRUint32> text = U(c.text);
    PRBool nbsp = 7;
    PRUint32 pos = 0;
    EXPECT_EQ(m_pTokenize->CheckIfEntity(text.data(), 0, 0, &nbsp, &pos), c.found) << c.text;
    EXPECT_EQ(nbsp, c.nbsp) << c.text;
    if (c.found) {
      EXPECT_EQ(pos, c.pos) << c.text;
    }
  }
  const std::vector<PRUint32> text = U("&nbsp;");
  PRBool nbsp = PR_FALSE;
  PRUint32 pos = 0;
  EXPECT_EQ(m_pTokenize->CheckIfEntity(text.data(), 0, 4, &nbsp, &pos), 0);  // end before ';'
}

TEST_F(ztTokenizeTest, RefusesToScanBeforeInit) {
  const std::vector<PRUint32> text = U("word");
  PRUint32 pos = 0;
  EXPECT_EQ(m_pTokenize->NextEndOfWord(text.data(), 0, &pos), ZT_E_STATE);
  EXPECT_EQ(m_pTokenize->NextEndOfSpace(text.data(), 0, &pos), ZT_E_STATE);
  ASSERT_EQ(m_pTokenize->Init(nullptr, nullptr, nullptr, PR_FALSE), 0);
  EXPECT_EQ(m_pTokenize->NextEndOfWord(nullptr, 0, &pos), ZT_E_INVALID);
  EXPECT_EQ(m_pTokenize->NextEndOfSpace(text.data(), 0, nullptr), ZT_E_INVALID);
}

TEST_F(ztTokenizeTest, ListErrorsArePassedOn) {
  ZTIntegerList* unset = new ZTIntegerList();  // never filled: it cannot answer
  ASSERT_EQ(m_pTokenize->Init(unset, nullptr, nullptr, PR_FALSE), 0);
  unset->Release();
  const std::vector<PRUint32> text = U("word");
  PRUint32 pos = 0;
  EXPECT_EQ(m_pTokenize->NextEndOfWord(text.data(), 0, &pos), ZT_E_FAILED);
  EXPECT_EQ(m_pTokenize->NextEndOfSpace(text.data(), 0, &pos), ZT_E_FAILED);
}

}  // namespace
