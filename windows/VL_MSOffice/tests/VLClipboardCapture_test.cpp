#include "windows/VL_MSOffice/VLClipboardCapture.h"

#include <gtest/gtest.h>

#include "platform/win32/sim/VLSimPlatform.h"
#include "windows/VLCommon/VLTrace.h"

namespace {

TEST(VLFirstClipboardWordTest, Cases) {
  const std::u16string longText = std::u16string(79, u'a') + u"bcdef";
  const struct {
    std::u16string m_sText;
    std::u16string m_sWord;
  } kCases[] = {
      {u"Hello, world", u"Hello"},
      {u"  (test) more", u"test"},
      {u"\r\n\"quoted\"", u"quoted"},
      {u"self-made: a|b c", u"self-made:"},
      {u"a,b c", u"a"},
      {u"tab\tseparated words", u"tab\tseparated"},
      {u"...!?", u""},
      {u"", u""},
      {longText, std::u16string(79, u'a') + u"b"},
      {std::u16string(85, u' ') + u"late", u""},
      {std::u16string(79, u'x') + u"\U0001F600", std::u16string(79, u'x')},
  };
  for (const auto& c : kCases) EXPECT_EQ(vlFirstClipboardWord(c.m_sText), c.m_sWord);
}

class VLClipboardCaptureTest : public testing::Test {
 protected:
  VLClipboardCaptureTest() {
    m_hTarget = m_sim.m_windows.Create("PP9FrameClass", "Slides", 0, 3);
    m_hDebugger = m_sim.m_windows.Create(VL_TRACE_CLASS, VL_TRACE_TITLE);
    m_sim.m_clipboard.SetText(u"saved text");
    m_sim.m_windows.SetCopyText(m_hTarget, u"Selected words here");
    m_sim.m_system.SetKeyDown(VL_VK_CONTROL, true);
  }

  bool Capture(VLClipboardOptions options = VLClipboardOptions()) {
    return vlClipboardCapture(m_sim.Platform(), m_hTarget, options, &m_capture);
  }

  size_t Traces(const char* text) {
    size_t n = 0;
    for (const auto& line : m_sim.m_windows.CopyDataOf(m_hDebugger)) {
      n += line.m_sBytes == std::string(text) + '\0' ? 1 : 0;
    }
    return n;
  }

  VLSimPlatform m_sim;
  VLWindow m_hTarget;
  VLWindow m_hDebugger;
  VLCapture m_capture;
};

TEST_F(VLClipboardCaptureTest, CopiesTakesTheFirstWordAndRestores) {
  ASSERT_TRUE(Capture());
  EXPECT_EQ(m_capture.m_sWord, u"Selected");
  EXPECT_EQ(m_capture.Info(u"A"),
            u"<APPL>A</APPL><PREV></PREV><WORD>Selected</WORD><NEXT></NEXT>"
            u"<SENT>Selected</SENT><CURSORPOS>1</CURSORPOS>");
  EXPECT_EQ(m_sim.m_clipboard.Text(), u"saved text");
  const auto& posted = m_sim.m_windows.PostedTo(m_hTarget);
  ASSERT_EQ(posted.size(), 2u);
  EXPECT_EQ(posted[0].m_iMessage, VL_WM_KEYDOWN);
  EXPECT_EQ(posted[1].m_iMessage, VL_WM_KEYUP);
  for (const auto& message : posted) {
    EXPECT_EQ(message.m_wParam, 67u);
    EXPECT_EQ(message.m_lParam, 0x002E0001);
  }
  EXPECT_EQ(m_sim.m_system.SleptMs(), 100u);
  EXPECT_EQ(m_sim.m_windows.AttachCount(), 1);
  EXPECT_FALSE(m_sim.m_windows.IsAttached(7, 3));
  EXPECT_EQ(Traces("Attached"), 1u);
}

TEST_F(VLClipboardCaptureTest, CtrlUpPostsNothingAndLeavesTheClipboard) {
  m_sim.m_system.SetKeyDown(VL_VK_CONTROL, false);
  EXPECT_FALSE(Capture());
  EXPECT_TRUE(m_sim.m_windows.PostedTo(m_hTarget).empty());
  EXPECT_EQ(m_sim.m_clipboard.Text(), u"saved text");
  EXPECT_EQ(m_sim.m_clipboard.WriteCount(), 0);
  EXPECT_FALSE(m_sim.m_windows.IsAttached(7, 3));
}

TEST_F(VLClipboardCaptureTest, SameTextCopiedAgainIsNoResult) {
  m_sim.m_windows.SetCopyText(m_hTarget, u"saved text");
  EXPECT_FALSE(Capture());
  EXPECT_EQ(m_sim.m_clipboard.Text(), u"saved text");
}

TEST_F(VLClipboardCaptureTest, AttachFailureIsNoResult) {
  m_sim.m_windows.SetAttachFails(true);
  EXPECT_FALSE(Capture());
  EXPECT_TRUE(m_sim.m_windows.PostedTo(m_hTarget).empty());
  EXPECT_EQ(Traces("Attached"), 0u);
}

TEST_F(VLClipboardCaptureTest, VanishedWindowIsNoResult) {
  m_sim.m_windows.Destroy(m_hTarget);
  EXPECT_FALSE(Capture());
  EXPECT_EQ(m_sim.m_clipboard.Text(), u"saved text");
}

TEST_F(VLClipboardCaptureTest, LockedClipboardIsNoResult) {
  m_sim.m_clipboard.SetLocked(true);
  EXPECT_FALSE(Capture());
  EXPECT_TRUE(m_sim.m_windows.PostedTo(m_hTarget).empty());
}

TEST_F(VLClipboardCaptureTest, PictureOnTheClipboardCountsAsEmptyText) {
  m_sim.m_clipboard.SetPicture();
  ASSERT_TRUE(Capture());
  EXPECT_EQ(m_capture.m_sWord, u"Selected");
  EXPECT_TRUE(m_sim.m_clipboard.HasText());
  EXPECT_EQ(m_sim.m_clipboard.Text(), u"");
}

TEST_F(VLClipboardCaptureTest, CopiedPictureIsNoResult) {
  m_sim.m_clipboard.SetPicture();
  m_sim.m_windows.SetCopyText(m_hTarget, u"");
  EXPECT_FALSE(Capture());
}

TEST_F(VLClipboardCaptureTest, RestoreFirstPutsTheTextBackEvenWithoutResult) {
  m_sim.m_windows.SetCopyText(m_hTarget, u"saved text");
  VLClipboardOptions options;
  options.m_bRestoreFirst = true;
  EXPECT_FALSE(Capture(options));
  EXPECT_EQ(m_sim.m_clipboard.WriteCount(), 1);
  m_sim.m_windows.SetCopyText(m_hTarget, u"new one");
  EXPECT_TRUE(Capture(options));
  EXPECT_EQ(m_sim.m_clipboard.WriteCount(), 2);
  EXPECT_EQ(m_sim.m_clipboard.Text(), u"saved text");
}

TEST_F(VLClipboardCaptureTest, NoAttachedTraceWhenNotWanted) {
  VLClipboardOptions options;
  options.m_bTraceAttached = false;
  EXPECT_TRUE(Capture(options));
  EXPECT_EQ(Traces("Attached"), 0u);
}

}  // namespace
