// IndexDocPhraseFilter keeps the documents in which a phrase occurs. Documents come in
// ascending order, so the scan of each word's records only moves forward.
#ifndef FRONTENDS_INDEX_DETAIL_INDEXDOCPHRASEFILTER_H_
#define FRONTENDS_INDEX_DETAIL_INDEXDOCPHRASEFILTER_H_

#include <vector>

#include "find/ZTICursorFilter.h"
#include "frontends/index/detail/ztOccurrenceSets.h"

class IndexTokens;

class IndexDocPhraseFilter : public ZTICursorFilter {
 public:
  // The phrase's tokens, borrowed: they outlive the filter.
  int Init(IndexTokens* phrase);
  int Reset() override;
  int CheckRank(PRUint32 position, int* pbKeep) override;

 private:
  IndexTokens* m_pPhrase = nullptr;
  std::vector<ztOccurrenceScan> m_scans;
};

#endif  // FRONTENDS_INDEX_DETAIL_INDEXDOCPHRASEFILTER_H_
