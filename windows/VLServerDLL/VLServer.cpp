#include "windows/VLServerDLL/VLServer.h"

VLServer::VLServer(VLPlatform& platform, VLHookProc mouseProc, VLHookProc keyboardProc)
    : m_rPlatform(platform),
      m_pMouseProc(mouseProc),
      m_pKeyboardProc(keyboardProc),
      m_plugIns(platform) {}

void VLServer::Unload() {
  m_plugIns.Clear();
  m_answer = VLPlugInAnswer();
  m_sLastKey.clear();
  m_sWordText.clear();
  m_sInfoText.clear();
  if (m_bAutomation) m_rPlatform.m_rAutomation.Uninitialize();
  m_bAutomation = m_bAutomationTried = false;
}

VLStatus VLServer::AddPlugIns() {
  // Not when the library is loaded: the hooks load it into every process that receives input,
  // whose threads must keep their own automation model.
  if (!m_bAutomationTried) m_bAutomation = m_rPlatform.m_rAutomation.Initialize();
  m_bAutomationTried = true;
  return m_plugIns.Build();
}

bool VLServer::HandleApp(VLWindow window, int32_t msg, int32_t xPos, int32_t yPos, bool force) {
  if (m_plugIns.IsEmpty()) return false;
  VLPlugInAnswer answer;
  if (!m_plugIns.Ask(window, msg, xPos, yPos, &answer)) return false;
  m_answer = std::move(answer);
  m_sWordText = m_rPlatform.m_rSystem.Narrow(m_answer.m_sWord);
  m_sInfoText = m_rPlatform.m_rSystem.Narrow(m_answer.m_sInfo);
  std::u16string key = m_answer.m_sPrevWord + u" " + m_answer.m_sWord + u" " + m_answer.m_sNextWord;
  if (m_answer.m_sWord.empty() || (key == m_sLastKey && !force)) return false;
  m_sLastKey = std::move(key);
  return true;
}

intptr_t VLServer::MouseProc(int code, uintptr_t wParam, intptr_t lParam) {
  if (code >= 0 && wParam == VL_WM_LBUTTONDOWN) m_bMouseDown = true;
  return m_rPlatform.m_rHooks.CallNext(m_hMouseHook, code, wParam, lParam);
}

intptr_t VLServer::KeyboardProc(int code, uintptr_t wParam, intptr_t lParam) {
  if (code >= 0 && wParam == VL_VK_SHIFT && m_gesture.Feed(lParam)) NotifyServer();
  return m_rPlatform.m_rHooks.CallNext(m_hKeyboardHook, code, wParam, lParam);
}

void VLServer::Hook(VLHookKind kind, VLHookProc proc, VLHook* hook) {
  if (!*hook) *hook = m_rPlatform.m_rHooks.Install(kind, proc);
}

void VLServer::UnHook(VLHook* hook) {
  if (*hook) m_rPlatform.m_rHooks.Remove(*hook);
  *hook = 0;
}

void VLServer::NotifyServer() {
  const VLWindow server = m_rPlatform.m_rWindows.Find(VL_SERVER_CLASS, VL_SERVER_TITLE);
  if (server) m_rPlatform.m_rWindows.SendCopyData(server, 0, VL_SERVER_NOTIFY, nullptr, 0);
}
