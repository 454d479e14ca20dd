// A valid module: "test"/"echo" echoes its arguments, "test"/"fail" always fails with 15.
#include "core/ZTModuleEntry.h"
#include "core/tests/modules/ztEcho.h"

namespace {

int CreateEcho(const char* args, ZTRefCount** ppOut) {
  return ztEchoCreate("echo", args, ppOut);
}

int CreateFail(const char*, ZTRefCount** ppOut) {
  if (ppOut) *ppOut = nullptr;
  return ZT_E_UNSUPPORTED;
}

const ZTComponentData_s s_table[] = {
    {"test", "echo", CreateEcho}, {"test", "fail", CreateFail}, {nullptr, nullptr, nullptr}};

}  // namespace

ZT_MODULE_COMPONENTS(s_table)
ZT_MODULE_DEFAULT_INITIALIZE
