// ZTIFilter: a byte buffer that fills itself by filtering the data it is given.
#ifndef MODULES_HILITER_ZTIFILTER_H_
#define MODULES_HILITER_ZTIFILTER_H_

#include "core/ZTBinary.h"
#include "modules/hiliter/ZTFindHiliterExport.h"

class ZTFINDHILITER_API ZTIFilter : public ZTBinary {
 public:
  // Replaces the buffer's content by the filtered form of length bytes of data.
  virtual int FilterData(const void* data, unsigned length) = 0;
};

#endif  // MODULES_HILITER_ZTIFILTER_H_
