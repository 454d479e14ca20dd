#include "find/ZTRecordComparatorChain.h"

#include <prprf.h>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/detail/ztOrder.h"
#include "find/detail/ztTextBinary.h"

ZT_DEFINE_ZTIID(ZTRecordComparatorChain, ZTIRecordComparator,
                {0x13c6f1e3, 0xe175, 0x4bd3, {0xb7, 0xb5, 0x75, 0xb0, 0xaf, 0x4c, 0x7a, 0x17}})

int ZTRecordComparatorChain::AddComparator(ZTIRecordComparator* comparator) {
  if (!comparator) return ZTError(ZT_E_INVALID, "[ZTRecordComparatorChain::AddComparator] null");
  if (m_comparators.Append(comparator) != ZT_OK) {
    return ZTError(ZT_E_NOMEM, "[ZTRecordComparatorChain::AddComparator] Cannot allocate memory");
  }
  return ZT_OK;
}

int ZTRecordComparatorChain::CompareRecords(ZTIRecord* a, ZTIRecord* b, int* piResult) {
  if (!piResult) return ZTError(ZT_E_INVALID, "[ZTRecordComparatorChain::CompareRecords] null out");
  int result = 0;
  int rc = ZT_OK;
  for (PRUint32 i = 0; rc == ZT_OK && result == 0 && i < m_comparators.GetCount(); ++i) {
    rc = m_comparators.Get(i)->CompareRecords(a, b, &result);
  }
  *piResult = ztApplySortingOrder(result, m_iSortingOrder);
  return rc;
}

int ZTRecordComparatorChain::SetRecordSet(ZTIRecordSet* recordSet) {
  for (PRUint32 i = 0; i < m_comparators.GetCount(); ++i) {
    const int rc = m_comparators.Get(i)->SetRecordSet(recordSet);
    if (rc != ZT_OK) return rc;
  }
  return ZTIRecordComparator::SetRecordSet(recordSet);
}

int ZTRecordComparatorChain::GetMyComparatorID(ZTBinary** ppId) {
  if (!ppId) return ZTError(ZT_E_INVALID, "[ZTRecordComparatorChain::GetMyComparatorID] null out");
  *ppId = nullptr;
  char* text = PR_smprintf("ChainRC{");
  bool unknown = false;
  int rc = ZT_OK;
  for (PRUint32 i = 0; rc == ZT_OK && text && !unknown && i < m_comparators.GetCount(); ++i) {
    ZTBinary* id = nullptr;
    rc = m_comparators.Get(i)->GetRecordComparatorID(&id);
    if (rc == ZT_OK && !ztBinaryText(id)) {
      rc = ZTError(ZT_E_FAILED, "[ZTRecordComparatorChain::GetMyComparatorID] no text");
    }
    if (rc == ZT_OK) {
      unknown = ztIsUnknownId(id);
      text = PR_sprintf_append(text, "%s%s", i ? "|" : "", ztBinaryText(id));
    }
    ztRelease(id);
  }
  if (rc == ZT_OK) {
    text = text ? PR_sprintf_append(text, "}") : nullptr;
    rc = text ? ztMakeTextBinary(unknown ? "UNKNOWN" : text, ppId)
              : ZTError(ZT_E_NOMEM,
                        "[ZTRecordComparatorChain::GetMyComparatorID] Cannot allocate memory");
  }
  if (text) PR_smprintf_free(text);
  return rc;
}
