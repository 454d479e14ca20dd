// ZTIStream, the bytes of a data field read piecewise.
#ifndef FIND_ZTISTREAM_H_
#define FIND_ZTISTREAM_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"

class ZTFIND_API ZTIStream : public ZTRefCount {
 public:
  // Copies up to count bytes from the current position into buffer; *puRead receives the
  // number copied (0 at the end).
  virtual int Read(PRUint32 count, void* buffer, PRUint32* puRead) = 0;
  // Moves to a position counted from the start of the value; 15 unless a stream supports it.
  virtual int Seek(PRUint32 position);
};

#endif  // FIND_ZTISTREAM_H_
