#include "find/ZTIRecordFilter.h"

#include "core/ZTErrors.h"
#include "find/ZTIRecordSet.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTIRecordFilter, ZTRefCount,
                {0x890d318d, 0xf0b7, 0x4e99, {0xa9, 0xac, 0x60, 0x53, 0xf3, 0x28, 0x80, 0x28}})

ZTIRecordFilter::ZTIRecordFilter() : m_pRecordSet(nullptr) {}

ZTIRecordFilter::~ZTIRecordFilter() {
  ztRelease(m_pRecordSet);
}

int ZTIRecordFilter::Reset() {
  return ZT_OK;
}

int ZTIRecordFilter::SetRecordSet(ZTIRecordSet* recordSet) {
  ztAssignRef(m_pRecordSet, recordSet);
  return ZT_OK;
}

int ZTIRecordFilter::GetRecordSet(ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return ZTError(ZT_E_NULLOUT, "[ZTIRecordFilter::GetRecordSet] null out");
  ztHandOutRef(m_pRecordSet, ppRecordSet);
  return ZT_OK;
}
