#include "windows/VLServerDLL/VLServer.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/sim/VLSimPlatform.h"
#include "windows/VLCommon/VLCompany.h"

namespace {

VLServer* g_pServer = nullptr;

intptr_t VL_WINAPI MouseHook(int code, uintptr_t wParam, intptr_t lParam) {
  return g_pServer->MouseProc(code, wParam, lParam);
}

intptr_t VL_WINAPI KeyboardHook(int code, uintptr_t wParam, intptr_t lParam) {
  return g_pServer->KeyboardProc(code, wParam, lParam);
}

// What a scripted plug-in does when asked.
struct Script {
  int m_iCalls = 0;
  bool m_bFails = false;
  VLVariant m_answer = VLVariant::Bool(true);
  VLVariant m_texts[4] = {VLVariant::Text(u"prev"), VLVariant::Text(u"word"),
                          VLVariant::Text(u"next"), VLVariant::Text(u"info")};
  std::vector<VLVariant> m_lastArgs;
};

class ScriptedPlugIn : public VLDispatch {
 public:
  explicit ScriptedPlugIn(std::shared_ptr<Script> script) : m_pScript(std::move(script)) {}

  VLStatus Invoke(const std::string& member, std::vector<VLVariant>& args, VLPassing passing,
                  VLVariant* result) override {
    ++m_pScript->m_iCalls;
    m_pScript->m_lastArgs = args;
    if (member != "HandleApp" || args.size() != 8 || passing != VLPassing::kByRef) {
      return vlBadArguments(member);
    }
    if (m_pScript->m_bFails) return VLStatus::Error(VL_E_FAIL, "plug-in failed");
    for (int i = 0; i < 4; ++i) args[4 + i] = m_pScript->m_texts[i];
    *result = m_pScript->m_answer;
    return VLStatus::Ok();
  }

 private:
  std::shared_ptr<Script> m_pScript;
};

class VLServerTest : public testing::Test {
 protected:
  VLServerTest() : m_server(m_sim.Platform(), MouseHook, KeyboardHook) { g_pServer = &m_server; }
  ~VLServerTest() override { g_pServer = nullptr; }

  // Registers a plug-in class under progId and lists it in the plug-in key.
  std::shared_ptr<Script> AddPlugIn(const std::string& name, const std::string& progId) {
    auto script = std::make_shared<Script>();
    m_sim.m_automation.AddClass(progId, [script] { return new ScriptedPlugIn(script); });
    m_sim.m_registry.WriteString(VL_PLUGIN_KEY, name, progId);
    return script;
  }

  // The default plug-in, which declines unless told otherwise.
  std::shared_ptr<Script> AddDefault() {
    auto script = std::make_shared<Script>();
    script->m_answer = VLVariant::Bool(false);
    m_sim.m_automation.AddClass(VL_DEFAULT_PLUGIN, [script] { return new ScriptedPlugIn(script); });
    return script;
  }

  bool Capture(bool force = false) { return m_server.HandleApp(0x1234, 1, 10, 20, force); }

