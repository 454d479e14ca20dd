#include "frontends/index/detail/ztOccurrenceSets.h"

#include <new>
#include <utility>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorFilterRemoveDuplicated.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/ztGallop.h"

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

// The documents of one set's records (owners) in document order, each once.
int UniqueDocuments(ZTCursor* owners, ZTCursor** ppOut) {
  int rc = owners->Clone(ppOut);
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
  for (ZTCursor* owners : m_owners) ztRelease(owners);
}

int ztOccurrenceSets::Owners(ZTIField* docIdField, PRUint32 k, ZTCursor** ppOwners) const {
  *ppOwners = m_owners[k];
  if (*ppOwners) return ZT_OK;
  PRUint32 count = 0;
  ZTCursor* owners = nullptr;
  int rc = m_sets[k]->GetCount(&count);
  if (rc == ZT_OK) rc = m_sets[k]->ExtractCursor(docIdField, 0, count, &owners);
  if (rc == ZT_OK) rc = owners->ComputeCursorForm();
  if (rc != ZT_OK) {
    ztRelease(owners);
    return rc;
  }
  *ppOwners = m_owners[k] = owners;
  return ZT_OK;
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
  std::vector<ZTCursor*> parts(m_sets.size(), nullptr);
  int rc = ZT_OK;
  for (size_t k = 0; rc == ZT_OK && k < m_sets.size(); ++k) {
    ZTCursor* owners = nullptr;
    rc = Owners(docIdField, static_cast<PRUint32>(k), &owners);
    if (rc == ZT_OK) rc = UniqueDocuments(owners, &parts[k]);
  }
  // Pairwise passes keep the merged lists of similar sizes.
  for (size_t n = parts.size(); rc == ZT_OK && n > 1; n = (n + 1) / 2) {
    for (size_t i = 0; rc == ZT_OK && 2 * i + 1 < n; ++i) {
      rc = parts[2 * i]->Merge(parts[2 * i + 1], ztfOr);
      ztRelease(parts[2 * i + 1]);
      std::swap(parts[i], parts[2 * i]);
    }
    if (n % 2) std::swap(parts[n / 2], parts[n - 1]);
  }
  if (rc == ZT_OK && parts.empty()) parts.push_back(new (std::nothrow) ZTCursor());
  if (rc == ZT_OK && !parts[0])
    rc = ZTError(ZT_E_NOMEM, "[ztOccurrenceSets::Documents] Out of memory");
  if (rc == ZT_OK) std::swap(*ppOut, parts[0]);
  for (ZTCursor*& part : parts) ztRelease(part);
  return rc;
}

namespace {

// Moves *puScan to the first record of owners not below document; whether it is of document.
bool Seek(ZTCursor* owners, PRUint32 document, PRUint32* puScan) {
  const PRUint32* values = owners->GetArray();
  *puScan = ztGallop(values, *puScan, owners->GetCount(), document);
  return *puScan < owners->GetCount() && values[*puScan] == document;
}

}  // namespace

int ztOccurrenceSets::Contains(ZTIField* docIdField, PRUint32 document, ztOccurrenceScan* pScan,
                               bool* pbFound) const {
  *pbFound = false;
  for (size_t k = 0; k < m_sets.size(); ++k) {
    ZTCursor* owners = nullptr;
    const int rc = Owners(docIdField, static_cast<PRUint32>(k), &owners);
    if (rc != ZT_OK) return rc;
    PRUint32 start = 0;
    if (Seek(owners, document, pScan ? &(*pScan)[k] : &start)) *pbFound = true;
  }
  return ZT_OK;
}

int ztOccurrenceSets::Positions(ZTIndex* index, PRUint32 document, ztOccurrenceScan* pScan,
                                ZTCursor** ppOut) const {
  *ppOut = nullptr;
  int rc = ZT_OK;
  for (size_t k = 0; rc == ZT_OK && k < m_sets.size(); ++k) {
    PRUint32 start = 0;
    PRUint32* scan = pScan ? &(*pScan)[k] : &start;
    ZTCursor *owners = nullptr, *positions = nullptr;
    rc = Owners(index->DocIdField(), static_cast<PRUint32>(k), &owners);
    // Most sets of a word with many forms lack the document: skip them without a cursor.
    if (rc != ZT_OK || !Seek(owners, document, scan)) continue;
    rc = index->BuildOccurrenceList(m_sets[k], owners->GetArray(), scan, owners->GetCount(),
                                    document, &positions);
    if (rc == ZT_OK) rc = Pool(positions, ppOut);
    ztRelease(positions);
  }
  if (rc == ZT_OK && !*ppOut) *ppOut = new (std::nothrow) ZTCursor();
  if (rc == ZT_OK && !*ppOut)
    rc = ZTError(ZT_E_NOMEM, "[ztOccurrenceSets::Positions] Out of memory");
  if (rc != ZT_OK) ztRelease(*ppOut);
  return rc;
}
