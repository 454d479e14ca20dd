#include "platform/win32/real/VLRealAutomation.h"

#include <oleauto.h>

#include "platform/win32/real/VLComDispatch.h"
#include "platform/win32/real/VLRealErrors.h"

namespace {

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

VLStatus ClassOf(const std::string& progId, CLSID* id) {
  const HRESULT found = CLSIDFromProgID(Wide(progId).c_str(), id);
  return FAILED(found) ? vlHResult(found, "Invalid class string: " + progId) : VLStatus::Ok();
}

VLStatus AsDispatch(IUnknown* unknown, VLVariant* object) {
  IDispatch* dispatch = nullptr;
  const HRESULT asked = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  unknown->Release();
  if (FAILED(asked)) return vlHResult(asked, "No automation object");
  *object = vlWrapDispatch(dispatch);
  dispatch->Release();
  return VLStatus::Ok();
}

// HKEY_CLASSES_ROOT\path gets the default value data and, when name is given, name = value.
bool SetClassValue(const std::string& path, const char* name, const std::string& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const bool written =
      RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

bool DeleteClassTree(const std::string& path) {
  const LSTATUS result = RegDeleteTreeA(HKEY_CLASSES_ROOT, path.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::string ModulePath(HINSTANCE module) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

VLStatus LoadModuleTypeLib(HINSTANCE module, REGKIND kind, ITypeLib** library) {
  const std::string path = ModulePath(module);
  if (path.empty()) return vlLastError("Module path unknown");
  const HRESULT loaded = LoadTypeLibEx(Wide(path).c_str(), kind, library);
  return FAILED(loaded) ? vlHResult(loaded, "Cannot load the type library") : VLStatus::Ok();
}

}  // namespace

bool VLRealAutomation::Initialize() {
  return SUCCEEDED(CoInitialize(nullptr));
}

void VLRealAutomation::Uninitialize() {
  CoUninitialize();
}

VLStatus VLRealAutomation::Create(const std::string& progId, VLVariant* object) {
  CLSID id;
  VLStatus status = ClassOf(progId, &id);
  if (status.Failed()) return status;
  IUnknown* unknown = nullptr;
  const HRESULT made = CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                        IID_IUnknown, reinterpret_cast<void**>(&unknown));
  return FAILED(made) ? vlHResult(made, "Cannot create " + progId) : AsDispatch(unknown, object);
}

VLStatus VLRealAutomation::Running(const std::string& progId, VLVariant* object) {
  CLSID id;
  VLStatus status = ClassOf(progId, &id);
  if (status.Failed()) return status;
  IUnknown* unknown = nullptr;
  const HRESULT found = GetActiveObject(id, nullptr, &unknown);
  return FAILED(found) ? vlHResult(found, "Operation unavailable") : AsDispatch(unknown, object);
}

VLStatus VLRealAutomation::RegisterServer(const VLServerInfo& server) {
  const std::string path = ModulePath(m_hModule);
  const std::string classKey = std::string("CLSID\\") + server.m_szClassId;
  const bool written =
      !path.empty() && SetClassValue(classKey, nullptr, server.m_szDescription) &&
      SetClassValue(classKey + "\\InprocServer32", nullptr, path) &&
      SetClassValue(classKey + "\\InprocServer32", "ThreadingModel", "Apartment") &&
      SetClassValue(classKey + "\\ProgID", nullptr, server.m_szProgId) &&
      SetClassValue(server.m_szProgId, nullptr, server.m_szDescription) &&
      SetClassValue(std::string(server.m_szProgId) + "\\CLSID", nullptr, server.m_szClassId);
  if (!written) return vlLastError("Cannot write the class registration");
  ITypeLib* library = nullptr;
  VLStatus status = LoadModuleTypeLib(m_hModule, REGKIND_REGISTER, &library);
  if (library) library->Release();
  return status;
}

VLStatus VLRealAutomation::UnregisterServer(const VLServerInfo& server) {
  ITypeLib* library = nullptr;
  VLStatus status = LoadModuleTypeLib(m_hModule, REGKIND_NONE, &library);
  if (library) {
    TLIBATTR* attributes = nullptr;
    if (SUCCEEDED(library->GetLibAttr(&attributes))) {
      const HRESULT removed =
          UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                            attributes->lcid, attributes->syskind);
      if (FAILED(removed) && removed != TYPE_E_REGISTRYACCESS) {
        status = vlHResult(removed, "Cannot remove the type library");
      }
      library->ReleaseTLibAttr(attributes);
    }
    library->Release();
  }
  const bool deleted = DeleteClassTree(std::string("CLSID\\") + server.m_szClassId) &&
                       DeleteClassTree(server.m_szProgId);
  return !deleted ? vlLastError("Cannot remove the class registration") : status;
}
