// The native back-end's module entry points: one component, "recordset" / "native", whose
// objects are native tables opened by the URL's argument.
#include <new>

#include "backends/native/ZTTable.h"
#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTModuleEntry.h"

namespace {

int CreateNativeRecordSet(const char* pcszArgs, ZTRefCount** ppOut) {
  if (!pcszArgs || !ppOut) return ZT_E_INVALID;
  *ppOut = nullptr;
  ZTTable* table = new (std::nothrow) ZTTable();
  if (!table) return ZT_E_NOMEM;
  if (*pcszArgs) {
    int rc = table->SetFileName(pcszArgs);
    if (rc) {
      table->Release();
      return rc;
    }
  }
  *ppOut = table;
  return ZT_OK;
}

const ZTComponentData_s s_components[] = {{"recordset", "native", CreateNativeRecordSet},
                                          {nullptr, nullptr, nullptr}};

}  // namespace

ZT_MODULE_COMPONENTS(s_components)

ZT_MODULE_EXPORT int ZTModuleInitialize(ZTEnvir* pEnvir, ZTFactory* pFactory) {
  ztModuleInstall(pEnvir, pFactory);
  ZTEnvir* envir = nullptr;
  if (ZTEnvir::GetEnvir(&envir) == ZT_OK) {
    envir->ImportValue("ZTF_BE_NATIVE_DEFAULT_OPENMODE", "ZTF_BE_NATIVE_DEFAULT_OPENMODE",
                       PR_FALSE);
    envir->ImportValue("ZTF_BE_NATIVE_AUTOMAPLIMIT", "ZTF_BE_NATIVE_AUTOMAPLIMIT", PR_FALSE);
  }
  return ZT_OK;
}
