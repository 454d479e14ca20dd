#include "windows/VLCommon/VLCapture.h"

#include <gtest/gtest.h>

namespace {

TEST(VLCaptureTest, InfoStringHasSixElementsInOrderUnescaped) {
  VLCapture capture;
  capture.m_sPrevWord = u"a<b";
  capture.m_sWord = u"word";
  capture.m_sNextWord = u"&c";
  capture.m_sSentence = u"a<b word &c";
  capture.m_iCursorPos = 5;
  EXPECT_EQ(capture.Info(u"MSWord"),
            u"<APPL>MSWord</APPL><PREV>a<b</PREV><WORD>word</WORD><NEXT>&c</NEXT>"
            u"<SENT>a<b word &c</SENT><CURSORPOS>5</CURSORPOS>");
}

TEST(VLCaptureTest, SentenceFromWords) {
  const struct {
    const char16_t* m_szPrev;
    const char16_t* m_szNext;
    const char16_t* m_szSentence;
    int32_t m_iCursor;
  } kCases[] = {
      {u"", u"", u"word", 1},
      {u"before", u"", u"before word", 8},
      {u"", u"after", u"word after", 1},
      {u"before", u"after", u"before word after", 8},
  };
  for (const auto& c : kCases) {
    VLCapture capture;
    capture.m_sPrevWord = c.m_szPrev;
    capture.m_sWord = u"word";
    capture.m_sNextWord = c.m_szNext;
    capture.m_iCursorPos = 99;
    capture.SentenceFromWords();
    EXPECT_EQ(capture.m_sSentence, c.m_szSentence);
    EXPECT_EQ(capture.m_iCursorPos, c.m_iCursor);
  }
}

TEST(VLCaptureTest, AnswerFillsTextVariants) {
  VLCapture capture;
  capture.m_sWord = u"w";
  capture.SentenceFromWords();
  VLVariant prev = VLVariant::Int(1), word, next, info;
  capture.Answer(u"X", &prev, &word, &next, &info);
  EXPECT_EQ(prev.GetType(), VLVariant::kText);
  EXPECT_EQ(prev.AsText(), u"");
  EXPECT_EQ(word.AsText(), u"w");
  EXPECT_EQ(next.AsText(), u"");
  EXPECT_EQ(info.AsText(),
            u"<APPL>X</APPL><PREV></PREV><WORD>w</WORD><NEXT></NEXT><SENT>w</SENT>"
            u"<CURSORPOS>1</CURSORPOS>");
}

}  // namespace
