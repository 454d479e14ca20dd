// ztRecordCache remembers the record of the last cursor element a wrapper looked at.
#ifndef FIND_ZTRECORDCACHE_H_
#define FIND_ZTRECORDCACHE_H_

#include <prtypes.h>

#include "find/ZTFindExport.h"

class ZTIRecord;
class ZTIRecordSet;

class ZTFIND_API ztRecordCache {
 public:
  ztRecordCache();
  ~ztRecordCache();
  ztRecordCache(const ztRecordCache&) = delete;
  ztRecordCache& operator=(const ztRecordCache&) = delete;

  void Clear();
  // The record of element (borrowed: valid until the next call or Clear) and its position:
  // the element itself, or with bRanksAreRecordNumbers clear the record recordSet's
  // LookupUNum (equal) finds for it. Fetched only when element is not the cached one.
  int Get(ZTIRecordSet* recordSet, PRUint32 element, int bRanksAreRecordNumbers,
          ZTIRecord** ppRecord, PRUint32* puPosition);

 private:
  PRUint32 m_uElement;
  PRUint32 m_uPosition;
  ZTIRecord* m_pRecord;
};

#endif  // FIND_ZTRECORDCACHE_H_
