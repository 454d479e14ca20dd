// Stores integers in the little-endian byte order of every native file.
#ifndef TOOLS_WRITER_DETAIL_ZTLITTLEENDIAN_H_
#define TOOLS_WRITER_DETAIL_ZTLITTLEENDIAN_H_

#include <prtypes.h>

// Writes the width low bytes of value at p, least significant first.
inline void ztPutLE(PRUint8* p, PRUint32 value, PRUint32 width) {
  for (PRUint32 i = 0; i < width; ++i) p[i] = static_cast<PRUint8>(value >> (8 * i));
}

#endif  // TOOLS_WRITER_DETAIL_ZTLITTLEENDIAN_H_
