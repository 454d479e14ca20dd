#include "frontends/index/IndexTokens.h"

#include <prmem.h>

#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/IndexDocPhraseFilter.h"
#include "frontends/index/detail/IndexNearDocFilter.h"
#include "frontends/index/detail/ztOccurrenceSets.h"

namespace {

const PRUint32 kGrowth = 10;

// The operation that merges an item's documents into those on its left.
ztfOperator MergeOperator(int code) {
  return code == 1 ? ztfOr : code == 3 ? ztfAndNot : ztfAnd;
}

}  // namespace

IndexTokens::IndexTokens(int phraseApplySimplifier)
    : m_pIndex(nullptr),
      m_uNearDistance(0),
      m_pItems(nullptr),
      m_uCount(0),
      m_uCapacity(0),
      m_ppSets(nullptr),
      m_bPhraseApplySimplifier(phraseApplySimplifier) {}

IndexTokens::~IndexTokens() {
  for (PRUint32 i = 0; i < m_uCapacity; ++i) {
    delete m_pItems[i].m_pSub;
    delete m_ppSets[i];
  }
  PR_FREEIF(m_pItems);
  PR_FREEIF(m_ppSets);
  ztRelease(m_pIndex);
}

int IndexTokens::Init(PRUint32 nearDistance, ZTIndex* index) {
  m_uNearDistance = nearDistance;
  if (index) index->AddRef();
  ztRelease(m_pIndex);
  m_pIndex = index;
  return GrowArrays();
}

int IndexTokens::GrowArrays() {
  if (m_uCapacity && m_uCount + 1 < m_uCapacity) return ZT_OK;
  const PRUint32 capacity = m_uCapacity + kGrowth;
  Item* items = static_cast<Item*>(PR_Realloc(m_pItems, capacity * sizeof(Item)));
  if (items) m_pItems = items;
  ztOccurrenceSets** sets =
      static_cast<ztOccurrenceSets**>(PR_Realloc(m_ppSets, capacity * sizeof(ztOccurrenceSets*)));
  if (sets) m_ppSets = sets;
  if (!items || !sets) return ZTError(ZT_E_NOMEM, "[IndexTokens::GrowArrays] Out of memory");
  std::memset(m_pItems + m_uCapacity, 0, kGrowth * sizeof(Item));
  std::memset(m_ppSets + m_uCapacity, 0, kGrowth * sizeof(ztOccurrenceSets*));
  m_uCapacity = capacity;
  return ZT_OK;
}

bool IndexTokens::HasTerm(PRUint32 i) const {
  return m_pItems[i].m_pcTerm || m_pItems[i].m_pSub;
}

int IndexTokens::Parse(char* text, int topLevel) {
  int rc = m_pIndex->Parse_Request(text, topLevel, this);
  for (PRUint32 i = 0; rc == ZT_OK && topLevel && i < m_uCount; ++i) {
    if (m_pItems[i].m_bPhrase) rc = ParsePhrase(&m_pItems[i]);
  }
  if (rc == ZT_OK) RemoveStopWords();
  return rc;
}

// A phrase's words are parsed again; a phrase left without a word is dropped.
int IndexTokens::ParsePhrase(Item* item) {
  if (!item->m_pcTerm) return ZT_OK;
  IndexTokens* sub = new (std::nothrow) IndexTokens(m_bPhraseApplySimplifier);
  if (!sub) return ZTError(ZT_E_NOMEM, "[IndexTokens::Parse] Out of memory");
  int rc = sub->Init(m_uNearDistance, m_pIndex);
  if (rc == ZT_OK) rc = sub->Parse(item->m_pcTerm, 0);
  bool words = false;
  for (PRUint32 k = 0; rc == ZT_OK && k < sub->m_uCount; ++k) {
    words = words || sub->m_pItems[k].m_pcTerm;
  }
  if (rc == ZT_OK && words) {
    item->m_pSub = sub;
    return ZT_OK;
  }
  delete sub;
  item->m_pcTerm = nullptr;
  return rc;
}

// A stop word is removed; its operator passes to the next item.
void IndexTokens::RemoveStopWords() {
  for (PRUint32 i = 0; i < m_uCount; ++i) {
    Item& item = m_pItems[i];
    int stop = 0;
    if (item.m_bPhrase || !item.m_pcTerm || m_pIndex->IsStopWord(item.m_pcTerm, &stop) != ZT_OK ||
        !stop) {
      continue;
    }
    item.m_pcTerm = nullptr;
    if (i + 1 < m_uCount) m_pItems[i + 1].m_iOperator = item.m_iOperator;
  }
}

int IndexTokens::ResolveLin(int links, ztIStringSimplifier* simplifier, ZTIRecordFilter* filter) {
  int rc = ZT_OK;
  for (PRUint32 i = 0; rc == ZT_OK && i < m_uCount; ++i) {
    const Item& item = m_pItems[i];
    if (item.m_pSub) {
      rc = item.m_pSub->ResolveLin(0, m_bPhraseApplySimplifier ? simplifier : nullptr, filter);
    } else if (item.m_pcTerm) {
      delete m_ppSets[i];
      m_ppSets[i] = new (std::nothrow) ztOccurrenceSets();
      rc = m_ppSets[i]
               ? m_pIndex->ResolveWordSets(item.m_pcTerm, links, simplifier, filter, m_ppSets[i])
               : ZT_E_NOMEM;
    }
  }
  return rc;
}

