#include "frontends/index/detail/ztOccurrenceSets.h"

#include <algorithm>
#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/ztGallop.h"

namespace {

// Bitmap words any union may use, however few its documents.
const size_t kSmallBitmap = 1024;
// Sets few enough to be merged one after the other.
const size_t kFewSets = 4;

// Replaces *ppTotal by part when it is the first, else merges part into it (union).
int Pool(ZTCursor* part, ZTCursor** ppTotal) {
  if (!*ppTotal) {
    *ppTotal = part;
    part->AddRef();
    return ZT_OK;
  }
  return (*ppTotal)->Merge(part, ztfOr);
}

// A new cursor of count values, written by fill into its array.
template <typename Fill>
int NewCursor(PRUint32 count, Fill fill, ZTCursor** ppOut) {
  int rc = ZTCursor::_CreateInstance(count, nullptr, ppOut);
  if (rc == ZT_OK) rc = (*ppOut)->ComputeCursorForm();
  if (rc != ZT_OK) {
    ztRelease(*ppOut);
    return rc;
  }
  fill((*ppOut)->BeginDirectWrite());
  (*ppOut)->EndDirectWrite();
  return ZT_OK;
}

// The documents of one set's records (owners, ascending), each once.
int UniqueDocuments(ZTCursor* owners, ZTCursor** ppOut) {
  const PRUint32* values = owners->GetArray();
  const PRUint32 n = owners->GetCount();
  PRUint32 unique = 0;
  for (PRUint32 i = 0; i < n; ++i) unique += i == 0 || values[i] != values[i - 1];
  return NewCursor(
      unique,
      [values, n](PRUint32* out) {
        for (PRUint32 i = 0; i < n; ++i) {
          if (i == 0 || values[i] != values[i - 1]) *out++ = values[i];
        }
      },
      ppOut);
}

// A new cursor of the distinct values of values (ascending).
int Distinct(std::vector<PRUint32>* values, ZTCursor** ppOut) {
  values->erase(std::unique(values->begin(), values->end()), values->end());
  return NewCursor(
      static_cast<PRUint32>(values->size()),
      [values](PRUint32* out) { std::copy(values->begin(), values->end(), out); }, ppOut);
}

// The documents of several sets (each owners cursor ascending), each once: merged when the sets
// are few; otherwise marked in a bitmap of the documents, then read back in order, or sorted
// when the documents are so few and far apart that the bitmap would be mostly empty.
int UnitedDocuments(const std::vector<ZTCursor*>& owners, ZTCursor** ppOut) {
  PRUint32 top = 0;
  size_t total = 0;
  for (ZTCursor* list : owners) {
    total += list->GetCount();
    if (list->GetCount()) top = std::max(top, list->GetArray()[list->GetCount() - 1]);
  }
  const bool sparse = top / 32 > 4 * total + kSmallBitmap;
  if (sparse || owners.size() <= kFewSets) {
    // A few lists are merged as they come; many sparse ones sorted together.
    std::vector<PRUint32> values;
    values.reserve(total);
    for (ZTCursor* list : owners) {
      const ptrdiff_t middle = static_cast<ptrdiff_t>(values.size());
      values.insert(values.end(), list->GetArray(), list->GetArray() + list->GetCount());
      if (owners.size() <= kFewSets) {
        std::inplace_merge(values.begin(), values.begin() + middle, values.end());
      }
    }
    if (owners.size() > kFewSets) std::sort(values.begin(), values.end());
    return Distinct(&values, ppOut);
  }
  std::vector<PRUint32> bits(top / 32 + 1, 0);
  PRUint32 count = 0;  // the bits newly set
  for (ZTCursor* list : owners) {
    const PRUint32* values = list->GetArray();
    for (PRUint32 i = 0; i < list->GetCount(); ++i) {
      PRUint32& word = bits[values[i] >> 5];
      const PRUint32 bit = 1u << (values[i] & 31);
      count += (word & bit) == 0;
      word |= bit;
    }
  }
  return NewCursor(
      count,
      [&bits](PRUint32* out) {
        for (PRUint32 w = 0; w < bits.size(); ++w) {
          for (PRUint32 word = bits[w]; word; word &= word - 1) {
            *out++ = w * 32 + __builtin_ctz(word);
          }
        }
      },
      ppOut);
}

}  // namespace

ztOccurrenceSets::~ztOccurrenceSets() {
  for (ZTIRecordSet* set : m_sets) set->Release();
  for (ZTCursor* owners : m_owners) ztRelease(owners);
  for (Links& links : m_links) ztRelease(links.m_pLinked);
}

int ztOccurrenceSets::LinksOf(ZTIndex* index, PRUint32 k, const Links** ppLinks) const {
  Links& links = m_links[k];
  *ppLinks = &links;
  if (links.m_bRead || !index->OccLinkField()) return ZT_OK;
  links.m_bRead = true;
  PRUint32 count = 0, covered = 0;
  ZTCursor* counts = nullptr;
  int rc = m_sets[k]->GetCount(&count);
  if (rc == ZT_OK && count > 1) {
    rc = m_sets[k]->ExtractLinkRange(index->OccLinkField(), 0, count, &links.m_pLinked,
                                     &links.m_uFirst, &covered);
  }
  if (rc == ZT_OK && links.m_pLinked) {
    rc = m_sets[k]->ExtractLinkCounts(index->OccLinkField(), 0, count, &counts);
  }
  if (rc == ZT_OK && counts) rc = counts->ComputeCursorForm();
  if (rc == ZT_OK && counts) {
    links.m_starts.assign(1, 0);
    for (PRUint32 r = 0; r < count; ++r) {
      links.m_starts.push_back(links.m_starts.back() + counts->GetArray()[r]);
    }
  }
  ztRelease(counts);
  // Sets that cannot tell (or tell inconsistently) are read record by record.
  if (rc == ZT_E_UNSUPPORTED) rc = ZT_OK;
  if (rc != ZT_OK || links.m_starts.empty() || links.m_starts.back() != covered) {
    ztRelease(links.m_pLinked);
    links.m_starts.clear();
  }
  return rc;
}

int ztOccurrenceSets::RecordPositions(ZTIndex* index, const Links& links, PRUint32* puScan,
                                      ZTCursor** ppOut) const {
  const PRUint32 r = (*puScan)++;
  return links.m_pLinked->ExtractCursor(index->OccField(), links.m_uFirst + links.m_starts[r],
                                        links.m_starts[r + 1] - links.m_starts[r], ppOut);
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
  std::vector<ZTCursor*> owners(m_sets.size(), nullptr);
  for (size_t k = 0; k < m_sets.size(); ++k) {
    const int rc = Owners(docIdField, static_cast<PRUint32>(k), &owners[k]);
    if (rc != ZT_OK) return rc;
  }
  return owners.size() == 1 ? UniqueDocuments(owners[0], ppOut) : UnitedDocuments(owners, ppOut);
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
    const Links* links = nullptr;
    rc = LinksOf(index, static_cast<PRUint32>(k), &links);
    // A document's one record of the set (the usual case) is read from the known links.
    const PRUint32 next = *scan + 1;
    const bool single = next >= owners->GetCount() || owners->GetArray()[next] != document;
    if (rc == ZT_OK && links->m_pLinked && single) {
      rc = RecordPositions(index, *links, scan, &positions);
    } else if (rc == ZT_OK) {
      rc = index->BuildOccurrenceList(m_sets[k], owners->GetArray(), scan, owners->GetCount(),
                                      document, &positions);
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
