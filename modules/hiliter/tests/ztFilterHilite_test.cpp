#include "modules/hiliter/ztFilterHilite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "testing/ztTempDir.h"

namespace {

std::string Text(ZTBinary* binary) {
  return std::string(reinterpret_cast<const char*>(binary->GetData()), binary->GetLength());
}

class ztFilterHiliteTest : public testing::Test {
 protected:
  ~ztFilterHiliteTest() override {
    ztRelease(m_pText);
    ztRelease(m_pPositions);
    ztRelease(m_pOut);
  }

  void Prepare(const std::string& text, bool withNul, const std::vector<PRUint32>& positions) {
    m_pText = ZTBinary::_CreateInstance(text.c_str(), text.size() + (withNul ? 1 : 0));
    ASSERT_EQ(ZTCursor::_CreateInstance(positions.size(), positions.data(), &m_pPositions), 0);
  }
  int Hilite(const char* start = "<b>", const char* stop = "</b>") {
    return ztFilterHilite(m_pText, m_pPositions, start, stop, &m_pOut);
  }

  ZTBinary* m_pText = nullptr;
  ZTCursor* m_pPositions = nullptr;
  ZTBinary* m_pOut = nullptr;
};

TEST_F(ztFilterHiliteTest, AnchorsAndMarksTheChosenWords) {
  Prepare("un <?ZT W?>chat<?ZT /W?> <?ZT W?>noir<?ZT /W?>", true, {1});
  ASSERT_EQ(Hilite(), 0);
  EXPECT_EQ(Text(m_pOut), std::string("un chat <a name=\"zthlt_1\"></a><b>noir</b>") + '\0');
}

TEST_F(ztFilterHiliteTest, StoredArticle) {
  const std::string article = ztReadFile(ZT_SOURCE_DIR "/modules/hiliter/tests/data/chat.html");
  ASSERT_FALSE(article.empty());
  Prepare(article, false, {0, 6, 7});  // stored without a final NUL
  ASSERT_EQ(Hilite("<span class=\"hit\">", "</span>"), 0);
  const std::string out = Text(m_pOut);
  EXPECT_EQ(out.find("<?ZT"), std::string::npos);
  EXPECT_NE(out.find("<h1><a name=\"zthlt_0\"></a><span class=\"hit\">Chat</span></h1>"),
            std::string::npos);
  EXPECT_NE(out.find("Un <a name=\"zthlt_6\"></a><span class=\"hit\">chat</span> "
                     "<a name=\"zthlt_7\"></a><span class=\"hit\">noir</span> &amp; blanc."),
            std::string::npos);
  EXPECT_NE(out.find("Mammifère carnivore (félidé), sauvage ou domestique."), std::string::npos);
  EXPECT_EQ(out.back(), '\0');
}

TEST_F(ztFilterHiliteTest, PositionsBeyondTheMarkersGiveNoText) {
  Prepare("<?ZT W?>a<?ZT /W?>", true, {0, 5});
  EXPECT_EQ(Hilite(), ZT_E_FAILED);
  EXPECT_EQ(m_pOut, nullptr);
}

TEST_F(ztFilterHiliteTest, EmptyTextAndNullArguments) {
  Prepare("", false, {});
  ztRelease(m_pText);
  m_pText = new ZTBinary();
  ASSERT_EQ(Hilite(nullptr, nullptr), 0);
  EXPECT_EQ(Text(m_pOut), std::string(1, '\0'));
  ZTBinary* out = nullptr;
  EXPECT_EQ(ztFilterHilite(nullptr, m_pPositions, "", "", &out), ZT_E_INVALID);
  EXPECT_EQ(ztFilterHilite(m_pText, nullptr, "", "", &out), ZT_E_INVALID);
  EXPECT_EQ(ztFilterHilite(m_pText, m_pPositions, "", "", nullptr), ZT_E_INVALID);
}

TEST_F(ztFilterHiliteTest, PositionsFromABitmap) {
  const PRUint32 bitmap[] = {0x5};  // positions 0 and 2
  m_pText = ZTBinary::_CreateInstance("<?ZT W?>a<?ZT /W?><?ZT W?>b<?ZT /W?><?ZT W?>c<?ZT /W?>", 54);
  ASSERT_EQ(ZTCursor::_CreateInstance(1, bitmap, 1, &m_pPositions), 0);
  ASSERT_EQ(Hilite("[", "]"), 0);
  EXPECT_EQ(Text(m_pOut),
            std::string("<a name=\"zthlt_0\"></a>[a]b<a name=\"zthlt_2\"></a>[c]") + '\0');
}

}  // namespace