  VLSimPlatform m_sim;
  VLServer m_server;
};

TEST_F(VLServerTest, HooksAreInstalledOnceAndRemoved) {
  m_server.HookMouse();
  m_server.HookMouse();
  m_server.HookKeyboard();
  EXPECT_EQ(m_sim.m_hooks.InstallCount(), 2);
  EXPECT_EQ(m_sim.m_hooks.Installed(VLHookKind::kMouse), &MouseHook);
  EXPECT_EQ(m_sim.m_hooks.Installed(VLHookKind::kKeyboard), &KeyboardHook);
  m_server.UnHookMouse();
  m_server.UnHookKeyboard();
  m_server.UnHookKeyboard();
  EXPECT_EQ(m_sim.m_hooks.Installed(VLHookKind::kMouse), nullptr);
  EXPECT_EQ(m_sim.m_hooks.Installed(VLHookKind::kKeyboard), nullptr);
  m_server.HookMouse();
  EXPECT_EQ(m_sim.m_hooks.InstallCount(), 3);
}

TEST_F(VLServerTest, MouseHookSetsTheFlagOnLeftButtonDown) {
  m_server.HookMouse();
  VLHookProc proc = m_sim.m_hooks.Installed(VLHookKind::kMouse);
  EXPECT_EQ(proc(0, 0x200, 0), VLSimHooks::kNextAnswer);
  EXPECT_EQ(proc(-1, VL_WM_LBUTTONDOWN, 0), VLSimHooks::kNextAnswer);
  EXPECT_FALSE(m_server.MouseWasDown());
  EXPECT_EQ(proc(0, VL_WM_LBUTTONDOWN, 0), VLSimHooks::kNextAnswer);
  EXPECT_TRUE(m_server.MouseWasDown());
  EXPECT_FALSE(m_server.MouseWasDown());
  EXPECT_EQ(m_sim.m_hooks.CallNextCount(), 3);
}

TEST_F(VLServerTest, GestureNotifiesTheServerWindowOnce) {
  const VLWindow server = m_sim.m_windows.Create(VL_SERVER_CLASS, VL_SERVER_TITLE);
  const VLWindow lookalike = m_sim.m_windows.Create(VL_SERVER_CLASS, "Other");
  m_server.HookKeyboard();
  VLHookProc proc = m_sim.m_hooks.Installed(VLHookKind::kKeyboard);
  const intptr_t kEvents[] = {0x002A0001, 0x402A0001, 0x00360001, 0x40360001,
                              static_cast<intptr_t>(static_cast<uint32_t>(0xC02A0001u))};
  for (intptr_t event : kEvents) {
    EXPECT_EQ(proc(0, VL_VK_SHIFT, event), VLSimHooks::kNextAnswer);
    // Other keys and negative codes pass by without touching the gesture.
    EXPECT_EQ(proc(0, 'A', event), VLSimHooks::kNextAnswer);
    EXPECT_EQ(proc(-1, VL_VK_SHIFT, 0x00360001), VLSimHooks::kNextAnswer);
  }
  ASSERT_EQ(m_sim.m_windows.CopyDataOf(server).size(), 1u);
  const VLSimCopyData& note = m_sim.m_windows.CopyDataOf(server)[0];
  EXPECT_EQ(note.m_wParam, 0u);
  EXPECT_EQ(note.m_dwData, VL_SERVER_NOTIFY);
  EXPECT_TRUE(note.m_sBytes.empty());
  EXPECT_TRUE(m_sim.m_windows.CopyDataOf(lookalike).empty());
  EXPECT_EQ(m_sim.m_hooks.CallNextCount(), 15);
}

TEST_F(VLServerTest, GestureWithoutServerWindowSendsNothing) {
  m_server.HookKeyboard();
  VLHookProc proc = m_sim.m_hooks.Installed(VLHookKind::kKeyboard);
  proc(0, VL_VK_SHIFT, 0x002A0001);
  proc(0, VL_VK_SHIFT, 0x00360001);
  EXPECT_EQ(proc(0, VL_VK_SHIFT, static_cast<intptr_t>(static_cast<uint32_t>(0xC02A0001u))),
            VLSimHooks::kNextAnswer);
}

TEST_F(VLServerTest, NoPlugInArrayCapturesNothing) {
  EXPECT_FALSE(Capture(true));
  auto dflt = AddDefault();
  EXPECT_FALSE(Capture(true));
  EXPECT_EQ(dflt->m_iCalls, 0);
}

TEST_F(VLServerTest, MissingOrEmptyKeyChangesNothing) {
  auto dflt = AddDefault();
  dflt->m_answer = VLVariant::Bool(true);
  EXPECT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_FALSE(Capture(true));
  m_sim.m_registry.CreateKey(VL_PLUGIN_KEY);
  EXPECT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_FALSE(Capture(true));
  EXPECT_EQ(dflt->m_iCalls, 0);
}

TEST_F(VLServerTest, SameCaptureTwiceIsReportedOnceUnlessForced) {
  AddPlugIn("one", "Test.One");
  AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  EXPECT_FALSE(Capture());
  EXPECT_TRUE(Capture(true));
  EXPECT_TRUE(Capture(true));
  EXPECT_STREQ(m_server.GetWord(), "word");
  EXPECT_STREQ(m_server.GetInfo(), "info");
}

TEST_F(VLServerTest, PlugInGetsTheContractArguments) {
  auto one = AddPlugIn("one", "Test.One");
  AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  m_server.HandleApp(0x1234, 4, -5, 70000, false);
  ASSERT_EQ(one->m_lastArgs.size(), 8u);
  const int32_t kInts[] = {0x1234, 4, -5, 70000};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(one->m_lastArgs[i].GetType(), VLVariant::kInt);
    EXPECT_EQ(one->m_lastArgs[i].AsInt(), kInts[i]);
    EXPECT_EQ(one->m_lastArgs[4 + i].GetType(), VLVariant::kText);
    EXPECT_EQ(one->m_lastArgs[4 + i].AsText(), u"");
  }
}

