#include "windows/VL_MSOffice/TVL_MSOffice.h"

#include <gtest/gtest.h>

#include "platform/win32/api/VLText.h"
#include "platform/win32/sim/VLSimExcel.h"
#include "platform/win32/sim/VLSimPlatform.h"
#include "platform/win32/sim/VLSimWord.h"
#include "windows/VLCommon/VLCompany.h"
#include "windows/VLCommon/VLTrace.h"

namespace {

const char16_t kDocument[] =
    u"The quick brown fox jumps over the lazy dog. Second sentence here\rNext paragraph";

class TVL_MSOfficeTest : public testing::Test {
 protected:
  TVL_MSOfficeTest()
      : m_word(kDocument),
        m_pPlugIn(new TVL_MSOffice(m_sim.Platform())),
        m_hDebugger(m_sim.m_windows.Create(VL_TRACE_CLASS, VL_TRACE_TITLE)) {
    m_sim.m_automation.SetRunning("Word.Application", m_word.Application());
    m_sim.m_automation.SetRunning("Excel.Application", m_excel.Application());
    m_sim.m_system.SetKeyDown(VL_VK_CONTROL, true);
  }
  ~TVL_MSOfficeTest() override { m_pPlugIn->Release(); }

  // A window of the class inside a top-level window of the class topClass.
  VLWindow Window(const std::string& topClass) {
    const VLWindow top = m_sim.m_windows.Create(topClass, "App", 0, 3);
    const VLWindow frame = m_sim.m_windows.Create("Frame", "", top, 3);
    return m_sim.m_windows.Create("Document", "", frame, 3);
  }

  bool Call(VLWindow window, int32_t msg, int32_t x = 0, int32_t y = 0) {
    EXPECT_EQ(m_pPlugIn->HandleApp(vlWindowToLong(window), msg, x, y, &m_prev, &m_wordOut, &m_next,
                                   &m_info, &m_result),
              VL_S_OK);
    EXPECT_EQ(m_result.GetType(), VLVariant::kBool);
    return m_result.AsBool();
  }

  void ExpectNoTexts() {
    for (const VLVariant* v : {&m_prev, &m_wordOut, &m_next, &m_info}) {
      EXPECT_EQ(v->GetType(), VLVariant::kEmpty);
    }
  }

  std::vector<std::string> Traces() {
    std::vector<std::string> lines;
    for (const auto& line : m_sim.m_windows.CopyDataOf(m_hDebugger)) {
      lines.push_back(line.m_sBytes.substr(0, line.m_sBytes.size() - 1));
    }
    return lines;
  }

  static std::u16string Info(const char16_t* appl, const char16_t* prev, const char16_t* word,
                             const char16_t* next, const char16_t* sentence, int cursor) {
    return std::u16string(u"<APPL>") + appl + u"</APPL><PREV>" + prev + u"</PREV><WORD>" + word +
           u"</WORD><NEXT>" + next + u"</NEXT><SENT>" + sentence + u"</SENT><CURSORPOS>" +
           vlDecimal(cursor) + u"</CURSORPOS>";
  }

  VLSimPlatform m_sim;
  VLSimWord m_word;
  VLSimExcel m_excel;
  TVL_MSOffice* m_pPlugIn;
  VLWindow m_hDebugger;
  VLVariant m_prev, m_wordOut, m_next, m_info, m_result;
};

TEST_F(TVL_MSOfficeTest, UnknownApplicationAnswersNothing) {
  m_prev = VLVariant::Text(u"stale");
  EXPECT_FALSE(Call(Window("Notepad"), 1, 21));
  ExpectNoTexts();
  EXPECT_FALSE(Call(Window("rctrl_renwnd32"), 2));
  ExpectNoTexts();
  EXPECT_EQ(m_sim.m_clipboard.WriteCount(), 0);
}

TEST_F(TVL_MSOfficeTest, VanishedWindowAnswersNothing) {
  const VLWindow window = Window("OpusApp");
  m_sim.m_windows.Destroy(window);
  EXPECT_FALSE(Call(window, 1, 21));
  ExpectNoTexts();
}

TEST_F(TVL_MSOfficeTest, ClassNamesGoToTheTraceChannel) {
  Call(Window("OpusApp"), 1, 21);
  const auto lines = Traces();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "OpusApp");
  EXPECT_EQ(lines[1], "Document");
}

