#include "platform/win32/real/VLModule.h"

#include "platform/win32/real/VLRealPlatform.h"

HINSTANCE VLModule::s_hModule = nullptr;
VLRealPlatform* VLModule::s_pPlatform = nullptr;
LONG VLModule::s_iObjects = 0;
LONG VLModule::s_iLocks = 0;

BOOL VLModule::DllMain(HINSTANCE module, DWORD reason, void* reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(module);
    s_hModule = module;
    s_pPlatform = new VLRealPlatform(module);
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    delete s_pPlatform;
    s_pPlatform = nullptr;
  }
  return TRUE;
}

VLPlatform& VLModule::Platform() {
  return s_pPlatform->Platform();
}

void VLModule::Lock(bool lock) {
  if (lock) {
    InterlockedIncrement(&s_iLocks);
  } else {
    InterlockedDecrement(&s_iLocks);
  }
}

HRESULT VLModule::CanUnloadNow() {
  return s_iObjects == 0 && s_iLocks == 0 ? S_OK : S_FALSE;
}

HRESULT VLModule::TypeInfo(REFIID interfaceId, ITypeInfo** info) {
  *info = nullptr;
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(s_hModule, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return HRESULT_FROM_WIN32(GetLastError());
  ITypeLib* library = nullptr;
  HRESULT result = LoadTypeLibEx(path, REGKIND_NONE, &library);
  if (FAILED(result)) return result;
  result = library->GetTypeInfoOfGuid(interfaceId, info);
  library->Release();
  return result;
}
