// The exports of VL_MSOffice.vlp, the Office plug-in's in-process server.
#include <windows.h>

#include "VL_MSOffice_h.h"
#include "platform/win32/real/VLClassFactory.h"
#include "platform/win32/real/VLModule.h"
#include "windows/VLCommon/win/VLPlugInObject.h"
#include "windows/VL_MSOffice/TVL_MSOffice.h"

namespace {

HRESULT CreateObject(REFIID interfaceId, void** object) {
  auto* server = new VLPlugInObject<IVL_MSOffice>(new TVL_MSOffice(VLModule::Platform()));
  return VLPlugInObject<IVL_MSOffice>::Hand(server, interfaceId, object);
}

}  // namespace

STDAPI DllUnregisterServer() {
  return TVL_MSOffice::UnregisterServer(VLModule::Platform());
}

STDAPI DllRegisterServer() {
  return TVL_MSOffice::RegisterServer(VLModule::Platform());
}

STDAPI DllCanUnloadNow() {
  return VLModule::CanUnloadNow();
}

STDAPI DllGetClassObject(REFCLSID requested, REFIID interfaceId, void** object) {
  return vlGetClassObject(requested, interfaceId, object, __uuidof(VL_MSOffice), CreateObject);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void* reserved) {
  return VLModule::DllMain(module, reason, reserved);
}
