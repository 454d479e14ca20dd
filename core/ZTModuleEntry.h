// The entry points of an engine module, a shared library the factory loads at run time:
//   ZTModuleGetComponentData  returns the first row of the module's component table;
//   ZTModuleInitialize        receives the process's environment and factory right after
//                             loading, before the table is read (its result is ignored);
//   ZTDoNotUnload             optional; its presence keeps the library mapped for good.
// A module declares itself in a few lines:
//   static const ZTComponentData_s s_table[] = {{"recordset", "native", Create}, {}};
//   ZT_MODULE_COMPONENTS(s_table)
//   ZT_MODULE_DEFAULT_INITIALIZE
#ifndef CORE_ZTMODULEENTRY_H_
#define CORE_ZTMODULEENTRY_H_

#include "core/ZTCoreExport.h"
#include "core/ZTEnvir.h"
#include "core/ZTFactory.h"

ZT_MODULE_EXPORT const ZTComponentData_s* ZTModuleGetComponentData();
ZT_MODULE_EXPORT int ZTModuleInitialize(ZTEnvir* pEnvir, ZTFactory* pFactory);

typedef const ZTComponentData_s* (*ZTModuleGetComponentDataFunction)();
typedef int (*ZTModuleInitializeFunction)(ZTEnvir* pEnvir, ZTFactory* pFactory);

// Makes the given environment and factory this module's process-wide ones (nothing changes
// when they are current already, as they are for modules that link libztcore).
inline int ztModuleInstall(ZTEnvir* pEnvir, ZTFactory* pFactory) {
  ZTEnvir::SetEnvir(pEnvir);
  ZTFactory::SetFactory(pFactory);
  return 0;
}

#define ZT_MODULE_COMPONENTS(table)                                      \
  ZT_MODULE_EXPORT const ZTComponentData_s* ZTModuleGetComponentData() { \
    return table;                                                        \
  }

#define ZT_MODULE_DEFAULT_INITIALIZE                                              \
  ZT_MODULE_EXPORT int ZTModuleInitialize(ZTEnvir* pEnvir, ZTFactory* pFactory) { \
    return ztModuleInstall(pEnvir, pFactory);                                     \
  }

#define ZT_MODULE_DO_NOT_UNLOAD \
  ZT_MODULE_EXPORT void ZTDoNotUnload() {}

#endif  // CORE_ZTMODULEENTRY_H_
