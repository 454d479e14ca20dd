// The library's module: its handle and platform, made when the library is loaded; for an
// in-process server also the count of live objects and of locks that decides
// DllCanUnloadNow, and the type information of its embedded type library.
#ifndef PLATFORM_WIN32_REAL_VLMODULE_H_
#define PLATFORM_WIN32_REAL_VLMODULE_H_

#include <windows.h>

#include <oleauto.h>

#include "platform/win32/api/VLPlatform.h"

class VLRealPlatform;

class VLModule {
 public:
  // The library's DllMain: makes the platform on load, frees it when the library is unloaded
  // (not at process exit, when other libraries may be gone).
  static BOOL DllMain(HINSTANCE module, DWORD reason, void* reserved);
  static VLPlatform& Platform();
  static void ObjectCreated() { InterlockedIncrement(&s_iObjects); }
  static void ObjectDestroyed() { InterlockedDecrement(&s_iObjects); }
  static void Lock(bool lock);
  // S_OK when no object is alive and no lock held, otherwise S_FALSE.
  static HRESULT CanUnloadNow();
  // The type information of interface from the type library in the module's resources.
  static HRESULT TypeInfo(REFIID interfaceId, ITypeInfo** info);

 private:
  static HINSTANCE s_hModule;
  static VLRealPlatform* s_pPlatform;
  static LONG s_iObjects;
  static LONG s_iLocks;
};

#endif  // PLATFORM_WIN32_REAL_VLMODULE_H_
