#include "windows/VL_Default/TVL_Default.h"

#include <gtest/gtest.h>

#include "platform/win32/sim/VLSimPlatform.h"

namespace {

TEST(VLWordsAtTest, Cases) {
  const std::u16string text = u"one, two-three (four)";
  const struct {
    size_t m_iIndex;
    bool m_bFound;
    const char16_t* m_szPrev;
    const char16_t* m_szWord;
    const char16_t* m_szNext;
  } kCases[] = {
      {0, true, u"", u"one", u"two-three"},
      {2, true, u"", u"one", u"two-three"},
      {3, false, u"", u"", u""},
      {9, true, u"one", u"two-three", u"four"},
      {17, true, u"two-three", u"four", u""},
      {20, false, u"", u"", u""},
      {21, false, u"", u"", u""},
      {1000, false, u"", u"", u""},
  };
  for (const auto& c : kCases) {
    VLCapture capture;
    ASSERT_EQ(vlWordsAt(text, c.m_iIndex, &capture), c.m_bFound) << c.m_iIndex;
    if (!c.m_bFound) continue;
    EXPECT_EQ(capture.m_sPrevWord, c.m_szPrev);
    EXPECT_EQ(capture.m_sWord, c.m_szWord);
    EXPECT_EQ(capture.m_sNextWord, c.m_szNext);
  }
}

class TVL_DefaultTest : public testing::Test {
 protected:
  TVL_DefaultTest() : m_pPlugIn(new TVL_Default(m_sim.Platform())) {
    m_hEdit = m_sim.m_windows.Create("EDIT", "", m_sim.m_windows.Create("Dialog", "Form"));
    m_sim.m_windows.SetText(m_hEdit, u"look this up");
    m_sim.m_windows.SetCharAt(m_hEdit, 30, 8, 6);
  }
  ~TVL_DefaultTest() override { m_pPlugIn->Release(); }

  bool Call(VLWindow window, int32_t x, int32_t y) {
    EXPECT_EQ(m_pPlugIn->HandleApp(vlWindowToLong(window), 1, x, y, &m_texts[0], &m_texts[1],
                                   &m_texts[2], &m_texts[3], &m_result),
              VL_S_OK);
    return m_result.AsBool();
  }

  VLSimPlatform m_sim;
  TVL_Default* m_pPlugIn;
  VLWindow m_hEdit;
  VLVariant m_texts[4], m_result;
};

TEST_F(TVL_DefaultTest, WordAtThePointerInAnEditControl) {
  ASSERT_TRUE(Call(m_hEdit, 30, 8));
  EXPECT_EQ(m_texts[0].AsText(), u"look");
  EXPECT_EQ(m_texts[1].AsText(), u"this");
  EXPECT_EQ(m_texts[2].AsText(), u"up");
  EXPECT_EQ(m_texts[3].AsText(),
            u"<APPL>Edit</APPL><PREV>look</PREV><WORD>this</WORD><NEXT>up</NEXT>"
            u"<SENT>look this up</SENT><CURSORPOS>6</CURSORPOS>");
}

TEST_F(TVL_DefaultTest, OtherWindowsAndPointsAnswerNothing) {
  const VLWindow button = m_sim.m_windows.Create("Button", "OK");
  m_sim.m_windows.SetText(button, u"OK");
  m_sim.m_windows.SetCharAt(button, 1, 1, 0);
  EXPECT_FALSE(Call(button, 1, 1));
  EXPECT_FALSE(Call(m_hEdit, 0, 0));
  m_sim.m_windows.SetCharAt(m_hEdit, 2, 2, 4);  // the space
  EXPECT_FALSE(Call(m_hEdit, 2, 2));
  m_sim.m_windows.SetCharAt(m_hEdit, 3, 3, 500);
  EXPECT_FALSE(Call(m_hEdit, 3, 3));
  m_sim.m_windows.Destroy(m_hEdit);
  EXPECT_FALSE(Call(m_hEdit, 30, 8));
  for (const VLVariant& text : m_texts) EXPECT_EQ(text.GetType(), VLVariant::kEmpty);
}

TEST_F(TVL_DefaultTest, AnswersThePlugInContractLateBound) {
  std::vector<VLVariant> args = vlPlugInArgs(vlWindowToLong(m_hEdit), 2, 30, 8);
  VLVariant result;
  ASSERT_FALSE(m_pPlugIn->Invoke("HandleApp", args, VLPassing::kByRef, &result).Failed());
  EXPECT_TRUE(result.AsBool());
  EXPECT_EQ(args[5].AsText(), u"this");
}

}  // namespace
