#include "find/ztfRecordFilterUNumInCursor.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ztfRecordFilterUNumInCursor, ZTIRecordFilter,
                {0x343ef156, 0xd5b3, 0x4a44, {0xa1, 0x0f, 0xc8, 0x0b, 0x67, 0xf1, 0x31, 0xb8}})

ztfRecordFilterUNumInCursor::ztfRecordFilterUNumInCursor()
    : m_pField(nullptr), m_pCursor(nullptr) {}

ztfRecordFilterUNumInCursor::~ztfRecordFilterUNumInCursor() {
  ztRelease(m_pField);
  ztRelease(m_pCursor);
}

int ztfRecordFilterUNumInCursor::SetField(ZTIField* field) {
  ztAssignRef(m_pField, field);
  return ZT_OK;
}

int ztfRecordFilterUNumInCursor::SetCursor(ZTCursor* cursor) {
  ztAssignRef(m_pCursor, cursor);
  return ZT_OK;
}

int ztfRecordFilterUNumInCursor::CheckRecord(ZTIRecord* record, int* pbKeep) {
  if (!pbKeep) return ZTError(ZT_E_INVALID, "[ztfRecordFilterUNumInCursor::CheckRecord] null out");
  *pbKeep = 0;
  if (!m_pField || !record || !m_pCursor) {
    return ZTError(ZT_E_INVALID,
                   "[ztfRecordFilterUNumInCursor::CheckRecord] no field, record or cursor");
  }
  PRUint32 value = 0;
  const int rc = record->GetUNumFieldValue(m_pField, &value);
  return rc == ZT_OK ? m_pCursor->Lookup(value, pbKeep) : rc;
}
