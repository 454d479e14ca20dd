// Helpers of the factory tests: the test modules' directories, the engine environment and the
// objects of the echo modules (the log is read with ztTakeLog).
#ifndef CORE_TESTS_ZTFACTORYTESTING_H_
#define CORE_TESTS_ZTFACTORYTESTING_H_

#include <dlfcn.h>
#include <plstr.h>

#include <string>

#include "core/ZTBinary.h"
#include "core/ZTEnvir.h"
#include "core/ZTFactory.h"
#include "core/ztConsoleLog.h"
#include "testing/ztCapturedLog.h"

// The directory of one case of test modules ("valid", "dupa", "names"...).
inline std::string ztTestModuleDir(const std::string& name) {
  return std::string(ZT_BINARY_DIR) + "/testmodules/" + name;
}

inline void ztSetEngineValue(const char* name, const std::string& value) {
  ZTEnvir* envir = nullptr;
  ZTEnvir::GetEnvir(&envir);
  envir->SetValue(name, value.c_str());
}

inline std::string ztEngineValue(const char* name) {
  ZTEnvir* envir = nullptr;
  ZTEnvir::GetEnvir(&envir);
  char* value = nullptr;
  envir->GetValue(name, &value);
  std::string text = value ? value : "";
  PL_strfree(value);
  return text;
}

inline ZTFactory* ztTestFactory() {
  ZTFactory* factory = nullptr;
  ZTFactory::GetFactory(&factory);
  return factory;
}

// The text ("<tag>|<arguments>") of the object the URL creates, or "error <code>".
inline std::string ztEcho(const char* url) {
  ZTRefCount* object = nullptr;
  int rc = ztTestFactory()->CreateInstance(url, &object);
  if (rc) return "error " + std::to_string(rc);
  void* binary = nullptr;
  std::string text = "not a ZTBinary";
  if (object->QueryZTInterface(ZTBinary::GetZTIID(), &binary) == 0) {
    char* data = nullptr;
    static_cast<ZTBinary*>(binary)->GetStringData(&data);
    text = data;
    PL_strfree(data);
    static_cast<ZTBinary*>(binary)->Release();
  }
  object->Release();
  return text;
}

inline bool ztHasComponent(const char* url) {
  PRBool has = PR_FALSE;
  return ztTestFactory()->HasComponent(url, &has) == 0 && has;
}

// Whether the library at path is mapped in the process.
inline bool ztIsMapped(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

#endif  // CORE_TESTS_ZTFACTORYTESTING_H_
