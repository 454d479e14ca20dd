#include "frontends/wordlist/detail/ztCharLength.h"

#include "core/ztUTF8.h"

PRUint32 ztMultiByteCharLength(const char* text) {
  PRUint32 c = 0, bytes = 0;
  if (CharUTF8ToUCS4(&c, text, &bytes) != 0 || bytes == 0) return 1;
  return bytes;
}
