// The exports of VLSup.dll, the client broadcast's in-process server.
#include <windows.h>

#include "platform/win32/real/VLClassFactory.h"
#include "platform/win32/real/VLModule.h"
#include "windows/VLCommon/VLRegistration.h"
#include "windows/VLSup/win/VLCommObject.h"

namespace {

// The lock and the client handles that every list of the process shares.
VLCommLibrary* g_pLibrary = nullptr;

HRESULT CreateObject(REFIID interfaceId, void** object) {
  return VLCommObject::Hand(new VLCommObject(*g_pLibrary), interfaceId, object);
}

}  // namespace

STDAPI DllUnregisterServer() {
  return vlUnregisterServer(VLModule::Platform(), TVLComm::kServer);
}

STDAPI DllRegisterServer() {
  return vlRegisterServer(VLModule::Platform(), TVLComm::kServer);
}

STDAPI DllCanUnloadNow() {
  return VLModule::CanUnloadNow();
}

STDAPI DllGetClassObject(REFCLSID requested, REFIID interfaceId, void** object) {
  return vlGetClassObject(requested, interfaceId, object, __uuidof(VLComm), CreateObject);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void* reserved) {
  if (reason == DLL_PROCESS_DETACH && !reserved) {
    delete g_pLibrary;
    g_pLibrary = nullptr;
  }
  const BOOL answer = VLModule::DllMain(module, reason, reserved);
  if (reason == DLL_PROCESS_ATTACH) g_pLibrary = new VLCommLibrary(VLModule::Platform());
  return answer;
}
