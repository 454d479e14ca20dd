// ZTCursorFilterRemoveDuplicated drops an element equal to the one before it, so it removes
// every repeat from a sorted cursor.
#ifndef FIND_ZTCURSORFILTERREMOVEDUPLICATED_H_
#define FIND_ZTCURSORFILTERREMOVEDUPLICATED_H_

#include "find/ZTICursorFilter.h"

class ZTFIND_API ZTCursorFilterRemoveDuplicated : public ZTICursorFilter {
 public:
  ZT_DECLARE_ZTIID

  int CheckRank(PRUint32 position, int* pbKeep) override;
};

#endif  // FIND_ZTCURSORFILTERREMOVEDUPLICATED_H_
