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
  bool found = false;
  const int rc = m_pPhrase->PhraseOccurs(m_pCursor->GetArray()[position], &m_scans, &found);
  *pbKeep = found;
  return rc;
}
