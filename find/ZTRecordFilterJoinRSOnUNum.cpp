#include "find/ZTRecordFilterJoinRSOnUNum.h"

#include <plstr.h>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/detail/ztStoreCopy.h"
#include "find/ztFieldByName.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTRecordFilterJoinRSOnUNum, ZTIRecordFilter,
                {0xc84d2518, 0x90f0, 0x490a, {0x88, 0x25, 0x9f, 0xab, 0x85, 0xc8, 0xb7, 0x0a}})

ZTRecordFilterJoinRSOnUNum::ZTRecordFilterJoinRSOnUNum()
    : m_pcFieldName(nullptr),
      m_pField(nullptr),
      m_pJoinCursor(nullptr),
      m_pJoinRecordSet(nullptr),
      m_pJoinField(nullptr),
      m_uPosition(0) {}

ZTRecordFilterJoinRSOnUNum::~ZTRecordFilterJoinRSOnUNum() {
  if (m_pcFieldName) PL_strfree(m_pcFieldName);
  ztRelease(m_pField);
  ztRelease(m_pJoinCursor);
  ztRelease(m_pJoinRecordSet);
  ztRelease(m_pJoinField);
}

int ZTRecordFilterJoinRSOnUNum::SetFieldName(const char* name) {
  const int rc = ztStoreCopy(&m_pcFieldName, name, "ZTRecordFilterJoinRSOnUNum::SetFieldName");
  if (rc == ZT_OK) ztRelease(m_pField);
  return rc;
}

int ZTRecordFilterJoinRSOnUNum::SetRecordSet(ZTIRecordSet* recordSet) {
  ZTIField* field = nullptr;
  const int rc = ztFieldByName(recordSet, m_pcFieldName, &field);
  if (rc != ZT_OK) return rc;
  ztRelease(m_pField);
  m_pField = field;
  return ZTIRecordFilter::SetRecordSet(recordSet);
}

int ZTRecordFilterJoinRSOnUNum::SetFilterData(ZTCursor* joinCursor, ZTIRecordSet* joinRecordSet,
                                              const char* joinField) {
  ZTIField* field = nullptr;
  const int rc = ztFieldByName(joinRecordSet, joinField, &field);
  if (rc != ZT_OK) return rc;
  ztRelease(m_pJoinField);
  m_pJoinField = field;
  ztAssignRef(m_pJoinCursor, joinCursor);
  ztAssignRef(m_pJoinRecordSet, joinRecordSet);
  return ZT_OK;
}

int ZTRecordFilterJoinRSOnUNum::Reset() {
  m_uPosition = 0;
  return ZT_OK;
}

int ZTRecordFilterJoinRSOnUNum::CheckRecord(ZTIRecord* record, int* pbKeep) {
  if (!record || !pbKeep) {
    return ZTError(ZT_E_INVALID, "[ZTRecordFilterJoinRSOnUNum::CheckRecord] null argument");
  }
  *pbKeep = 0;
  if (!m_pField || !m_pJoinCursor || !m_pJoinField) {
    return ZTError(ZT_E_INVALID, "[ZTRecordFilterJoinRSOnUNum::CheckRecord] not set up");
  }
  PRUint32 v = 0;
  int rc = record->GetUNumFieldValue(m_pField, &v);
  if (rc == ZT_OK) rc = m_pJoinCursor->ComputeCursorForm();
  const PRUint32 n = m_pJoinCursor->GetCount();
  for (; rc == ZT_OK && m_uPosition < n; ++m_uPosition) {
    ZTIRecord* joined = nullptr;
    PRUint32 w = 0;
    rc = m_pJoinRecordSet->GetRecord(m_pJoinCursor->GetArray()[m_uPosition], &joined);
    if (rc == ZT_OK) rc = joined->GetUNumFieldValue(m_pJoinField, &w);
    ztRelease(joined);
    if (rc == ZT_OK && w >= v) {
      *pbKeep = w == v;
      break;
    }
  }
  return rc;
}
