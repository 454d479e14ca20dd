#include "core/ZTModule.h"

#include <prerror.h>
#include <prmem.h>

#include <cstring>

#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTModuleEntry.h"
#include "core/ztConsoleLog.h"

namespace {

// The first lines of every report about a load: the path, then "(rtldg)" for a global load.
void LogLoading(const char* path, bool global) {
  ztConsoleLog::DebugLog("--- ZTFactory: loading '%s'...", path);
  if (global) ztConsoleLog::DebugLog("(rtldg)");
}

void LogLoadFailure(const char* path, bool global) {
  PRErrorCode code = PR_GetError();
  PRInt32 length = PR_GetErrorTextLength();
  char* text = static_cast<char*>(PR_Malloc(length + 1));
  if (text) {
    text[0] = '\0';
    if (length > 0) PR_GetErrorText(text);
  }
  LogLoading(path, global);
  ztConsoleLog::DebugLog("failed: (%d) %s.", code, text ? text : "");
  PR_Free(text);
}

}  // namespace

ZTModule::ZTModule() : m_pLibrary(nullptr), m_pComponentData(nullptr), m_bUnload(PR_TRUE) {}

ZTModule::~ZTModule() {
  if (m_pLibrary && m_bUnload) PR_UnloadLibrary(m_pLibrary);
}

int ZTModule::Load(const char* pcszPath, int iVerbosity) {
  if (!pcszPath || m_pLibrary) return ZT_E_INVALID;
  const bool global = std::strstr(pcszPath, "_rtldg.") != nullptr;
  PRLibSpec spec;
  spec.type = PR_LibSpec_Pathname;
  spec.value.pathname = pcszPath;
  m_pLibrary = PR_LoadLibraryWithFlags(spec, global ? PR_LD_NOW | PR_LD_GLOBAL : 0);
  if (!m_pLibrary) {
    if (iVerbosity > 0) LogLoadFailure(pcszPath, global);
    return ZT_E_FAILED;
  }
  auto getComponentData = reinterpret_cast<ZTModuleGetComponentDataFunction>(
      PR_FindFunctionSymbol(m_pLibrary, "ZTModuleGetComponentData"));
  auto initialize = reinterpret_cast<ZTModuleInitializeFunction>(
      PR_FindFunctionSymbol(m_pLibrary, "ZTModuleInitialize"));
  if (!getComponentData || !initialize) {
    if (iVerbosity > 0) {
      LogLoading(pcszPath, global);
      ztConsoleLog::DebugLog("not a ZT module.");
    }
    return ZT_E_FAILED;
  }
  if (PR_FindSymbol(m_pLibrary, "ZTDoNotUnload")) m_bUnload = PR_FALSE;

  ZTEnvir* envir = nullptr;
  ZTFactory* factory = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  if (!rc) rc = ZTFactory::GetFactory(&factory);
  if (rc) return rc;
  initialize(envir, factory);
  m_pComponentData = getComponentData();
  if (iVerbosity > 1) {
    LogLoading(pcszPath, global);
    ztConsoleLog::DebugLog("succeeded.");
  }
  return ZT_OK;
}
