// A module of one component, ZT_TEST_CATEGORY/ZT_TEST_NAME, whose objects carry ZT_TEST_TAG.
// With ZT_TEST_KEEP it also exports ZTDoNotUnload.
#include "core/ZTModuleEntry.h"
#include "core/tests/modules/ztEcho.h"

namespace {

int Create(const char* args, ZTRefCount** ppOut) {
  return ztEchoCreate(ZT_TEST_TAG, args, ppOut);
}

const ZTComponentData_s s_table[] = {{ZT_TEST_CATEGORY, ZT_TEST_NAME, Create},
                                     {nullptr, nullptr, nullptr}};

}  // namespace

ZT_MODULE_COMPONENTS(s_table)
ZT_MODULE_DEFAULT_INITIALIZE
#ifdef ZT_TEST_KEEP
ZT_MODULE_DO_NOT_UNLOAD
#endif
