#include "core/ZTFile.h"

#include <plstr.h>
#include <prio.h>
#include <prmem.h>
#include <prprf.h>

#include <cstring>

#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTSearchPath.h"

ZTFile::ZTFile() : m_pcPath(nullptr) {}

ZTFile::~ZTFile() {
  PL_strfree(m_pcPath);
}

int ZTFile::Check() {
  return ZT_OK;
}

int ZTFile::SetFileName(const char* name, const char* subname) {
  if (!name || !*name) return ZT_E_INVALID;
  PL_strfree(m_pcPath);
  m_pcPath = nullptr;
  char* found = nullptr;
  if (FindFileInEnvirPath(name, &found)) return ZT_E_NOTFOUND;
  PRFileInfo64 info;
  if (PR_GetFileInfo64(found, &info) != PR_SUCCESS) {
    PR_Free(found);
    return ZT_E_FAILED;
  }
  if (info.type != PR_FILE_DIRECTORY) {
    m_pcPath = found;
    return ZT_OK;
  }
  if (!subname || !*subname) {
    PR_Free(found);
    return ZT_E_INVALID;
  }
  m_pcPath = PR_smprintf("%s/%s", found, subname);
  PR_Free(found);
  return m_pcPath ? ZT_OK : ZT_E_NOMEM;
}

int ZTFile::ConfigureItem(const char* section, const char* key, const char* value) {
  if (key && std::strcmp(key, "PATH") == 0) return SetFileName(value, nullptr);
  return ZTError(ZT_E_BADOPTION, "[ZTFile::Configure] Invalid configuration option [%s] %s=%s",
                 section, key, value);
}

int ZTFile::GetFileName(char** ppcPath) const {
  if (!ppcPath) return ZT_E_INVALID;
  *ppcPath = m_pcPath ? PL_strdup(m_pcPath) : nullptr;
  return *ppcPath ? ZT_OK : ZT_E_INVALID;
}

int ZTFile::PushEnvir() {
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  if (!rc) rc = envir->Push();
  if (rc) return rc;
  const char* slash = m_pcPath ? std::strrchr(m_pcPath, '/') : nullptr;
  if (!slash) return ZT_OK;
  // A file in the root directory has "/" as its directory.
  int length = slash == m_pcPath ? 1 : static_cast<int>(slash - m_pcPath);
  char* entry = PR_smprintf("%.*s;", length, m_pcPath);
  rc = entry ? envir->PrependToValue("PATH", entry) : ZT_E_NOMEM;
  if (entry) PR_smprintf_free(entry);
  if (rc) envir->Pop();
  return rc;
}

int ZTFile::PopEnvir() {
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  return rc ? rc : envir->Pop();
}