TEST_F(TVL_MSOfficeTest, WordAtThePointerWithNeighbours) {
  ASSERT_TRUE(Call(Window("opusapp"), 1, 21));
  EXPECT_EQ(m_prev.AsText(), u"fox");
  EXPECT_EQ(m_wordOut.AsText(), u"jumps");
  EXPECT_EQ(m_next.AsText(), u"over");
  EXPECT_EQ(m_info.AsText(), Info(u"MSWord", u"fox", u"jumps", u"over",
                                  u"The quick brown fox jumps over the lazy dog. Second", 21));
}

TEST_F(TVL_MSOfficeTest, WordMessagesAtThePointerAndInTheSelection) {
  m_word.Select(52, 60);
  const struct {
    int32_t m_iMsg;
    const char16_t* m_szPrev;
    const char16_t* m_szWord;
    const char16_t* m_szNext;
    const char16_t* m_szSentence;
    int m_iCursor;
  } kCases[] = {
      {2, u"", u"jumps", u"", u"The quick brown fox jumps over the lazy dog. Second", 21},
      {3, u"", u"jumps", u"", u"The quick brown fox jumps over the lazy dog. Second", 21},
      {4, u"Second", u"sentence", u"here",
       u"over the lazy dog. Second sentence here\rNext paragraph", 27},
      {5, u"", u"sentence", u"", u"over the lazy dog. Second sentence here\rNext paragraph", 27},
  };
  const VLWindow window = Window("OpusApp");
  for (const auto& c : kCases) {
    ASSERT_TRUE(Call(window, c.m_iMsg, 21)) << c.m_iMsg;
    EXPECT_EQ(m_prev.AsText(), c.m_szPrev);
    EXPECT_EQ(m_wordOut.AsText(), c.m_szWord);
    EXPECT_EQ(m_next.AsText(), c.m_szNext);
    EXPECT_EQ(m_info.AsText(),
              Info(u"MSWord", c.m_szPrev, c.m_szWord, c.m_szNext, c.m_szSentence, c.m_iCursor));
  }
  EXPECT_FALSE(Call(window, 6, 21));
  EXPECT_FALSE(Call(window, 0, 21));
}

TEST_F(TVL_MSOfficeTest, CaretAtParagraphEndTakesTheWordBefore) {
  m_word.Select(65, 65);
  ASSERT_TRUE(Call(Window("OpusApp"), 4));
  EXPECT_EQ(m_prev.AsText(), u"sentence");
  EXPECT_EQ(m_wordOut.AsText(), u"here");
  EXPECT_EQ(m_next.AsText(), u"");
  EXPECT_EQ(m_info.AsText(), Info(u"MSWord", u"sentence", u"here", u"",
                                  u"the lazy dog. Second sentence here\rNext paragraph", 31));
}

TEST_F(TVL_MSOfficeTest, EmptySelectionAtDocumentEndIsNoResult) {
  VLSimWord word(u"abc\r");
  word.Select(4, 4);
  m_sim.m_automation.SetRunning("Word.Application", word.Application());
  EXPECT_FALSE(Call(Window("OpusApp"), 5));
  ExpectNoTexts();
}

TEST_F(TVL_MSOfficeTest, PointOffTheTextUsesTheSelection) {
  m_word.Select(4, 9);
  ASSERT_TRUE(Call(Window("OpusApp"), 3, 5000));
  EXPECT_EQ(m_wordOut.AsText(), u"quick");
  m_word.Fail("RangeFromPoint");
  ASSERT_TRUE(Call(Window("OpusApp"), 3, 21));
  EXPECT_EQ(m_wordOut.AsText(), u"quick");
}

TEST_F(TVL_MSOfficeTest, SentenceFromTheWordsWhenWideningFails) {
  for (const char* member : {"MoveStart", "MoveEnd"}) {
    VLSimWord word(kDocument);
    word.Fail(member);
    m_sim.m_automation.SetRunning("Word.Application", word.Application());
    ASSERT_TRUE(Call(Window("OpusApp"), 1, 21)) << member;
    EXPECT_EQ(m_info.AsText(), Info(u"MSWord", u"fox", u"jumps", u"over", u"fox jumps over", 5));
    ASSERT_TRUE(Call(Window("OpusApp"), 3, 21));
    EXPECT_EQ(m_info.AsText(), Info(u"MSWord", u"", u"jumps", u"", u"jumps", 1));
  }
}

TEST_F(TVL_MSOfficeTest, NeighboursThatCannotBeReadAreEmpty) {
  m_word.Fail("Previous");
  ASSERT_TRUE(Call(Window("OpusApp"), 1, 0));
  EXPECT_EQ(m_prev.AsText(), u"");
  EXPECT_EQ(m_wordOut.AsText(), u"The");
  EXPECT_EQ(m_next.AsText(), u"quick");
}

