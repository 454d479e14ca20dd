#include "core/detail/ZTMainFactory.h"

#include <plstr.h>
#include <prio.h>
#include <prprf.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTModule.h"
#include "core/detail/ZTSubFactory.h"
#include "core/ztConsoleLog.h"

const char* const ZTMainFactory::s_ppcszValidDllExtensions[] = {".so", ".dylib", nullptr};

namespace {

// ZT_DEBUG_MODULE as a decimal integer; 0 when unset or not a number.
int ReadVerbosity(ZTEnvir* envir) {
  char* value = nullptr;
  if (envir->GetValue("ZT_DEBUG_MODULE", &value)) return 0;
  long verbosity = std::strtol(value, nullptr, 10);
  PL_strfree(value);
  if (verbosity > INT_MAX) return INT_MAX;
  return verbosity < INT_MIN ? INT_MIN : static_cast<int>(verbosity);
}

// ZT_COM_PATH, else "<ZT_HOME>/ztcomponents", else "./ztcomponents" (free with PL_strfree).
int ReadComponentPath(ZTEnvir* envir, char** ppcPath) {
  int rc = envir->GetValue("ZT_COM_PATH", ppcPath);
  if (rc || **ppcPath) return rc;
  PL_strfree(*ppcPath);
  *ppcPath = nullptr;
  char* home = nullptr;
  rc = envir->GetValue("ZT_HOME", &home);
  if (rc) return rc;
  char* made = PR_smprintf("%s/ztcomponents", *home ? home : ".");
  PL_strfree(home);
  if (made) {
    *ppcPath = PL_strdup(made);
    PR_smprintf_free(made);
  }
  return *ppcPath ? ZT_OK : ZT_E_NOMEM;
}

// Takes ZT_COM_PATH_APPEND as the next path to browse and leaves it empty.
int TakeAppendedPath(ZTEnvir* envir, char** ppcPath) {
  int rc = envir->GetValue("ZT_COM_PATH_APPEND", ppcPath);
  return rc ? rc : envir->SetValue("ZT_COM_PATH_APPEND", "");
}

bool HasModuleExtension(const char* name) {
  const size_t length = std::strlen(name);
  for (const char* const* ext = ZTMainFactory::s_ppcszValidDllExtensions; *ext; ++ext) {
    const size_t extLength = std::strlen(*ext);
    if (length >= extLength && PL_strcasecmp(name + length - extLength, *ext) == 0) return true;
  }
  return false;
}

PRIntn TerminateCategory(PLHashEntry* he, PRIntn, void*) {
  static_cast<ZTSubFactory*>(he->value)->Terminate();
  return HT_ENUMERATE_NEXT;
}

PRIntn ReactivateCategory(PLHashEntry* he, PRIntn, void*) {
  static_cast<ZTSubFactory*>(he->value)->Reactivate();
  return HT_ENUMERATE_NEXT;
}

}  // namespace

ZTMainFactory::ZTMainFactory() {}

ZTMainFactory::~ZTMainFactory() {
  DestroyTable();
}

int ZTMainFactory::OnInit() {
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  if (rc) return rc;
  envir->ImportValue("ZT_COM_PATH", "ZT_COM_PATH", PR_FALSE);
  envir->ImportValue("ZT_DEBUG_MODULE", "ZT_DEBUG_MODULE", PR_FALSE);
  char* path = nullptr;
  rc = ReadComponentPath(envir, &path);
  const int verbosity = ReadVerbosity(envir);
  while (!rc && *path) {
    BrowsePath(path, verbosity);
    PL_strfree(path);
    path = nullptr;
    rc = TakeAppendedPath(envir, &path);
  }
  PL_strfree(path);
  return rc;
}

void ZTMainFactory::BrowsePath(char* pcPath, int iVerbosity) {
  for (char* piece = pcPath; piece;) {
    char* separator = std::strchr(piece, ';');
    if (separator) *separator = '\0';
    if (*piece) BrowseDirectory(piece, iVerbosity);
    piece = separator ? separator + 1 : nullptr;
  }
}

int ZTMainFactory::BrowseDirectory(const char* pcszDirectory, int iVerbosity) {
  if (!pcszDirectory) return ZT_E_INVALID;
  if (iVerbosity == -1) {
    ZTEnvir* envir = nullptr;
    iVerbosity = ZTEnvir::GetEnvir(&envir) ? 0 : ReadVerbosity(envir);
  }
  if (iVerbosity > 1) ztConsoleLog::DebugLog("*** ZTFactory: browsing '%s'...\n", pcszDirectory);
  PRDir* dir = PR_OpenDir(pcszDirectory);
  if (!dir) return ZT_E_INVALID;
  int rc = ZT_OK;
  for (PRDirEntry* entry; !rc && (entry = PR_ReadDir(dir, PR_SKIP_HIDDEN));) {
    if (HasModuleExtension(entry->name)) rc = LoadModule(pcszDirectory, entry->name, iVerbosity);
  }
  PR_CloseDir(dir);
  return rc;
}

int ZTMainFactory::LoadModule(const char* pcszDirectory, const char* pcszName, int iVerbosity) {
  ZTModule* module = new (std::nothrow) ZTModule();
  char* path = module ? PR_smprintf("%s/%s", pcszDirectory, pcszName) : nullptr;
  if (!path) {
    ztRelease(module);
    return ZT_E_NOMEM;
  }
  if (module->Load(path, iVerbosity) == ZT_OK) {
    for (const ZTComponentData_s* row = module->GetComponentData(); row && row->m_pcszCategory;
         ++row) {
      if (RegisterComponents(module, row, iVerbosity)) break;
    }
  }
  PR_smprintf_free(path);
  // Destroys the module (and unloads its library) when no component took a reference.
  module->Release();
  return ZT_OK;
}

int ZTMainFactory::RegisterComponents(ZTModule* pModule, const ZTComponentData_s* pRow,
                                      int iVerbosity) {
  auto* category = static_cast<ZTSubFactory*>(FindEntry(pRow->m_pcszCategory));
  if (!category) {
    category = new (std::nothrow) ZTSubFactory();
    if (!category) return ZT_E_NOMEM;
    int rc = category->Init();
    if (!rc) rc = AddEntry(pRow->m_pcszCategory, category);
    if (rc) {
      delete category;
      return rc;
    }
  }
  return category->RegisterComponents(pModule, pRow, iVerbosity);
}

int ZTMainFactory::Terminate() {
  if (m_pTable) PL_HashTableEnumerateEntries(m_pTable, TerminateCategory, nullptr);
  return ZTFactory::Terminate();
}

int ZTMainFactory::Reactivate() {
  if (m_pTable) PL_HashTableEnumerateEntries(m_pTable, ReactivateCategory, nullptr);
  return ZT_OK;
}

int ZTMainFactory::RealHasComponent(void* pValue, const char* pcszRest, PRBool* pbHas) {
  return static_cast<ZTSubFactory*>(pValue)->HasComponent(pcszRest, pbHas);
}

int ZTMainFactory::RealCreateInstance(void* pValue, const char* pcszRest, ZTRefCount** ppOut) {
  return static_cast<ZTSubFactory*>(pValue)->CreateInstance(pcszRest, ppOut);
}

void ZTMainFactory::DeleteValue(void* pValue) {
  delete static_cast<ZTSubFactory*>(pValue);
}
