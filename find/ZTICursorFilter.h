// ZTICursorFilter, which keeps or rejects cursor positions one at a time.
#ifndef FIND_ZTICURSORFILTER_H_
#define FIND_ZTICURSORFILTER_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"

class ZTCursor;

class ZTFIND_API ZTICursorFilter : public ZTRefCount {
 public:
  ZTICursorFilter();
  ~ZTICursorFilter() override;
  ZT_DECLARE_ZTIID

  // Starts a new pass.
  virtual int Reset();
  // Called once per position, in increasing order; reads the element from the cursor.
  virtual int CheckRank(PRUint32 position, int* pbKeep) = 0;
  // Stores the cursor being filtered (one reference).
  virtual int SetCursor(ZTCursor* cursor);

 protected:
  ZTCursor* m_pCursor;
};

#endif  // FIND_ZTICURSORFILTER_H_
