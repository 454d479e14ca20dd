#include "frontends/wordlist/detail/ztKeyTextFilter.h"

#include <cstring>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
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

int ztKeyTextFilter::CheckRecord(ZTIRecord* record, int* pbKeep) {
  *pbKeep = 0;
  if (m_piStop && *m_piStop) return ZT_E_STOPPED;
  ZTBinary* value = nullptr;
  int rc = record->GetDataFieldValue(m_pTextField, &value);
  if (rc != ZT_OK) return rc;
  // Stored texts end with their NUL and are matched in place; a text without one is copied.
  const char* text = reinterpret_cast<const char*>(value->GetData());
  const PRUint32 size = value->GetLength();
  const char* nul = text ? static_cast<const char*>(std::memchr(text, '\0', size)) : nullptr;
  PRUint32 length = nul ? static_cast<PRUint32>(nul - text) : 0;
  if (!nul || m_bReversed) {
    m_text.assign(text ? text : "", nul ? length : text ? size : 0);
    if (m_bReversed) zt_invertString(&m_text[0]);
    text = m_text.c_str();
    length = static_cast<PRUint32>(std::strlen(text));
  }
  rc = MatchKey(text, length, pbKeep);
  value->Release();
  if (rc == ZT_OK && *pbKeep && m_pInner) rc = m_pInner->CheckRecord(record, pbKeep);
  return rc;
}
