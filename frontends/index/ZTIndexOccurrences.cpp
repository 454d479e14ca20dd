// From query words to document-occurrence records, and from those to word positions.
#include <prmem.h>

#include <new>
#include <vector>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/ztResolveRS.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/ztGallop.h"
#include "frontends/index/detail/ztOccurrenceSets.h"
#include "frontends/wordlist/ZTWildCardWordList.h"

// The document-occurrence set of every word record matching word, each in document order; one
// empty set when none matches. The caller releases the sets.
int ZTIndex::MatchedSets(const char* word, int links, ztIStringSimplifier* simplifier,
                         std::vector<ZTIRecordSet*>* pSets) {
  if (!m_pWordList) return ZT_E_INVALID;
  ZTCursor* words = nullptr;
  int rc = m_pWordList->GetWildCardWords(simplifier, links ? m_pcLinks : "", word, nullptr, &words);
  if (rc == ZT_OK) rc = words->ComputeCursorForm();
  const PRUint32 count = rc == ZT_OK ? words->GetCount() : 0;
  pSets->assign(count ? count : 1, nullptr);
  if (rc == ZT_OK)
    rc = count ? CollectOccurrenceSets(words, pSets->data()) : EmptyOccurrenceSet(&(*pSets)[0]);
  ztRelease(words);
  return rc;
}

namespace {

void ReleaseAll(std::vector<ZTIRecordSet*>* sets) {
  for (ZTIRecordSet*& set : *sets) ztRelease(set);
}

}  // namespace

int ZTIndex::ResolveLin(const char* word, ZTIRecordSet** ppOut, int links,
                        ztIStringSimplifier* simplifier, ZTIRecordFilter* filter) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  std::vector<ZTIRecordSet*> sets;
  int rc = MatchedSets(word, links, simplifier, &sets);
  if (rc == ZT_OK) rc = MultiMerge(sets.data(), static_cast<PRUint32>(sets.size()));
  if (rc == ZT_OK && filter) rc = sets[0]->Filter(filter);
  if (rc == ZT_OK) {
    *ppOut = sets[0];
    sets[0] = nullptr;
  }
  ReleaseAll(&sets);
  return rc;
}

int ZTIndex::ResolveWordSets(const char* word, int links, ztIStringSimplifier* simplifier,
                             ZTIRecordFilter* filter, ztOccurrenceSets* pOut) {
  if (!m_bPresorted) {
    ZTIRecordSet* merged = nullptr;
    const int rc = ResolveLin(word, &merged, links, simplifier, filter);
    if (rc == ZT_OK) pOut->Adopt(merged);
    return rc;
  }
  std::vector<ZTIRecordSet*> sets;
  int rc = MatchedSets(word, links, simplifier, &sets);
  for (size_t k = 0; rc == ZT_OK && filter && k < sets.size(); ++k) rc = sets[k]->Filter(filter);
  if (rc != ZT_OK) {
    ReleaseAll(&sets);
    return rc;
  }
  for (ZTIRecordSet* set : sets) pOut->Adopt(set);
  return ZT_OK;
}

// An empty set of the document-occurrence kind, without reading a word record (the word table
// may be empty).
int ZTIndex::EmptyOccurrenceSet(ZTIRecordSet** ppOut) {
  ZTIRecordSet* table = nullptr;
  int rc = m_pDocLinkField->GetLinkSubRecordSet(&table);
  if (rc == ZT_OK) rc = table->GetSubRecordSet(0, 0, ppOut);
  ztRelease(table);
  return rc;
}

// Each word's document-occurrence set, in document order.
int ZTIndex::CollectOccurrenceSets(ZTCursor* words, ZTIRecordSet** sets) {
  int rc = ZT_OK;
  for (PRUint32 k = 0; rc == ZT_OK && k < words->GetCount(); ++k) {
    ZTIRecord* record = nullptr;
    rc = words->GetRecord(m_pWordRecordSet, k, 1, &record);
    if (rc == ZT_OK) rc = record->GetLinkFieldValue(m_pDocLinkField, &sets[k]);
    ztRelease(record);
    if (rc == ZT_OK && !m_bPresorted) rc = sets[k]->Sort(&m_comparator, 1);
  }
  return rc;
}

