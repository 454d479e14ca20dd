#include "frontends/index/ZTIndexResult.h"

#include <plstr.h>

#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "frontends/index/IndexTokens.h"
#include "frontends/index/ZTIIndexScorer.h"
#include "frontends/index/ZTIndex.h"

ZT_DEFINE_ZTIID(ZTIndexResult, ZTRefCount,
                {0x930e5e29, 0x1b14, 0x4c45, {0xab, 0x5b, 0xa5, 0x6f, 0x5e, 0x08, 0x93, 0xce}})

ZTIndexResult::ZTIndexResult()
    : m_pIndex(nullptr),
      m_pcQuery(nullptr),
      m_pTokens(nullptr),
      m_bPhraseApplySimplifier(0),
      m_pDocuments(nullptr) {}

ZTIndexResult::~ZTIndexResult() {
  ztRelease(m_pDocuments);
  delete m_pTokens;
  if (m_pcQuery) PL_strfree(m_pcQuery);
  ztRelease(m_pIndex);
}

int ZTIndexResult::DoSearch(ZTIndex* index, const char* query, int links,
                            ztIStringSimplifier* simplifier, ZTIRecordFilter* filter) {
  if (!index || !query) return ZT_E_INVALID;
  index->AddRef();
  ztRelease(m_pIndex);
  m_pIndex = index;
  if (m_pcQuery) PL_strfree(m_pcQuery);
  m_pcQuery = PL_strdup(query);
  int rc = index->GetPhraseApplySimplifier(&m_bPhraseApplySimplifier);
  delete m_pTokens;
  m_pTokens = m_pcQuery ? new (std::nothrow) IndexTokens(m_bPhraseApplySimplifier) : nullptr;
  if (!m_pTokens) return ZTError(ZT_E_NOMEM, "[ZTIndexResult::DoSearch] Out of memory");
  PRUint32 distance = 0;
  if (rc == ZT_OK) rc = index->GetNearThreshold(&distance);
  if (rc == ZT_OK) rc = m_pTokens->Init(distance, index);
  if (rc == ZT_OK) rc = m_pTokens->Parse(m_pcQuery, 1);
  if (rc == ZT_OK) rc = m_pTokens->ResolveLin(links, simplifier, filter);
  ztRelease(m_pDocuments);
  if (rc == ZT_OK) rc = m_pTokens->ComputeDocumentList(&m_pDocuments);
  return rc;
}

int ZTIndexResult::GetDocumentList(ZTCursor** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = m_pDocuments;
  if (m_pDocuments) m_pDocuments->AddRef();
  return ZT_OK;
}

int ZTIndexResult::RunScorer(ZTIIndexScorer* scorer) {
  if (!scorer) return ZT_E_INVALID;
  if (!m_pDocuments || !m_pTokens) return ZT_E_FAILED;
  int rc = m_pDocuments->ComputeCursorForm();
  if (rc == ZT_OK) rc = scorer->Init(m_pDocuments->GetCount());
  if (rc == ZT_OK) rc = m_pTokens->ComputeScores(m_pDocuments, scorer);
  return rc;
}

int ZTIndexResult::GetHiliteInfo(unsigned document, ZTCursor** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  if (!m_pTokens || !m_pDocuments) return ZT_E_FAILED;
  return m_pTokens->ComputeHiliteInfo(document, ppOut);
}
