#include "frontends/index/detail/ztOccurrenceSets.h"

#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorFilterRemoveDuplicated.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/ZTIndex.h"

namespace {

// Replaces *ppTotal by part when it is the first, else merges part into it (union).
int Pool(ZTCursor* part, ZTCursor** ppTotal) {
  if (!*ppTotal) {
    *ppTotal = part;
    part->AddRef();
    return ZT_OK;
  }
  return (*ppTotal)->Merge(part, ztfOr);
}

// The documents of one set in document order, each once.
int SetDocuments(ZTIRecordSet* set, ZTIField* docIdField, ZTCursor** ppOut) {
  PRUint32 count = 0;
  int rc = set->GetCount(&count);
  if (rc == ZT_OK) rc = set->ExtractCursor(docIdField, 0, count, ppOut);
  ZTCursorFilterRemoveDuplicated* unique = nullptr;
  if (rc == ZT_OK) {
    unique = new (std::nothrow) ZTCursorFilterRemoveDuplicated();
    rc = unique ? (*ppOut)->Filter(unique) : ZT_E_NOMEM;
  }
  ztRelease(unique);
  if (rc != ZT_OK) ztRelease(*ppOut);
  return rc;
}

}  // namespace

ztOccurrenceSets::~ztOccurrenceSets() {
  for (ZTIRecordSet* set : m_sets) set->Release();
}

int ztOccurrenceSets::GetRecordCount(PRUint32* puCount) const {
  *puCount = 0;
  for (ZTIRecordSet* set : m_sets) {
    PRUint32 count = 0;
    const int rc = set->GetCount(&count);
    if (rc != ZT_OK) return rc;
    *puCount += count;
  }
  return ZT_OK;
}

int ztOccurrenceSets::Documents(ZTIField* docIdField, ZTCursor** ppOut) const {
  *ppOut = nullptr;
  int rc = ZT_OK;
  for (size_t k = 0; rc == ZT_OK && k < m_sets.size(); ++k) {
    ZTCursor* documents = nullptr;
    rc = SetDocuments(m_sets[k], docIdField, &documents);
    if (rc == ZT_OK) rc = Pool(documents, ppOut);
    ztRelease(documents);
  }
  if (rc == ZT_OK && !*ppOut) *ppOut = new (std::nothrow) ZTCursor();
  if (rc == ZT_OK && !*ppOut)
    rc = ZTError(ZT_E_NOMEM, "[ztOccurrenceSets::Documents] Out of memory");
  if (rc != ZT_OK) ztRelease(*ppOut);
  return rc;
}

int ztOccurrenceSets::Positions(ZTIndex* index, PRUint32 document, ztOccurrenceScan* pScan,
                                ZTCursor** ppOut) const {
  *ppOut = nullptr;
  int rc = ZT_OK;
  for (size_t k = 0; rc == ZT_OK && k < m_sets.size(); ++k) {
    PRUint32 count = 0, start = 0;
    ZTCursor* positions = nullptr;
    rc = m_sets[k]->GetCount(&count);
    if (rc == ZT_OK) {
      rc = index->BuildOccurrenceList(m_sets[k], pScan ? &(*pScan)[k] : &start, count, document,
                                      &positions);
    }
    if (rc == ZT_OK) rc = Pool(positions, ppOut);
    ztRelease(positions);
  }
  if (rc == ZT_OK && !*ppOut) *ppOut = new (std::nothrow) ZTCursor();
  if (rc == ZT_OK && !*ppOut)
    rc = ZTError(ZT_E_NOMEM, "[ztOccurrenceSets::Positions] Out of memory");
  if (rc != ZT_OK) ztRelease(*ppOut);
  return rc;
}
