#include "frontends/wordlist/detail/ztWordListTables.h"

#include <prprf.h>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "find/ZTIField.h"
#include "find/ZTIRecordSet.h"
#include "find/ztFieldByName.h"

int ztCreateComponent(const char* url, const ztID& iid, void** ppOut) {
  *ppOut = nullptr;
  ZTFactory* factory = nullptr;
  int rc = ZTFactory::GetFactory(&factory);
  if (rc != ZT_OK) return rc;
  ZTRefCount* object = nullptr;
  if ((rc = factory->CreateInstance(url, &object)) != ZT_OK) return rc;
  rc = object->QueryZTInterface(iid, ppOut);
  object->Release();
  return rc == ZT_OK ? ZT_OK : ZT_E_FAILED;
}

int ztCreateWordListRecordSet(const char* value, ZTIRecordSet** ppSet) {
  *ppSet = nullptr;
  char* url = PR_smprintf("recordset:%s", value ? value : "");
  if (!url) return ZT_E_NOMEM;
  void* set = nullptr;
  const int rc = ztCreateComponent(url, ZTIRecordSet::GetZTIID(), &set);
  PR_smprintf_free(url);
  *ppSet = static_cast<ZTIRecordSet*>(set);
  return rc;
}

int ztLinkedFieldByName(ZTIField* field, const char* name, ZTIField** ppField) {
  *ppField = nullptr;
  ZTIRecordSet* linked = nullptr;
  int rc = field->GetLinkSubRecordSet(&linked);
  if (rc == ZT_OK) rc = ztFieldByName(linked, name, ppField);
  ztRelease(linked);
  return rc;
}
