// The exports of VLServerDLL.dll, called by the outside lookup application with the calling
// convention of the Windows API, and the hook procedures.
#include <windows.h>

#include "platform/win32/real/VLModule.h"
#include "windows/VLServerDLL/VLServer.h"

namespace {

// One per process that loads the library.
VLServer* g_pServer = nullptr;

intptr_t VL_WINAPI KeyboardProc(int code, uintptr_t wParam, intptr_t lParam) {
  return g_pServer->KeyboardProc(code, wParam, lParam);
}

}  // namespace

extern "C" {

intptr_t VL_WINAPI _MouseProc(int code, uintptr_t wParam, intptr_t lParam) {
  return g_pServer->MouseProc(code, wParam, lParam);
}

bool VL_WINAPI HandleApp(HWND handle, int32_t msg, int32_t xPos, int32_t yPos, bool force) {
  return g_pServer->HandleApp(reinterpret_cast<VLWindow>(handle), msg, xPos, yPos, force);
}

void VL_WINAPI RemovePlugIns() {
  g_pServer->RemovePlugIns();
}

void VL_WINAPI AddPlugIns() {
  g_pServer->AddPlugIns();
}

const char* VL_WINAPI GetInfo() {
  return g_pServer->GetInfo();
}

const char* VL_WINAPI GetWord() {
  return g_pServer->GetWord();
}

bool VL_WINAPI MouseWasDown() {
  return g_pServer->MouseWasDown();
}

void VL_WINAPI UnHookKeyboard() {
  g_pServer->UnHookKeyboard();
}

void VL_WINAPI HookKeyboard() {
  g_pServer->HookKeyboard();
}

void VL_WINAPI UnHookMouse() {
  g_pServer->UnHookMouse();
}

void VL_WINAPI HookMouse() {
  g_pServer->HookMouse();
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void* reserved) {
  if (reason == DLL_PROCESS_DETACH && !reserved) {
    g_pServer->Unload();
    delete g_pServer;
    g_pServer = nullptr;
  }
  const BOOL answer = VLModule::DllMain(module, reason, reserved);
  if (reason == DLL_PROCESS_ATTACH) {
    g_pServer = new VLServer(VLModule::Platform(), _MouseProc, KeyboardProc);
  }
  return answer;
}

}  // extern "C"