TEST_F(VLServerTest, KeyCoversTheNeighbours) {
  auto one = AddPlugIn("one", "Test.One");
  AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  one->m_texts[2] = VLVariant::Text(u"other");
  EXPECT_TRUE(Capture());
  EXPECT_STREQ(m_server.GetWord(), "word");
}

TEST_F(VLServerTest, EmptyWordIsNoCaptureButKeepsTheTexts) {
  auto one = AddPlugIn("one", "Test.One");
  AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  one->m_texts[1] = VLVariant::Text(u"");
  one->m_texts[3] = VLVariant::Text(u"new info");
  EXPECT_FALSE(Capture(true));
  EXPECT_STREQ(m_server.GetWord(), "");
  EXPECT_STREQ(m_server.GetInfo(), "new info");
}

TEST_F(VLServerTest, FailingDecliningAndOddPlugInsAreSkipped) {
  auto fails = AddPlugIn("fails", "Test.Fails");
  fails->m_bFails = true;
  auto declines = AddPlugIn("declines", "Test.Declines");
  declines->m_answer = VLVariant::Bool(false);
  auto odd = AddPlugIn("odd", "Test.Odd");
  odd->m_answer = VLVariant::Text(u"perhaps");
  auto object = AddPlugIn("object", "Test.Object");
  object->m_answer = VLVariant::Object(nullptr);
  auto badText = AddPlugIn("badtext", "Test.BadText");
  badText->m_texts[1] = VLVariant::Object(nullptr);
  auto dflt = AddDefault();
  dflt->m_answer = VLVariant::Int(1);
  dflt->m_texts[1] = VLVariant::Text(u"fallback");
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  EXPECT_STREQ(m_server.GetWord(), "fallback");
  for (const auto& s : {fails, declines, odd, object, badText, dflt}) EXPECT_EQ(s->m_iCalls, 1);
}

TEST_F(VLServerTest, FirstCapturingPlugInWins) {
  auto one = AddPlugIn("one", "Test.One");
  one->m_answer = VLVariant::Text(u"True");
  auto two = AddPlugIn("two", "Test.Two");
  auto dflt = AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  EXPECT_EQ(one->m_iCalls, 1);
  EXPECT_EQ(two->m_iCalls, 0);
  EXPECT_EQ(dflt->m_iCalls, 0);
}

TEST_F(VLServerTest, UnreadableAndUncreatableValuesLeaveEmptyElements) {
  m_sim.m_registry.WriteNumber(VL_PLUGIN_KEY, "number", 5);
  m_sim.m_registry.WriteString(VL_PLUGIN_KEY, "missing", "No.Such.Class");
  m_sim.m_automation.AddClass("Test.Null", [] { return nullptr; });
  m_sim.m_registry.WriteString(VL_PLUGIN_KEY, "null", "Test.Null");
  auto good = AddPlugIn("good", "Test.Good");
  AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  EXPECT_EQ(good->m_iCalls, 1);
}

TEST_F(VLServerTest, DefaultPlugInThatCannotBeCreatedFailsButKeepsTheOthers) {
  auto good = AddPlugIn("good", "Test.Good");
  EXPECT_TRUE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  EXPECT_EQ(good->m_iCalls, 1);
}

TEST_F(VLServerTest, AddPlugInsReplacesTheArrayAndRemoveReleasesIt) {
  auto one = AddPlugIn("one", "Test.One");
  AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_TRUE(Capture());
  EXPECT_EQ(one->m_iCalls, 1);
  m_server.RemovePlugIns();
  EXPECT_FALSE(Capture(true));
  EXPECT_EQ(one->m_iCalls, 1);
  EXPECT_EQ(one.use_count(), 2);  // this test and the registered class: no plug-in left
}

TEST_F(VLServerTest, AddPlugInsBeginsAutomationOnceAndUnloadEndsIt) {
  m_server.HookMouse();
  EXPECT_EQ(m_sim.m_automation.Initialized(), 0);
  AddPlugIn("one", "Test.One");
  AddDefault();
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  ASSERT_FALSE(m_server.AddPlugIns().Failed());
  EXPECT_EQ(m_sim.m_automation.Initialized(), 1);
  EXPECT_TRUE(Capture());
  m_server.Unload();
  EXPECT_EQ(m_sim.m_automation.Initialized(), 0);
  EXPECT_STREQ(m_server.GetWord(), "");
  EXPECT_FALSE(Capture(true));
}

TEST_F(VLServerTest, UnloadWithoutAutomationDoesNotUninitialize) {
  m_sim.m_automation.SetInitializeFails(true);
  m_server.AddPlugIns();
  m_server.Unload();
  EXPECT_EQ(m_sim.m_automation.Initialized(), 0);
}

}  // namespace
