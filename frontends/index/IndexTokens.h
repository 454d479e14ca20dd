// IndexTokens: a parsed full-text query. Each token item joins a term (a word, or a phrase with
// its own IndexTokens) to everything on its left by an operator code: 1 union, 2 intersection,
// 3 difference, 4 proximity in either order, 5 proximity in order. Evaluation runs strictly
// from left to right. Once resolved, the tokens compute the result's documents, the positions
// to highlight in one document at a time, and the scores.
#ifndef FRONTENDS_INDEX_INDEXTOKENS_H_
#define FRONTENDS_INDEX_INDEXTOKENS_H_

#include <prtypes.h>

#include <utility>
#include <vector>

#include "frontends/index/ZTIndexExport.h"
#include "frontends/index/detail/ztOccurrenceSets.h"

class ZTCursor;
class ZTIIndexScorer;
class ZTIRecordFilter;
class ZTIRecordSet;
class ZTIndex;
class ztIStringSimplifier;

class ZTFINDFEINDEX_API IndexTokens {
 public:
  struct Item {
    int m_iOperator;      // joins this item to what precedes it
    char* m_pcTerm;       // into the query text; null once removed
    int m_bPhrase;        // the term is a quoted phrase
    IndexTokens* m_pSub;  // a phrase's words, owned
  };

  explicit IndexTokens(int phraseApplySimplifier);
  ~IndexTokens();
  IndexTokens(const IndexTokens&) = delete;
  IndexTokens& operator=(const IndexTokens&) = delete;

  // Keeps index (a reference) and the distance, and allocates the first items; 12 without
  // memory.
  int Init(PRUint32 nearDistance, ZTIndex* index);
  // Tokenizes text (modified in place; it must outlive the tokens), parses the phrases when
  // topLevel is set, and removes stop words, passing their operator on.
  int Parse(char* text, int topLevel);
  // Fetches every term's document-occurrence set.
  int ResolveLin(int links, ztIStringSimplifier* simplifier, ZTIRecordFilter* filter);
  // The documents of the query, ascending (a new cursor in *ppOut).
  int ComputeDocumentList(ZTCursor** ppOut);
  // The positions to highlight in document, ascending (a new cursor in *ppOut).
  int ComputeHiliteInfo(PRUint32 document, ZTCursor** ppOut);
  // The positions of the words taking part in a complete occurrence of this phrase.
  int ComputePhraseHiliteInfo(PRUint32 document, ZTCursor** ppOut);
  // Whether the whole phrase occurs in document, with a scan per item (from NewScans) that moves
  // forward as documents are asked in ascending order; only the positions needed to tell are
  // read.
  int PhraseOccurs(PRUint32 document, std::vector<ztOccurrenceScan>* pScans, bool* pbFound);
  std::vector<ztOccurrenceScan> NewScans() const;
  // Adds, for every query word, the weight of its records in documents (ascending) to scorer.
  int ComputeScores(ZTCursor* documents, ZTIIndexScorer* scorer);
  int ComputePhraseScores(ZTCursor* documents, ZTIIndexScorer* scorer);
  // The positions of a or b that have a position of the other list within distance, merged
  // ascending (a new cursor in *ppOut); 10 when a list has a count but no items.
  static int FilterNearOccurrences(ZTCursor* a, ZTCursor* b, PRUint32 distance, ZTCursor** ppOut);

  // For the parser.
  int GrowArrays();
  PRUint32 GetCount() const { return m_uCount; }
  void SetCount(PRUint32 count) { m_uCount = count; }
  Item* GetItem(PRUint32 index) { return &m_pItems[index]; }

 private:
  bool HasTerm(PRUint32 i) const;
  int ParsePhrase(Item* item);
  void RemoveStopWords();
  int ComputeTokenDocumentList(PRUint32 i, ZTCursor** ppOut);
  int ComputePhraseDocumentList(ZTCursor** ppOut);
  int FilterNear(ZTCursor* documents, PRUint32 i, PRUint32 distance, int ordered);
  ztOccurrenceSets* LeftSet(PRUint32 i) const;
  ztOccurrenceSets* RightSet(PRUint32 i) const;
  // From *puScan (from the first record when null).
  int ComputeTokenHiliteInfo(PRUint32 i, PRUint32 document, ZTCursor** ppOut,
                             ztOccurrenceScan* pScan = nullptr);
  int ComputeTokenScores(PRUint32 i, ZTCursor* documents, ZTIIndexScorer* scorer);
  int ComputeSetScores(ZTIRecordSet* set, ZTCursor* owners, ZTCursor* documents,
                       ZTIIndexScorer* scorer);
  int ScoreRecord(ZTIRecordSet* set, PRUint32 record, PRUint32 rank, PRUint32 document,
                  ZTIIndexScorer* scorer);
  // matches: (record, rank) pairs, records ascending, all within the span of records from first.
  int ScoreSpan(ZTIRecordSet* set, PRUint32 first, PRUint32 span,
                const std::vector<std::pair<PRUint32, PRUint32>>& matches, const PRUint32* ids,
                ZTIIndexScorer* scorer);
  int FilterPhrasePass(ZTCursor** lists, bool forward);
  int HasAllWords(PRUint32 document, std::vector<ztOccurrenceScan>* pScans, bool* pbAll);

  ZTIndex* m_pIndex;
  PRUint32 m_uNearDistance;
  Item* m_pItems;
  PRUint32 m_uCount;
  PRUint32 m_uCapacity;
  ztOccurrenceSets** m_ppSets;  // one per item, owned
  int m_bPhraseApplySimplifier;
};

#endif  // FRONTENDS_INDEX_INDEXTOKENS_H_
