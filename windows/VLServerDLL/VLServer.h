// The hook server: the mouse and keyboard hooks, the Shift gesture that notifies the server
// window, and the capture that asks each plug-in in turn. One per process.
#ifndef WINDOWS_VLSERVERDLL_VLSERVER_H_
#define WINDOWS_VLSERVERDLL_VLSERVER_H_

#include <atomic>
#include <string>

#include "platform/win32/api/VLPlatform.h"
#include "windows/VLServerDLL/VLKeyGesture.h"
#include "windows/VLServerDLL/VLPlugInArray.h"

constexpr const char* VL_SERVER_CLASS = "TfrmVistalServer";
constexpr const char* VL_SERVER_TITLE = "Vistal Server";
constexpr uintptr_t VL_SERVER_NOTIFY = 9999;

class VLServer {
 public:
  // mouseProc and keyboardProc are the hook procedures to install; they forward to
  // MouseProc and KeyboardProc.
  VLServer(VLPlatform& platform, VLHookProc mouseProc, VLHookProc keyboardProc);

  // Releases the plug-ins and the texts, and ends automation when AddPlugIns began it.
  void Unload();

  // The capture: true when a plug-in captured a non-empty Word whose key (PrevWord, Word
  // and NextWord) differs from the last one reported, or force is set.
  bool HandleApp(VLWindow window, int32_t msg, int32_t xPos, int32_t yPos, bool force);
  void RemovePlugIns() { m_plugIns.Clear(); }
  // Prepares automation for the calling thread the first time, then builds the plug-in array.
  VLStatus AddPlugIns();
  // The texts of the last capture, valid until the next one.
  const char* GetInfo() const { return m_sInfoText.c_str(); }
  const char* GetWord() const { return m_sWordText.c_str(); }

  intptr_t MouseProc(int code, uintptr_t wParam, intptr_t lParam);
  intptr_t KeyboardProc(int code, uintptr_t wParam, intptr_t lParam);
  // The mouse-down flag, cleared by reading it.
  bool MouseWasDown() { return m_bMouseDown.exchange(false); }

  void HookMouse() { Hook(VLHookKind::kMouse, m_pMouseProc, &m_hMouseHook); }
  void UnHookMouse() { UnHook(&m_hMouseHook); }
  void HookKeyboard() { Hook(VLHookKind::kKeyboard, m_pKeyboardProc, &m_hKeyboardHook); }
  void UnHookKeyboard() { UnHook(&m_hKeyboardHook); }

 private:
  void Hook(VLHookKind kind, VLHookProc proc, VLHook* hook);
  void UnHook(VLHook* hook);
  // Sends the gesture's notification to the server window, when there is one.
  void NotifyServer();

  VLPlatform& m_rPlatform;
  VLHookProc m_pMouseProc;
  VLHookProc m_pKeyboardProc;
  VLHook m_hMouseHook = 0;
  VLHook m_hKeyboardHook = 0;
  std::atomic<bool> m_bMouseDown{false};
  VLKeyGesture m_gesture;
  VLPlugInArray m_plugIns;
  VLPlugInAnswer m_answer;
  std::u16string m_sLastKey;
  std::string m_sWordText;
  std::string m_sInfoText;
  bool m_bAutomationTried = false;
  bool m_bAutomation = false;
};

#endif  // WINDOWS_VLSERVERDLL_VLSERVER_H_
