#include "core/ZTFactory.h"

#include <plstr.h>
#include <prmem.h>

#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "core/ZTRefCount.h"
#include "core/detail/ZTMainFactory.h"
#include "core/detail/ztDiskLocator.h"
#include "core/ztConsoleLog.h"

namespace {

// Deletes the process-wide factory at process exit.
struct ztFactoryHolder {
  ~ztFactoryHolder() {
    delete s_pInstance;
    s_pInstance = nullptr;
  }
  static ZTFactory* s_pInstance;
};
ZTFactory* ztFactoryHolder::s_pInstance = nullptr;
ztFactoryHolder s_holder;

// The value of a hexadecimal digit, or -1.
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

PLHashAllocOps ZTFactory::m_sAllocOps = {AllocTable, FreeTable, AllocEntry, FreeEntry};

void* ZTFactory::AllocTable(void*, PRSize size) {
  return PR_Malloc(size);
}

void ZTFactory::FreeTable(void*, void* pItem) {
  PR_Free(pItem);
}

PLHashEntry* ZTFactory::AllocEntry(void*, const void*) {
  return static_cast<PLHashEntry*>(PR_Malloc(sizeof(PLHashEntry)));
}

// The key is freed only with its entry: when NSPR replaces a value it keeps the entry's key.
void ZTFactory::FreeEntry(void* pPool, PLHashEntry* pEntry, PRUintn flag) {
  static_cast<ZTFactory*>(pPool)->DeleteValue(pEntry->value);
  if (flag == HT_FREE_ENTRY) {
    PL_strfree(const_cast<char*>(static_cast<const char*>(pEntry->key)));
    PR_Free(pEntry);
  }
}

ZTFactory::ZTFactory() : m_pTable(nullptr), m_bTerminated(PR_FALSE) {}

ZTFactory::~ZTFactory() {
  DestroyTable();
}

void ZTFactory::DestroyTable() {
  if (!m_pTable) return;
  PL_HashTableDestroy(m_pTable);
  m_pTable = nullptr;
}

int ZTFactory::BrowseDirectory(const char*, int) {
  return ZT_E_FAILED;
}

int ZTFactory::Terminate() {
  m_bTerminated = PR_TRUE;
  return ZT_OK;
}

int ZTFactory::Reactivate() {
  return ZT_OK;
}

int ZTFactory::Init() {
  if (m_bTerminated) return ZTError(ZT_E_TERMINATED, "[ZTFactory] Terminated");
  ztConsoleLog::Init();
  if (!m_pTable) {
    m_pTable =
        PL_NewHashTable(32, PL_HashString, PL_CompareStrings, PL_CompareValues, &m_sAllocOps, this);
    if (!m_pTable) return ZT_E_NOMEM;
  }
  return OnInit();
}

void* ZTFactory::FindEntry(const char* pcszKey) const {
  return PL_HashTableLookupConst(m_pTable, pcszKey);
}

int ZTFactory::AddEntry(const char* pcszKey, void* pValue) {
  char* key = PL_strdup(pcszKey);
  if (key && PL_HashTableAdd(m_pTable, key, pValue)) return ZT_OK;
  PL_strfree(key);
  return ZT_E_NOMEM;
}

int ZTFactory::CheckActive(const char* pcszOperation) const {
  if (m_bTerminated) return ZTError(ZT_E_TERMINATED, "[ZTFactory] Terminated");
  if (!m_pTable) {
    return ZTError(ZT_E_NOTINIT, "[ZTFactory::%s] Factory not initialized", pcszOperation);
  }
  return ZT_OK;
}

int ZTFactory::Lookup(const char* pcszUrl, char** ppcKey, const char** ppcszRest,
                      void** ppValue) const {
  const char* colon = std::strchr(pcszUrl, ':');
  if (!colon) return ZT_E_FAILED;
  *ppcKey = PL_strndup(pcszUrl, static_cast<PRUint32>(colon - pcszUrl));
  if (!*ppcKey) return ZT_E_NOMEM;
  *ppcszRest = colon + 1;
  *ppValue = FindEntry(*ppcKey);
  return ZT_OK;
}

int ZTFactory::HasComponent(const char* pcszUrl, PRBool* pbHas) {
  int rc = CheckActive("HasComponent");
  if (rc) return rc;
  if (!pcszUrl || !pbHas) return ZT_E_INVALID;
  *pbHas = PR_FALSE;
  char* key = nullptr;
  const char* rest = nullptr;
  void* value = nullptr;
  rc = Lookup(pcszUrl, &key, &rest, &value);
  if (!rc && value) rc = RealHasComponent(value, rest, pbHas);
  PL_strfree(key);
  return rc;
}

int ZTFactory::CreateInstance(const char* pcszUrl, ZTRefCount** ppOut) {
  int rc = CheckActive("CreateInstance");
  if (rc) return rc;
  if (ppOut) *ppOut = nullptr;
  if (!pcszUrl) return ZT_E_FAILED;
  char* key = nullptr;
  const char* rest = nullptr;
  void* value = nullptr;
  rc = Lookup(pcszUrl, &key, &rest, &value);
  if (!rc) {
    rc = value
             ? RealCreateInstance(value, rest, ppOut)
             : ZTError(ZT_E_NOTFOUND, "[ZTFactory::CreateInstance] component '%s' not found", key);
  }
  PL_strfree(key);
  return rc;
}

int ZTFactory::AddDisk(const char* pcszVolumeLabel, int) {
  return ztDiskLocator().AddToPath(pcszVolumeLabel);
}

int ZTFactory::GetFactory(ZTFactory** ppFactory) {
  if (!ppFactory) return ZT_E_INVALID;
  if (!ztFactoryHolder::s_pInstance) {
    ZTMainFactory* factory = new (std::nothrow) ZTMainFactory();
    if (!factory) return ZT_E_NOMEM;
    // Installed before its modules load: they ask for the factory while it is initialised.
    ztFactoryHolder::s_pInstance = factory;
    int rc = factory->Init();
    if (rc) {
      ztFactoryHolder::s_pInstance = nullptr;
      delete factory;
      *ppFactory = nullptr;
      return rc;
    }
  }
  *ppFactory = ztFactoryHolder::s_pInstance;
  return ZT_OK;
}

int ZTFactory::SetFactory(ZTFactory* pFactory) {
  if (ztFactoryHolder::s_pInstance != pFactory) delete ztFactoryHolder::s_pInstance;
  ztFactoryHolder::s_pInstance = pFactory;
  return ZT_OK;
}

int ZTFactory::UrlDecode(char* pcString) {
  if (!pcString) return ZT_E_INVALID;
  char* out = pcString;
  for (const char* in = pcString; *in; ++out) {
    if (*in == '+') {
      *out = ' ';
      ++in;
    } else if (*in != '%') {
      *out = *in++;
    } else {
      // The second digit is read only when the first one is there.
      const int high = HexValue(in[1]);
      const int low = high < 0 ? -1 : HexValue(in[2]);
      if (low < 0) {
        out[0] = '?';
        out[1] = '\0';
        return ZTError(ZT_E_INVALID, "[ZTFactory::UrlDecode] bad URL format");
      }
      *out = static_cast<char>(high * 16 + low);
      in += 3;
    }
  }
  *out = '\0';
  return ZT_OK;
}

int ztCreateComponent(const char* pcszUrl, const ztID& iid, void** ppOut) {
  if (!ppOut) return ZT_E_INVALID;
  *ppOut = nullptr;
  ZTFactory* factory = nullptr;
  int rc = ZTFactory::GetFactory(&factory);
  if (rc != ZT_OK) return rc;
  ZTRefCount* object = nullptr;
  if ((rc = factory->CreateInstance(pcszUrl, &object)) != ZT_OK) return rc;
  if (!object) return ZT_E_FAILED;
  rc = object->QueryZTInterface(iid, ppOut);
  object->Release();
  return rc == ZT_OK ? ZT_OK : ZT_E_FAILED;
}
