#include "find/ztCreateRecordSet.h"

#include <prprf.h>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "find/ZTIRecordSet.h"

int ztCreateRecordSet(const char* value, ZTIRecordSet** ppSet) {
  if (!ppSet) return ZT_E_INVALID;
  *ppSet = nullptr;
  // Record sets are made often (one per link followed): a short URL is built on the stack.
  char buffer[64];
  char* url = buffer;
  if (PR_snprintf(buffer, sizeof buffer, "recordset:%s", value ? value : "") >= sizeof buffer - 1) {
    url = PR_smprintf("recordset:%s", value ? value : "");
    if (!url) return ZT_E_NOMEM;
  }
  void* set = nullptr;
  const int rc = ztCreateComponent(url, ZTIRecordSet::GetZTIID(), &set);
  if (url != buffer) PR_smprintf_free(url);
  *ppSet = static_cast<ZTIRecordSet*>(set);
  return rc;
}
