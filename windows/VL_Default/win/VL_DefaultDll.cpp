// The exports of VL_Default.dll, the default plug-in's in-process server.
#include <windows.h>

#include "VL_Default_h.h"
#include "platform/win32/real/VLClassFactory.h"
#include "platform/win32/real/VLModule.h"
#include "windows/VLCommon/VLRegistration.h"
#include "windows/VLCommon/win/VLPlugInObject.h"
#include "windows/VL_Default/TVL_Default.h"

namespace {

HRESULT CreateObject(REFIID interfaceId, void** object) {
  auto* server = new VLPlugInObject<IVL_Default>(new TVL_Default(VLModule::Platform()));
  return VLPlugInObject<IVL_Default>::Hand(server, interfaceId, object);
}

}  // namespace

STDAPI DllUnregisterServer() {
  return vlUnregisterServer(VLModule::Platform(), TVL_Default::kServer);
}

STDAPI DllRegisterServer() {
  return vlRegisterServer(VLModule::Platform(), TVL_Default::kServer);
}

STDAPI DllCanUnloadNow() {
  return VLModule::CanUnloadNow();
}

STDAPI DllGetClassObject(REFCLSID requested, REFIID interfaceId, void** object) {
  return vlGetClassObject(requested, interfaceId, object, __uuidof(VL_Default), CreateObject);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void* reserved) {
  return VLModule::DllMain(module, reason, reserved);
}