TEST_F(TVL_MSOfficeTest, FirstWordHasNoPreviousAndLastNoNext) {
  ASSERT_TRUE(Call(Window("OpusApp"), 1, 0));
  EXPECT_EQ(m_prev.AsText(), u"");
  ASSERT_TRUE(Call(Window("OpusApp"), 1, 75));
  EXPECT_EQ(m_wordOut.AsText(), u"paragraph");
  EXPECT_EQ(m_next.AsText(), u"");
}

TEST_F(TVL_MSOfficeTest, WordFailuresAreTracedWithoutResult) {
  m_word.Fail("Words");
  EXPECT_FALSE(Call(Window("OpusApp"), 1, 21));
  ExpectNoTexts();
  EXPECT_EQ(Traces().back(), "Simulated failure of Words");
  m_sim.m_automation.SetRunning("Word.Application", VLVariant::Text(u"not an object"));
  EXPECT_FALSE(Call(Window("OpusApp"), 1, 21));
  EXPECT_EQ(Traces().back(), "Object required for ActiveWindow");
}

TEST_F(TVL_MSOfficeTest, WordNotRunningIsTraced) {
  VLSimPlatform bare;
  TVL_MSOffice* plugIn = new TVL_MSOffice(bare.Platform());
  const VLWindow debugger = bare.m_windows.Create(VL_TRACE_CLASS, VL_TRACE_TITLE);
  const VLWindow window = bare.m_windows.Create("OpusApp", "Word");
  VLVariant texts[4], result;
  plugIn->HandleApp(vlWindowToLong(window), 1, 0, 0, &texts[0], &texts[1], &texts[2], &texts[3],
                    &result);
  EXPECT_FALSE(result.AsBool());
  EXPECT_EQ(bare.m_windows.CopyDataOf(debugger).back().m_sBytes,
            std::string("Operation unavailable", 22));
  plugIn->Release();
}

TEST_F(TVL_MSOfficeTest, ExcelCellAtThePointer) {
  m_excel.SetCell(100, 200, u"  42 apples ");
  ASSERT_TRUE(Call(Window("XLMAIN"), 1, 100, 200));
  EXPECT_EQ(m_prev.AsText(), u"");
  EXPECT_EQ(m_wordOut.AsText(), u"42 apples");
  EXPECT_EQ(m_next.AsText(), u"");
  EXPECT_EQ(m_info.AsText(), Info(u"MS Excel", u"", u"42 apples", u"", u"42 apples", 1));
  EXPECT_EQ(Traces()[2], "EXCEL");
}

TEST_F(TVL_MSOfficeTest, ExcelOffTheCellsUsesTheSelection) {
  m_excel.SetSelection(u"selected");
  ASSERT_TRUE(Call(Window("XLMAIN"), 1, 1, 1));
  EXPECT_EQ(m_wordOut.AsText(), u"selected");
}

TEST_F(TVL_MSOfficeTest, ExcelEmptyCellAndFailuresAreNoResult) {
  m_excel.SetCell(1, 1, u" \r\n");
  EXPECT_FALSE(Call(Window("XLMAIN"), 1, 1, 1));
  ExpectNoTexts();
  m_excel.Fail("ActiveWindow");
  EXPECT_FALSE(Call(Window("XLMAIN"), 1, 1, 1));
  EXPECT_EQ(Traces().back(), "Simulated failure of ActiveWindow");
  EXPECT_FALSE(Call(Window("XLMAIN"), 3, 1, 1));
}

