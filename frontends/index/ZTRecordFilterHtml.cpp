#include "frontends/index/ZTRecordFilterHtml.h"

#include <plstr.h>

#include "core/ZTErrors.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ztFieldByName.h"

ZT_DEFINE_ZTIID(ZTRecordFilterHtml, ZTIRecordFilter,
                {0xe38b6d56, 0x3616, 0x482a, {0x92, 0x6f, 0x95, 0xa8, 0x10, 0x89, 0x4b, 0x41}})

ZTRecordFilterHtml::ZTRecordFilterHtml()
    : m_pcStructureFieldName(nullptr),
      m_pStructureField(nullptr),
      m_bCheckMainTitle(1),
      m_uCheckTitleLevel(7) {}

ZTRecordFilterHtml::~ZTRecordFilterHtml() {
  ztRelease(m_pStructureField);
  if (m_pcStructureFieldName) PL_strfree(m_pcStructureFieldName);
}

int ZTRecordFilterHtml::SetStructureFieldName(const char* name) {
  if (!name) return ZT_E_INVALID;
  ztRelease(m_pStructureField);
  char* copy = PL_strdup(name);
  if (!copy) return ZT_E_NOMEM;
  if (m_pcStructureFieldName) PL_strfree(m_pcStructureFieldName);
  m_pcStructureFieldName = copy;
  return ZT_OK;
}

int ZTRecordFilterHtml::SetCheckMainTitle(int check) {
  m_bCheckMainTitle = check;
  return ZT_OK;
}

int ZTRecordFilterHtml::SetCheckTitleLevel(unsigned level) {
  m_uCheckTitleLevel = level;
  return ZT_OK;
}

int ZTRecordFilterHtml::SetRecordSet(ZTIRecordSet* recordSet) {
  if (!m_pcStructureFieldName) return ZT_E_FAILED;
  ZTIField* field = nullptr;
  const int rc = ztFieldByName(recordSet, m_pcStructureFieldName, &field);
  if (rc != ZT_OK) return rc;
  ztRelease(m_pStructureField);
  m_pStructureField = field;
  return ZTIRecordFilter::SetRecordSet(recordSet);
}

int ZTRecordFilterHtml::CheckRecord(ZTIRecord* record, int* pbKeep) {
  if (!m_pStructureField) return ZT_E_STATE;
  PRUint32 structure = 0;
  const int rc = record->GetUNumFieldValue(m_pStructureField, &structure);
  if (rc != ZT_OK) return rc;
  const PRUint32 level = (structure >> 2) & 7;
  *pbKeep = (m_bCheckMainTitle && level == 0) || (level != 0 && level <= m_uCheckTitleLevel);
  return ZT_OK;
}
