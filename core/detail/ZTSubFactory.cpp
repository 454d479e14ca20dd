#include "core/detail/ZTSubFactory.h"

#include <new>

#include "core/ZTErrors.h"
#include "core/detail/ZTComponent.h"
#include "core/ztConsoleLog.h"

ZTSubFactory::ZTSubFactory() {}

ZTSubFactory::~ZTSubFactory() {
  DestroyTable();
}

int ZTSubFactory::RegisterComponents(ZTModule* pModule, const ZTComponentData_s* pRow,
                                     int iVerbosity) {
  if (!pRow->m_pcszName || !pRow->m_pfnCreate) {
    return ZTError(ZT_E_INVALID, "[ZTFactory::RegisterComponents] incomplete row in category '%s'",
                   pRow->m_pcszCategory);
  }
  if (FindEntry(pRow->m_pcszName)) {
    if (iVerbosity > 0) {
      ztConsoleLog::DebugLog("    ### ZTFactory: component \"%s\" -> \"%s\" already registered.",
                             pRow->m_pcszCategory, pRow->m_pcszName);
    }
    return ZT_OK;
  }
  ZTComponent* component = new (std::nothrow) ZTComponent(pModule, pRow->m_pfnCreate);
  if (!component) return ZT_E_NOMEM;
  int rc = AddEntry(pRow->m_pcszName, component);
  if (rc) {
    delete component;
    return rc;
  }
  if (iVerbosity > 1) {
    ztConsoleLog::DebugLog("    +++ ZTFactory: register component \"%s\" -> \"%s\".",
                           pRow->m_pcszCategory, pRow->m_pcszName);
  }
  return ZT_OK;
}

int ZTSubFactory::OnInit() {
  return ZT_OK;
}

int ZTSubFactory::RealHasComponent(void*, const char*, PRBool* pbHas) {
  *pbHas = PR_TRUE;
  return ZT_OK;
}

int ZTSubFactory::RealCreateInstance(void* pValue, const char* pcszRest, ZTRefCount** ppOut) {
  return static_cast<ZTComponent*>(pValue)->CreateInstance(pcszRest, ppOut);
}

void ZTSubFactory::DeleteValue(void* pValue) {
  delete static_cast<ZTComponent*>(pValue);
}
