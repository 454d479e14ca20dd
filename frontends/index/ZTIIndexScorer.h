// ZTIIndexScorer: what a full-text result calls to score its documents: Init with the number of
// documents, then one AddScore per (word, document, structure) record found in them.
#ifndef FRONTENDS_INDEX_ZTIINDEXSCORER_H_
#define FRONTENDS_INDEX_ZTIINDEXSCORER_H_

#include "core/ZTRefCount.h"
#include "frontends/index/ZTIndexExport.h"

class ZTCursorScorer;

class ZTFINDFEINDEX_API ZTIIndexScorer : public ZTRefCount {
 public:
  ZT_DECLARE_ZTIID

  virtual int Init(unsigned documents) = 0;
  // rank is the document's position in the result's list; occurrences the record's number
  // of positions.
  virtual int AddScore(unsigned rank, unsigned document, unsigned structure,
                       unsigned occurrences) = 0;
  // The scores, with a reference (null before Init); 101 for a null out-pointer.
  virtual int GetCursorScorer(ZTCursorScorer** ppOut) = 0;
};

#endif  // FRONTENDS_INDEX_ZTIINDEXSCORER_H_
