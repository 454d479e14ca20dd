#include "frontends/index/detail/IndexDocPhraseFilter.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "frontends/index/IndexTokens.h"

int IndexDocPhraseFilter::Init(IndexTokens* phrase) {
  m_pPhrase = phrase;
  m_scans = phrase->NewScans();
  return ZT_OK;
}

int IndexDocPhraseFilter::Reset() {
  m_scans = m_pPhrase->NewScans();
  return ZT_OK;
}

int IndexDocPhraseFilter::CheckRank(PRUint32 position, int* pbKeep) {
  ZTCursor* positions = nullptr;
  const int rc = m_pPhrase->PhraseHiliteInfo(m_pCursor->GetArray()[position], &m_scans, &positions);
  if (rc != ZT_OK) return rc;
  *pbKeep = positions->GetCount() > 0;
  positions->Release();
  return ZT_OK;
}