int ZTIndex::MultiMerge(ZTIRecordSet** sets, PRUint32 count) {
  while (count > 1) {
    PRUint32 kept = 0;
    for (PRUint32 i = 0; i + 1 < count; i += 2) {
      const int rc = sets[i]->Merge(sets[i + 1], ztfOr, &m_comparator, 1);
      if (rc != ZT_OK) return rc;
      ztRelease(sets[i + 1]);
      sets[kept++] = sets[i];
      if (kept - 1 != i) sets[i] = nullptr;
    }
    if (count % 2) {
      const int rc = sets[0]->Merge(sets[count - 1], ztfOr, &m_comparator, 1);
      if (rc != ZT_OK) return rc;
      ztRelease(sets[count - 1]);
    }
    count /= 2;
  }
  return ZT_OK;
}

// Pools the positions of one document-occurrence record into *ppPositions.
int ZTIndex::AppendPositions(ZTIRecordSet* set, PRUint32 record, ZTCursor** ppPositions) {
  ZTIRecord* found = nullptr;
  ZTCursor* values = nullptr;
  int rc = set->GetRecord(record, &found);
  if (rc == ZT_OK) rc = ztLinkedValues(found, m_pOccLinkField, m_pOccField, &values);
  // Most documents have one record for a word: its positions are the list.
  if (rc == ZT_OK && (*ppPositions)->GetCount() == 0 && !(*ppPositions)->HasBitmapForm()) {
    (*ppPositions)->Release();
    *ppPositions = values;
    values = nullptr;
  } else if (rc == ZT_OK) {
    rc = (*ppPositions)->Merge(values, ztfOr);
  }
  ztRelease(values);
  ztRelease(found);
  return rc;
}

int ZTIndex::BuildOccurrenceList(ZTIRecordSet* set, PRUint32* puScanPos, PRUint32 count,
                                 PRUint32 document, ZTCursor** ppOut) {
  if (!ppOut || !set || !puScanPos) return ZT_E_INVALID;
  *ppOut = nullptr;
  ZTCursor* owners = nullptr;
  int rc = m_pOccLinkField ? set->ExtractCursor(m_pDocIdField, 0, count, &owners) : ZT_OK;
  if (rc == ZT_OK && owners) rc = owners->ComputeCursorForm();
  if (rc == ZT_OK) {
    rc = BuildOccurrenceList(set, owners ? owners->GetArray() : nullptr, puScanPos, count, document,
                             ppOut);
  }
  ztRelease(owners);
  return rc;
}

int ZTIndex::BuildOccurrenceList(ZTIRecordSet* set, const PRUint32* owners, PRUint32* puScanPos,
                                 PRUint32 count, PRUint32 document, ZTCursor** ppOut) {
  if (!ppOut || !set || !puScanPos) return ZT_E_INVALID;
  *ppOut = new (std::nothrow) ZTCursor();
  if (!*ppOut) return ZTError(ZT_E_NOMEM, "[ZTIndex::BuildOccurrenceList] Out of memory");
  if (!m_pOccLinkField) return ZT_OK;
  PRUint32 record = ztGallop(owners, *puScanPos, count, document);
  const bool found = record < count && owners[record] == document;
  *puScanPos = record;
  int rc = ZT_OK;
  for (; rc == ZT_OK && found && record < count && owners[record] == document; ++record) {
    rc = AppendPositions(set, record, ppOut);
  }
  if (rc != ZT_OK) {
    ztRelease(*ppOut);
    return rc;
  }
  if (found) *puScanPos = record;
  return ZT_OK;
}
