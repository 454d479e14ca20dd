#include "find/ztFieldByName.h"

#include "core/ZTErrors.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecordSet.h"

int ztFieldByName(ZTIRecordSet* recordSet, const char* name, ZTIField** ppField) {
  if (!ppField) return ZTError(ZT_E_INVALID, "[ztFieldByName] null out-pointer");
  *ppField = nullptr;
  if (!recordSet) return ZTError(ZT_E_INVALID, "[ztFieldByName] null record set");
  ZTIFldCollection* collection = nullptr;
  int rc = recordSet->GetFldCollection(&collection);
  if (rc == ZT_OK) rc = collection->GetField(name, ppField);
  ztRelease(collection);
  return rc;
}
