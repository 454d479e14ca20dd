#include "find/ztLinkedField.h"

#include <plstr.h>

#include "core/ZTErrors.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/detail/ztStoreCopy.h"
#include "find/ztFieldByName.h"
#include "find/ztRefAssign.h"

ztLinkedField::ztLinkedField()
    : m_pcFieldName(nullptr),
      m_pField(nullptr),
      m_pcLinkFieldName(nullptr),
      m_pLinkField(nullptr),
      m_pLinkedRecordSet(nullptr),
      m_bRanksAreRecordNumbers(1) {}

ztLinkedField::~ztLinkedField() {
  if (m_pcFieldName) PL_strfree(m_pcFieldName);
  if (m_pcLinkFieldName) PL_strfree(m_pcLinkFieldName);
  ztRelease(m_pField);
  ztRelease(m_pLinkField);
  ztRelease(m_pLinkedRecordSet);
}

int ztLinkedField::SetField(const char* name) {
  return ztStoreCopy(&m_pcFieldName, name, "ztLinkedField::SetField");
}

int ztLinkedField::SetOptionalLink(const char* linkFieldName, ZTIRecordSet* linkedRecordSet,
                                   int bRanksAreRecordNumbers) {
  const int rc = ztStoreCopy(&m_pcLinkFieldName, linkFieldName, "ztLinkedField::SetOptionalLink");
  if (rc != ZT_OK) return rc;
  ztAssignRef(m_pLinkedRecordSet, linkedRecordSet);
  m_bRanksAreRecordNumbers = bRanksAreRecordNumbers;
  return ZT_OK;
}

int ztLinkedField::Resolve(ZTIRecordSet* recordSet) {
  if (!recordSet) return ZTError(ZT_E_INVALID, "[ztLinkedField::Resolve] null record set");
  ZTIField* field = nullptr;
  ZTIField* link = nullptr;
  int rc = ZT_OK;
  if (m_pcLinkFieldName && m_pLinkedRecordSet) {
    rc = ztFieldByName(recordSet, m_pcLinkFieldName, &link);
    if (rc == ZT_OK) rc = ztFieldByName(m_pLinkedRecordSet, m_pcFieldName, &field);
  } else {
    rc = ztFieldByName(recordSet, m_pcFieldName, &field);
  }
  if (rc != ZT_OK) {
    ztRelease(field);
    ztRelease(link);
    return rc;
  }
  ztRelease(m_pField);
  ztRelease(m_pLinkField);
  m_pField = field;
  m_pLinkField = link;
  return ZT_OK;
}

int ztLinkedField::GetResolvedRecord(ZTIRecord** ppRecord) const {
  if (!ppRecord || !*ppRecord) {
    return ZTError(ZT_E_INVALID, "[ztLinkedField::GetResolvedRecord] null record");
  }
  if (!m_pLinkField) return ZT_OK;
  PRUint32 target = 0;
  int rc = (*ppRecord)->GetUNumFieldValue(m_pLinkField, &target);
  if (rc == ZT_OK && !m_bRanksAreRecordNumbers) {
    rc = m_pLinkedRecordSet->LookupUNum(target, ztfLookupEqual, &target);
  }
  ZTIRecord* linked = nullptr;
  if (rc == ZT_OK) rc = m_pLinkedRecordSet->GetRecord(target, &linked);
  if (rc != ZT_OK) return rc;
  (*ppRecord)->Release();
  *ppRecord = linked;
  return ZT_OK;
}
