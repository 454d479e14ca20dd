// ZTIndexResult: one evaluated full-text query: its documents in ascending order, the positions
// to highlight in each of them, and their scores through a scorer. It holds the index.
#ifndef FRONTENDS_INDEX_ZTINDEXRESULT_H_
#define FRONTENDS_INDEX_ZTINDEXRESULT_H_

#include "core/ZTRefCount.h"
#include "frontends/index/ZTIndexExport.h"

class IndexTokens;
class ZTCursor;
class ZTIIndexScorer;
class ZTIRecordFilter;
class ZTIndex;
class ztIStringSimplifier;

class ZTFINDFEINDEX_API ZTIndexResult : public ZTRefCount {
 public:
  ZTIndexResult();
  ~ZTIndexResult() override;
  ZT_DECLARE_ZTIID

  // Parses, resolves and evaluates query over index; the first non-zero code.
  int DoSearch(ZTIndex* index, const char* query, int links, ztIStringSimplifier* simplifier,
               ZTIRecordFilter* filter);
  // The documents with a reference (null with 0 when there are none yet); 101 for a null
  // out-pointer.
  int GetDocumentList(ZTCursor** ppOut);
  // Scores every document of the list through scorer (1 when it is null).
  int RunScorer(ZTIIndexScorer* scorer);
  // The positions to highlight in document (a new cursor); 10 without a parsed query.
  int GetHiliteInfo(unsigned document, ZTCursor** ppOut);

 private:
  ZTIndex* m_pIndex;
  char* m_pcQuery;
  IndexTokens* m_pTokens;
  int m_bPhraseApplySimplifier;
  ZTCursor* m_pDocuments;
};

#endif  // FRONTENDS_INDEX_ZTINDEXRESULT_H_
