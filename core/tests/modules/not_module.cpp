// A library with a component table but without ZTModuleInitialize: not a module.
#include "core/ZTModuleEntry.h"

namespace {

int Create(const char*, ZTRefCount** ppOut) {
  if (ppOut) *ppOut = nullptr;
  return 0;
}

const ZTComponentData_s s_table[] = {{"test", "orphan", Create}, {nullptr, nullptr, nullptr}};

}  // namespace

ZT_MODULE_COMPONENTS(s_table)
