// ZTModule, one loaded engine module: its library and its component table. Every component
// registered from the module holds a reference to it; the last release unloads the library
// unless the module exports ZTDoNotUnload.
#ifndef CORE_ZTMODULE_H_
#define CORE_ZTMODULE_H_

#include <prlink.h>

#include "core/ZTFactory.h"
#include "core/ZTRefCount.h"

class ZTCORE_API ZTModule : public ZTRefCount {
 public:
  ZTModule();
  ~ZTModule() override;

  // Loads the library at path as a module: 10 when it cannot be loaded or lacks an entry
  // point, else 0 with the module initialised. A path containing "_rtldg." is bound at once
  // and its symbols made global; any other is bound lazily (NSPR's default binding).
  // Verbosity 1 logs failures, 2 and more successes too.
  int Load(const char* pcszPath, int iVerbosity);

  // The module's component table, null until loaded.
  const ZTComponentData_s* GetComponentData() const { return m_pComponentData; }

 private:
  PRLibrary* m_pLibrary;
  const ZTComponentData_s* m_pComponentData;
  PRBool m_bUnload;
};

#endif  // CORE_ZTMODULE_H_
