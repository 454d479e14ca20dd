#include "frontends/wordlist/ZTWildCardWordList.h"

#include <gtest/gtest.h>

#include "core/ZTBinary.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordFilter.h"
#include "find/ztFieldByName.h"
#include "frontends/wordlist/tests/ztWordListFixture.h"

namespace {

const char* const kWildCards = "[WILDCARDS]\nSINGLEWILDCARD=0x3f\nMULTIPLEWILDCARD=0x2A\n";
const Texts kWords = {"action",  "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
                      "café",    "ch*t",
                      "chalet",  "chat",
                      "Château", "chut",
                      "nation",  "station"};

class WildCardTest : public ztWordListFixture<ZTWildCardWordList> {
 protected:
  Texts Wild(const char* word, bool simplified = false, ZTIRecordFilter* filter = nullptr) {
    return WildWith(simplified ? m_pSimplifier : nullptr, word, filter);
  }
  Texts WildWith(ztIStringSimplifier* simplifier, const char* word,
                 ZTIRecordFilter* filter = nullptr) {
    ZTCursor* cursor = nullptr;
    const int rc = m_pList->GetWildCardWords(simplifier, nullptr, word, filter, &cursor);
    return TextsOf(rc, cursor);
  }
};

TEST_F(WildCardTest, PatternsWithAFixedBeginningEndingOrNone) {
  Open(ztPlainWords(kWords), false, kWildCards);
  const struct {
    const char* m_pcWord;
    bool m_bSimplified;
    Texts m_expected;
  } cases[] = {
      {"chat", false, {"chat"}},
      {"ch?t", false, {"ch*t", "chat", "chut"}},
      {"ch*t", false, {"ch*t", "chalet", "chat", "chut"}},
      {"*tion", false, {"action", "nation", "station"}},
      {"?ation", false, {"nation"}},
      {"*a*",
       false,
       {"action", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "café", "chalet", "chat", "Château",
        "nation", "station"}},
      {"**", false, kWords},
      {"*?", false, kWords},
      {"caf?", false, {"café"}},  // one wildcard, one character of two bytes
      {"*f?", false, {"café"}},
      {"*a*a*a*a*a*a*a*a*a*a*a*a*b", false, {}},  // linear, however many wildcards
      {"Ch?T", true, {"ch*t", "chat", "chut"}},
      {"CHAT", true, {"chat"}},
      {"CH?TEAU", true, {"Château"}},
      {"ch?teau", true, {"Château"}},
      {"*EAU", true, {"Château"}},
      {"*T", true, {"ch*t", "chalet", "chat", "chut"}},
      {"C*T", true, {"ch*t", "chalet", "chat", "chut"}},
      {"*ÂT*", true, {"chat", "Château", "nation", "station"}},
      {"?A*", true, {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "café", "nation"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Wild(c.m_pcWord, c.m_bSimplified), c.m_expected) << c.m_pcWord;
    // With the list's own simplifier the simplified keys are filtered first: same words.
    if (c.m_bSimplified) {
      EXPECT_EQ(WildWith(OwnSimplifier(), c.m_pcWord), c.m_expected) << c.m_pcWord;
    }
  }
  ztTakeLog();
  EXPECT_EQ(Wild("*"), Texts({"rc=1"}));
  EXPECT_NE(ztTakeLog().find("[ZTWildCardWordList::GetWildCardWords] Invalid request contains "
                             "only a wildcard"),
            std::string::npos);
}

TEST_F(WildCardTest, UnconfiguredWildCardsAreOrdinaryCharacters) {
  Open(ztPlainWords(kWords), true);
  EXPECT_EQ(Wild("ch*t"), Texts({"ch*t"}));
  EXPECT_EQ(Wild("ch?t"), Texts());
}

TEST_F(WildCardTest, WildCardValuesMustBeHexadecimalCodePoints) {
  for (const char* value : {"3f", "0x", "0xzz", "0x3f!", "0x0", "0x80000000"}) {
    ZTWildCardWordList list;
    EXPECT_EQ(list.ConfigureItem("X", "SINGLEWILDCARD", value), 1) << value;
  }
  ZTWildCardWordList list;
  EXPECT_EQ(list.ConfigureItem("X", "MULTIPLEWILDCARD", "0x2026"), 0);
}

// Rejects the keys equal to its text.
class RejectFilter : public ZTIRecordFilter {
 public:
  explicit RejectFilter(const char* text) : m_text(text) {}
  int CheckRecord(ZTIRecord* record, int* pbKeep) override {
    ZTIField* field = nullptr;
    ZTBinary* value = nullptr;
    int rc = ztFieldByName(m_pRecordSet, "KEY", &field);
    if (rc == 0) rc = record->GetDataFieldValue(field, &value);
    if (rc == 0) *pbKeep = m_text != reinterpret_cast<const char*>(value->GetData());
    ztRelease(value);
    ztRelease(field);
    return rc;
  }

 private:
  std::string m_text;
};

TEST_F(WildCardTest, TheCallersFilterDecidesAboutMatchingKeys) {
  Open(ztPlainWords(kWords), true, kWildCards);
  RejectFilter* filter = new RejectFilter("chat");
  EXPECT_EQ(Wild("ch?t", false, filter), Texts({"ch*t", "chut"}));
  filter->Release();
}

TEST_F(WildCardTest, TheCallersFilterStillDecidesAfterTheSimplifiedKeys) {
  Open(ztPlainWords(kWords), false, kWildCards);
  RejectFilter* filter = new RejectFilter("chat");
  EXPECT_EQ(WildWith(OwnSimplifier(), "CH?T", filter), Texts({"ch*t", "chut"}));
  EXPECT_EQ(WildWith(OwnSimplifier(), "*?AT", filter), Texts());
  filter->Release();
}

}  // namespace