int IndexTokens::ComputeDocumentList(ZTCursor** ppOut) {
  *ppOut = nullptr;
  ZTCursor* result = new (std::nothrow) ZTCursor();
  if (!result) return ZTError(ZT_E_NOMEM, "[IndexTokens::ComputeDocumentList] Out of memory");
  int rc = ZT_OK;
  for (PRUint32 i = 0; rc == ZT_OK && i < m_uCount; ++i) {
    if (!HasTerm(i)) continue;
    ZTCursor* documents = nullptr;
    rc = m_pItems[i].m_pSub ? m_pItems[i].m_pSub->ComputePhraseDocumentList(&documents)
                            : ComputeTokenDocumentList(i, &documents);
    const int code = m_pItems[i].m_iOperator;
    if (rc == ZT_OK) rc = result->Merge(documents, MergeOperator(code));
    ztRelease(documents);
    if (rc == ZT_OK && (code == 4 || code == 5) && m_pIndex->OccLinkField()) {
      rc = FilterNear(result, i, m_uNearDistance, code == 5);
    }
  }
  if (rc != ZT_OK) {
    result->Release();
    return rc;
  }
  *ppOut = result;
  return ZT_OK;
}

// The documents of item i's sets, each once.
int IndexTokens::ComputeTokenDocumentList(PRUint32 i, ZTCursor** ppOut) {
  if (!m_ppSets[i]) {
    return ZTError(ZT_E_FAILED, "[IndexTokens::ComputeTokenDocumentList] Item %u is not resolved",
                   i);
  }
  return m_ppSets[i]->Documents(m_pIndex->DocIdField(), ppOut);
}

// The rarest word's documents, kept where the whole phrase occurs.
int IndexTokens::ComputePhraseDocumentList(ZTCursor** ppOut) {
  *ppOut = nullptr;
  PRUint32 best = m_uCount, fewest = 0;
  for (PRUint32 k = 0; k < m_uCount; ++k) {
    PRUint32 count = 0;
    if (!m_ppSets[k]) continue;
    const int rc = m_ppSets[k]->GetRecordCount(&count);
    if (rc != ZT_OK) return rc;
    if (best == m_uCount || count < fewest) {
      best = k;
      fewest = count;
    }
  }
  if (best == m_uCount) {
    return ZTError(ZT_E_FAILED,
                   "[IndexTokens::ComputePhraseDocumentList] The phrase is not resolved");
  }
  int rc = ComputeTokenDocumentList(best, ppOut);
  if (rc != ZT_OK || m_uCount < 2) return rc;
  IndexDocPhraseFilter* filter = new (std::nothrow) IndexDocPhraseFilter();
  rc = filter ? filter->Init(this) : ZT_E_NOMEM;
  if (rc == ZT_OK) rc = (*ppOut)->Filter(filter);
  ztRelease(filter);
  if (rc != ZT_OK) ztRelease(*ppOut);
  return rc;
}

// The set nearest to the left of item i: a word's own, or the last word of a phrase; stop
// words and dropped phrases have none and are passed over.
ztOccurrenceSets* IndexTokens::LeftSet(PRUint32 i) const {
  for (PRUint32 j = i; j-- > 0;) {
    if (m_ppSets[j]) return m_ppSets[j];
    const IndexTokens* sub = m_pItems[j].m_pSub;
    for (PRUint32 k = sub ? sub->m_uCount : 0; k-- > 0;) {
      if (sub->m_ppSets[k]) return sub->m_ppSets[k];
    }
  }
  return nullptr;
}

// Item i's own set, or that of the first word of its phrase.
ztOccurrenceSets* IndexTokens::RightSet(PRUint32 i) const {
  if (m_ppSets[i]) return m_ppSets[i];
  const IndexTokens* sub = m_pItems[i].m_pSub;
  for (PRUint32 k = 0; sub && k < sub->m_uCount; ++k) {
    if (sub->m_ppSets[k]) return sub->m_ppSets[k];
  }
  return nullptr;
}

int IndexTokens::FilterNear(ZTCursor* documents, PRUint32 i, PRUint32 distance, int ordered) {
  ztOccurrenceSets* left = LeftSet(i);
  ztOccurrenceSets* right = RightSet(i);
  if (!left || !right) return ZT_E_FAILED;
  IndexNearDocFilter* filter = new (std::nothrow) IndexNearDocFilter();
  int rc = filter ? filter->Init(m_pIndex, distance, ordered, left, right) : ZT_E_NOMEM;
  if (rc == ZT_OK) rc = documents->Filter(filter);
  ztRelease(filter);
  return rc;
}
