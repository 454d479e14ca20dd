// ZTIFldCollection, the fields of a record set.
#ifndef FIND_ZTIFLDCOLLECTION_H_
#define FIND_ZTIFLDCOLLECTION_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"

class ZTIField;

class ZTFIND_API ZTIFldCollection : public ZTRefCount {
 public:
  ZT_DECLARE_ZTIID

  // Fields come back with one reference; names as new copies (free with PL_strfree).
  virtual int GetField(const char* name, ZTIField** ppField) const = 0;
  virtual int GetFieldCount(PRUint32* puCount) const = 0;
  virtual int GetField(PRUint32 index, ZTIField** ppField) const = 0;
  virtual int GetFieldName(PRUint32 index, char** ppcName) const = 0;
};

#endif  // FIND_ZTIFLDCOLLECTION_H_
