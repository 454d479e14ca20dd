#include "frontends/wordlist/detail/ztKeyTextFilter.h"

#include <cstring>
#include <vector>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/ztKeyString.h"

ztKeyTextFilter::ztKeyTextFilter(ZTIField* textField, ZTIRecordFilter* inner, const int* piStop)
    : m_pTextField(textField), m_pInner(inner), m_piStop(piStop) {
  if (m_pTextField) m_pTextField->AddRef();
  if (m_pInner) m_pInner->AddRef();
}

ztKeyTextFilter::~ztKeyTextFilter() {
  ztRelease(m_pInner);
  ztRelease(m_pTextField);
}

int ztKeyTextFilter::Reset() {
  return m_pInner ? m_pInner->Reset() : ZT_OK;
}

int ztKeyTextFilter::SetRecordSet(ZTIRecordSet* recordSet) {
  int rc = ZTIRecordFilter::SetRecordSet(recordSet);
  if (rc == ZT_OK && m_pInner) rc = m_pInner->SetRecordSet(recordSet);
  return rc;
}

int ztKeyTextFilter::MatchValue(const PRUint8* value, PRUint32 size, int* pbMatch) {
  // Stored texts end with their NUL and are matched in place; a text without one is copied.
  const char* text = reinterpret_cast<const char*>(value);
  const char* nul = text ? static_cast<const char*>(std::memchr(text, '\0', size)) : nullptr;
  PRUint32 length = nul ? static_cast<PRUint32>(nul - text) : 0;
  if (!nul || m_bReversed) {
    m_text.assign(text ? text : "", nul ? length : text ? size : 0);
    if (m_bReversed) zt_invertString(&m_text[0]);
    text = m_text.c_str();
    length = static_cast<PRUint32>(std::strlen(text));
  }
  return MatchKey(text, length, pbMatch);
}

int ztKeyTextFilter::CheckRecord(ZTIRecord* record, int* pbKeep) {
  *pbKeep = 0;
  if (m_piStop && *m_piStop) return ZT_E_STOPPED;
  ZTBinary* value = nullptr;
  int rc = record->GetDataFieldValue(m_pTextField, &value);
  if (rc != ZT_OK) return rc;
  rc = MatchValue(value->GetData(), value->GetLength(), pbKeep);
  value->Release();
  if (rc == ZT_OK && *pbKeep && m_pInner) rc = m_pInner->CheckRecord(record, pbKeep);
  return rc;
}

// Collects the records whose value matches.
class ztKeyTextFilter::RunVisitor : public ZTIDataValueVisitor {
 public:
  explicit RunVisitor(ztKeyTextFilter* filter) : m_pFilter(filter) {}
  int VisitDataValue(PRUint32 uRecord, const PRUint8* value, PRUint32 length) override {
    if (m_pFilter->m_piStop && *m_pFilter->m_piStop) return ZT_E_STOPPED;
    int match = 0;
    const int rc = m_pFilter->MatchValue(value, length, &match);
    if (rc == ZT_OK && match) m_kept.push_back(uRecord);
    return rc;
  }
  std::vector<PRUint32> m_kept;

 private:
  ztKeyTextFilter* m_pFilter;
};

int ztKeyTextFilter::FilterRun(ZTIRecordSet* table, PRUint32 first, PRUint32 count,
                               ZTCursor** ppOut) {
  *ppOut = nullptr;
  int rc = SetRecordSet(table);
  if (rc == ZT_OK) rc = Reset();
  RunVisitor visitor(this);
  if (rc == ZT_OK) rc = table->VisitDataValues(m_pTextField, first, count, &visitor);
  std::vector<PRUint32>& kept = visitor.m_kept;
  size_t out = 0;
  for (size_t i = 0; rc == ZT_OK && i < kept.size(); ++i) {
    int keep = 1;
    if (m_pInner) {
      ZTIRecord* record = nullptr;
      rc = table->GetRecord(kept[i], &record);
      if (rc == ZT_OK) rc = m_pInner->CheckRecord(record, &keep);
      ztRelease(record);
    }
    if (keep) kept[out++] = kept[i];
  }
  return rc == ZT_OK ? ZTCursor::_CreateInstance(static_cast<PRUint32>(out), kept.data(), ppOut)
                     : rc;
}