TEST_F(TVL_MSOfficeTest, ClipboardApplications) {
  const struct {
    const char* m_szClass;
    const char16_t* m_szAppl;
    const char* m_szTrace;  // traced before the capture, or null
    bool m_bAttachedTrace;
  } kCases[] = {
      {"XLMAIN", u"MS Excel", "EXCEL", false},
      {"PP9FrameClass", u"MS PowerPoint", "PowerPoint", true},
      {"FrontPageExplorerWindow40", u"MS FrontPage", "FrontPage", true},
      {"ATH_Note", u"MS OutLook Express", nullptr, true},
      {"Outlook Express Browser Class", u"MS OutLook Express", nullptr, true},
  };
  for (const auto& c : kCases) {
    VLSimPlatform sim;
    TVL_MSOffice* plugIn = new TVL_MSOffice(sim.Platform());
    const VLWindow debugger = sim.m_windows.Create(VL_TRACE_CLASS, VL_TRACE_TITLE);
    const VLWindow window = sim.m_windows.Create(c.m_szClass, "App", 0, 3);
    sim.m_windows.SetCopyText(window, u"copied, text");
    sim.m_clipboard.SetText(u"mine");
    sim.m_system.SetKeyDown(VL_VK_CONTROL, true);
    VLVariant texts[4], result;
    plugIn->HandleApp(vlWindowToLong(window), 1, 0, 0, &texts[0], &texts[1], &texts[2], &texts[3],
                      &result);
    EXPECT_FALSE(result.AsBool()) << c.m_szClass;
    if (std::string(c.m_szClass) != "XLMAIN") {
      EXPECT_EQ(sim.m_system.SleptMs(), 0u) << c.m_szClass;
    }
    plugIn->HandleApp(vlWindowToLong(window), 2, 0, 0, &texts[0], &texts[1], &texts[2], &texts[3],
                      &result);
    ASSERT_TRUE(result.AsBool()) << c.m_szClass;
    EXPECT_EQ(texts[1].AsText(), u"copied");
    EXPECT_EQ(texts[3].AsText(), Info(c.m_szAppl, u"", u"copied", u"", u"copied", 1));
    EXPECT_EQ(sim.m_clipboard.Text(), u"mine");
    std::vector<std::string> lines;
    for (const auto& line : sim.m_windows.CopyDataOf(debugger)) {
      lines.push_back(line.m_sBytes.substr(0, line.m_sBytes.size() - 1));
    }
    std::vector<std::string> expected = {c.m_szClass, c.m_szClass};
    if (c.m_szTrace) expected.push_back(c.m_szTrace);
    if (c.m_bAttachedTrace) expected.push_back("Attached");
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - expected.size(), lines.end()), expected)
        << c.m_szClass;
    plugIn->Release();
  }
}

TEST_F(TVL_MSOfficeTest, LateBoundContractWritesTheAnswersIntoTheArguments) {
  std::vector<VLVariant> args = vlPlugInArgs(vlWindowToLong(Window("OpusApp")), 1, 21, 0);
  VLVariant result;
  ASSERT_FALSE(m_pPlugIn->Invoke("HandleApp", args, VLPassing::kByRef, &result).Failed());
  EXPECT_TRUE(result.AsBool());
  EXPECT_EQ(args[5].AsText(), u"jumps");
  EXPECT_EQ(args[6].AsText(), u"over");
  args.pop_back();
  EXPECT_TRUE(m_pPlugIn->Invoke("HandleApp", args, VLPassing::kByRef, &result).Failed());
  args.push_back(VLVariant());
  args[1] = VLVariant::Text(u"1");
  EXPECT_TRUE(m_pPlugIn->Invoke("HandleApp", args, VLPassing::kByRef, &result).Failed());
  EXPECT_TRUE(m_pPlugIn->Invoke("Other", args, VLPassing::kByRef, &result).Failed());
}

TEST_F(TVL_MSOfficeTest, RegistrationWritesAndRemovesThePlugInValue) {
  EXPECT_EQ(TVL_MSOffice::RegisterServer(m_sim.Platform()), VL_S_OK);
  EXPECT_TRUE(m_sim.m_automation.IsRegistered("VL_MSOffice.VL_MSOffice"));
  std::string progId;
  ASSERT_TRUE(m_sim.m_registry.ReadString(VL_PLUGIN_KEY, "MSOffice", &progId));
  EXPECT_EQ(progId, "VL_MSOffice.VL_MSOffice");
  EXPECT_EQ(TVL_MSOffice::UnregisterServer(m_sim.Platform()), VL_S_OK);
  EXPECT_FALSE(m_sim.m_automation.IsRegistered("VL_MSOffice.VL_MSOffice"));
  EXPECT_FALSE(m_sim.m_registry.ReadString(VL_PLUGIN_KEY, "MSOffice", &progId));
  EXPECT_EQ(TVL_MSOffice::UnregisterServer(m_sim.Platform()), VL_E_FAIL);
}

TEST_F(TVL_MSOfficeTest, RegistrationFailures) {
  m_sim.m_registry.SetReadOnly(true);
  EXPECT_EQ(TVL_MSOffice::RegisterServer(m_sim.Platform()), VL_S_OK);
  EXPECT_FALSE(m_sim.m_registry.HasKey(VL_PLUGIN_KEY));
  m_sim.m_registry.SetReadOnly(false);
  m_sim.m_automation.SetRegistrationFails(true);
  EXPECT_EQ(TVL_MSOffice::RegisterServer(m_sim.Platform()), VL_E_FAIL);
  EXPECT_FALSE(m_sim.m_registry.HasKey(VL_PLUGIN_KEY));
}

}  // namespace
