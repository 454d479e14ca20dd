// ZTIRecord, one record of a record set, read field by field.
#ifndef FIND_ZTIRECORD_H_
#define FIND_ZTIRECORD_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"

class ZTBinary;
class ZTIField;
class ZTIFldCollection;
class ZTIRecordSet;
class ZTIStream;

class ZTFIND_API ZTIRecord : public ZTRefCount {
 public:
  ZT_DECLARE_ZTIID

  // The record's number in its record set.
  virtual int GetId(PRUint32* puId) = 0;
  virtual int GetUNumFieldValue(ZTIField* field, PRUint32* puValue) = 0;
  virtual int GetSNumFieldValue(ZTIField* field, PRInt32* piValue) = 0;
  // A new buffer with the field's bytes.
  virtual int GetDataFieldValue(ZTIField* field, ZTBinary** ppValue) = 0;
  virtual int GetStreamFieldValue(ZTIField* field, ZTIStream** ppStream) = 0;
  // Number of records the link field points to.
  virtual int GetLinkFieldCount(ZTIField* field, PRUint32* puCount) = 0;
  // The linked records as a record set.
  virtual int GetLinkFieldValue(ZTIField* field, ZTIRecordSet** ppRecordSet) = 0;
  virtual int GetFldCollection(ZTIFldCollection** ppCollection) = 0;
  // The record set a link field leads to (one reference in *ppLinked) and the range of its
  // records [*puFirst, *puFirst + *puCount) that the link holds: what GetLinkFieldValue presents,
  // without making a record set of it. ZT_E_UNSUPPORTED (and *ppLinked null) where a back-end
  // cannot tell; callers then use GetLinkFieldValue.
  virtual int GetLinkFieldRange(ZTIField* field, ZTIRecordSet** ppLinked, PRUint32* puFirst,
                                PRUint32* puCount);
};

#endif  // FIND_ZTIRECORD_H_
