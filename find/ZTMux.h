// ZTMux combines several cursors into one: MuxCursors computes their union as a set,
// MuxCursorsWithAncillary merges their arrays value by value and lets a callback compute a
// block of data for each output value. A mux serves one merge.
#ifndef FIND_ZTMUX_H_
#define FIND_ZTMUX_H_

#include <prtypes.h>

#include "find/ZTFindExport.h"

class ZTCursor;
class ZTICursorComparator;
class ZTIMuxAncillaryCallback;

class ZTFIND_API ZTMux {
 public:
  ZTMux();
  ~ZTMux();
  ZTMux(const ZTMux&) = delete;
  ZTMux& operator=(const ZTMux&) = delete;

  // The union, ascending (or in the first cursor's comparator order). 19 when *piStop is set
  // after an input.
  int MuxCursors(ZTCursor** cursors, PRUint32 n, int* piStop);
  // Every distinct value of inputs that are each ordered without repeats, once, in order.
  // ancillarySize bytes per output value; callback, comparator and piStop may be null.
  int MuxCursorsWithAncillary(ZTCursor** cursors, PRUint32 n, PRUint32 ancillarySize,
                              ZTIMuxAncillaryCallback* callback, ZTICursorComparator* comparator,
                              int* piStop);
  // Hands the result over (items and, when ppAncillary is given, the ancillary buffer, both to
  // be freed with PR_Free) and leaves the mux empty.
  int RetrieveDataWithAncillary(PRUint32* puCount, PRUint32** ppuItems, void** ppAncillary);
  // The insertion step of the merge: input takes its next value and joins the waiting list.
  int InsertIndexWithComparator(PRUint32 input, ZTICursorComparator* comparator);
  int InsertIndexWithoutComparator(PRUint32 input);

 private:
  template <class Cmp>
  int Insert(PRUint32 input, Cmp cmp);
  int PassThrough(ZTCursor* cursor, PRUint32 ancillarySize, ZTIMuxAncillaryCallback* callback);
  int Open(ZTCursor** cursors, PRUint32 n, PRUint32* puCapacity);
  int SortedUnion(ZTCursor** cursors, PRUint32 n, PRUint32 total);
  int AllocResult(PRUint32 capacity, PRUint32 ancillarySize);
  int Output(PRUint32 input, PRUint32 ancillarySize, ZTIMuxAncillaryCallback* callback);
  void FreeSources();
  void FreeResult();

  PRUint32 m_uSources;
  const PRUint32** m_ppuSources;
  PRUint32* m_puCounts;
  PRUint32* m_puPositions;
  PRUint32* m_puCurrent;
  PRUint32* m_puWaiting;
  PRUint32 m_uWaiting;
  int* m_piFlags;
  PRUint32 m_uCount;
  PRUint32* m_puItems;
  PRUint8* m_pAncillary;
};

#endif  // FIND_ZTMUX_H_
