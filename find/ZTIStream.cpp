#include "find/ZTIStream.h"

#include "core/ZTErrors.h"

int ZTIStream::Seek(PRUint32 /*position*/) {
  return ZT_E_UNSUPPORTED;
}
