#include "find/ZTRecordFilterUNumBitField.h"

#include <prmem.h>

#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "find/detail/ztAlloc.h"

ZT_DEFINE_ZTIID(ZTRecordFilterUNumBitField, ZTIRecordFilter,
                {0xf5586dcc, 0xc076, 0x407d, {0x90, 0x1a, 0x47, 0x45, 0x15, 0x59, 0x2f, 0x15}})

ZTRecordFilterUNumBitField::ZTRecordFilterUNumBitField()
    : m_bDefaultPolicy(1), m_pRules(nullptr), m_uRules(0), m_uRuleCapacity(0) {}

ZTRecordFilterUNumBitField::~ZTRecordFilterUNumBitField() {
  ztFree(m_pRules);
}

int ZTRecordFilterUNumBitField::SetField(const char* name) {
  return m_field.SetField(name);
}

int ZTRecordFilterUNumBitField::SetOptionalLink(const char* linkFieldName,
                                                ZTIRecordSet* linkedRecordSet,
                                                int bRanksAreRecordNumbers) {
  return m_field.SetOptionalLink(linkFieldName, linkedRecordSet, bRanksAreRecordNumbers);
}

int ZTRecordFilterUNumBitField::SetRecordSet(ZTIRecordSet* recordSet) {
  const int rc = m_field.Resolve(recordSet);
  return rc == ZT_OK ? ZTIRecordFilter::SetRecordSet(recordSet) : rc;
}

int ZTRecordFilterUNumBitField::SetDefaultPolicy(int bAccept) {
  m_bDefaultPolicy = bAccept;
  return ZT_OK;
}

int ZTRecordFilterUNumBitField::Clear() {
  ztFree(m_pRules);
  m_uRules = m_uRuleCapacity = 0;
  m_bDefaultPolicy = 1;
  return ZT_OK;
}

int ZTRecordFilterUNumBitField::AddRule(PRUint32 accept, PRUint32 shift, PRUint32 mask,
                                        PRUint32 minimum, PRUint32 maximum) {
  if (m_uRules == m_uRuleCapacity) {
    const PRUint32 capacity = m_uRuleCapacity + 10;
    void* grown = capacity > PR_UINT32_MAX / sizeof(Rule)
                      ? nullptr
                      : PR_Realloc(m_pRules, capacity * sizeof(Rule));
    if (!grown) {
      return ZTError(ZT_E_NOMEM, "[ZTCursorFilterUNumBitField::AddRule] Cannot allocate memory");
    }
    m_pRules = static_cast<Rule*>(grown);
    m_uRuleCapacity = capacity;
  }
  m_pRules[m_uRules++] = Rule{accept, shift, mask, minimum, maximum};
  return ZT_OK;
}

int ZTRecordFilterUNumBitField::AddAcceptedValue(PRUint32 value) {
  return AddRule(1, 0, PR_UINT32_MAX, value, value);
}

int ZTRecordFilterUNumBitField::AddAcceptedRange(PRUint32 low, PRUint32 high) {
  return AddRule(1, 0, PR_UINT32_MAX, low, high);
}

int ZTRecordFilterUNumBitField::AddRejectedValue(PRUint32 value) {
  return AddRule(0, 0, PR_UINT32_MAX, value, value);
}

int ZTRecordFilterUNumBitField::AddRejectedRange(PRUint32 low, PRUint32 high) {
  return AddRule(0, 0, PR_UINT32_MAX, low, high);
}

int ZTRecordFilterUNumBitField::Decide(PRUint32 value) const {
  for (PRUint32 i = 0; i < m_uRules; ++i) {
    const Rule& rule = m_pRules[i];
    // Shifting a 32-bit value by 32 or more leaves nothing.
    const PRUint32 bits = (rule.shift < 32 ? value >> rule.shift : 0) & rule.mask;
    if (bits >= rule.minimum && bits <= rule.maximum) return rule.accept ? 1 : 0;
  }
  return m_bDefaultPolicy;
}

int ZTRecordFilterUNumBitField::CheckRecord(ZTIRecord* record, int* pbKeep) {
  if (!record || !pbKeep) {
    return ZTError(ZT_E_INVALID, "[ZTRecordFilterUNumBitField::CheckRecord] null argument");
  }
  *pbKeep = m_bDefaultPolicy;
  if (!m_field.GetField()) {
    return ZTError(ZT_E_STATE, "[ZTRecordFilterUNumBitField::CheckRecord] no field resolved");
  }
  record->AddRef();
  int rc = m_field.GetResolvedRecord(&record);
  PRUint32 value = 0;
  if (rc == ZT_OK) rc = record->GetUNumFieldValue(m_field.GetField(), &value);
  record->Release();
  if (rc == ZT_OK) *pbKeep = Decide(value);
  return rc;
}
