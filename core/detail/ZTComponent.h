// ZTComponent, one registered component: the module it came from and its create function.
#ifndef CORE_DETAIL_ZTCOMPONENT_H_
#define CORE_DETAIL_ZTCOMPONENT_H_

#include "core/ZTFactory.h"

class ZTModule;
class ZTRefCount;

class ZTComponent {
 public:
  // Holds one reference to module for as long as the component exists.
  ZTComponent(ZTModule* pModule, ZTCreateFunction pfnCreate);
  ~ZTComponent();
  ZTComponent(const ZTComponent&) = delete;
  ZTComponent& operator=(const ZTComponent&) = delete;

  int CreateInstance(const char* pcszArgs, ZTRefCount** ppOut);

 private:
  ZTModule* m_pModule;
  ZTCreateFunction m_pfnCreate;
};

#endif  // CORE_DETAIL_ZTCOMPONENT_H_
