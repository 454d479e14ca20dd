#include "frontends/wordlist/detail/ztWordListTables.h"

#include "core/ZTErrors.h"
#include "find/ZTIField.h"
#include "find/ZTIRecordSet.h"
#include "find/ztFieldByName.h"

int ztLinkedFieldByName(ZTIField* field, const char* name, ZTIField** ppField) {
  *ppField = nullptr;
  ZTIRecordSet* linked = nullptr;
  int rc = field->GetLinkSubRecordSet(&linked);
  if (rc == ZT_OK) rc = ztFieldByName(linked, name, ppField);
  ztRelease(linked);
  return rc;
}
