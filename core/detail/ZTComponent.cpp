#include "core/detail/ZTComponent.h"

#include "core/ZTModule.h"

ZTComponent::ZTComponent(ZTModule* pModule, ZTCreateFunction pfnCreate)
    : m_pModule(pModule), m_pfnCreate(pfnCreate) {
  m_pModule->AddRef();
}

ZTComponent::~ZTComponent() {
  m_pModule->Release();
}

int ZTComponent::CreateInstance(const char* pcszArgs, ZTRefCount** ppOut) {
  return m_pfnCreate(pcszArgs, ppOut);
}
