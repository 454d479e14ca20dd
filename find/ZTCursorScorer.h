// ZTCursorScorer attaches a 32-bit score to each element of a result cursor and derives a
// second cursor of the same record numbers ordered by score, highest first, with the scores
// in that order (frozen at SetUnsortedCursor).
#ifndef FIND_ZTCURSORSCORER_H_
#define FIND_ZTCURSORSCORER_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"

class ZTCursor;
class ZTIMuxCursorScorer;

class ZTFIND_API ZTCursorScorer : public ZTRefCount {
 public:
  ZTCursorScorer();
  ~ZTCursorScorer() override;
  ZT_DECLARE_ZTIID

  // Drops everything; n zero scores of the kind bSigned selects.
  int Init(PRUint32 n, int bSigned);
  // 10 when the scorer is empty, of the other kind, or index is not below the size.
  int SetUnsignedScore(PRUint32 index, PRUint32 value);
  int AddToUnsignedScore(PRUint32 index, PRUint32 amount);
  int SetSignedScore(PRUint32 index, PRInt32 value);
  int AddToSignedScore(PRUint32 index, PRInt32 amount);
  // Element k of cursor is scored by score k; builds the sorted cursor and sorted scores.
  int SetUnsortedCursor(ZTCursor* cursor);
  int GetSize(PRUint32* puSize) const;
  // The sorted or unsorted cursor with a new reference, null when not set.
  int GetCursor(int bSorted, ZTCursor** ppCursor);
  // The scorer's own arrays, valid until the next Init, SetUnsortedCursor or MuxCursorScorer.
  int GetSharedUnsignedScores(int bSorted, const PRUint32** ppuScores) const;
  int GetSharedSignedScores(int bSorted, const PRInt32** ppiScores) const;
  // Replaces this scorer's content by the merge of n scorers.
  int MuxCursorScorer(ZTCursorScorer** scorers, PRUint32 n, ZTIMuxCursorScorer* computer,
                      int* piStop);

 private:
  void Clear();
  void DropSorted();
  PRUint32* ScoresOfKind(int bSigned);
  int CheckIndex(PRUint32 index, int bSigned, const char* where) const;
  int BuildSorted(ZTCursor* cursor);
  int CollectCursors(ZTCursorScorer** scorers, PRUint32 n, ZTCursor*** pppCursors);

  PRUint32 m_uSize;
  int m_bSigned;
  ZTCursor* m_pUnsortedCursor;
  ZTCursor* m_pSortedCursor;
  PRUint32* m_puScores;
  PRUint32* m_puSortedScores;
  PRInt32* m_piScores;
  PRInt32* m_piSortedScores;
};

#endif  // FIND_ZTCURSORSCORER_H_
