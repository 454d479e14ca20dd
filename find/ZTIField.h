// ZTIField, one typed field of a record set.
#ifndef FIND_ZTIFIELD_H_
#define FIND_ZTIFIELD_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"
#include "find/ztfTypes.h"

class ZTIRecordSet;

class ZTFIND_API ZTIField : public ZTRefCount {
 public:
  ZT_DECLARE_ZTIID

  // A new copy of the field's name (free with PL_strfree).
  virtual int GetName(char** ppcName) const = 0;
  // Each sets *pbFlag from GetFieldType and returns its code.
  virtual int IsData(int* pbFlag);
  virtual int IsUNum(int* pbFlag);
  virtual int IsSNum(int* pbFlag);
  virtual int IsLink(int* pbFlag);
  virtual int GetFieldType(ztfFieldType* peType) = 0;
  // The record set a link field points into, with one reference.
  virtual int GetLinkSubRecordSet(ZTIRecordSet** ppRecordSet) = 0;

 private:
  int IsType(ztfFieldType type, int* pbFlag);
};

#endif  // FIND_ZTIFIELD_H_
