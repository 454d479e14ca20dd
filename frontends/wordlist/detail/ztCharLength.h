// The length in bytes of the first character of a UTF-8 text.
#ifndef FRONTENDS_WORDLIST_DETAIL_ZTCHARLENGTH_H_
#define FRONTENDS_WORDLIST_DETAIL_ZTCHARLENGTH_H_

#include <prtypes.h>

// The length of a character that does not begin with an ASCII byte.
PRUint32 ztMultiByteCharLength(const char* text);

// 0 for an empty text; a byte that does not begin a valid sequence counts as one character.
inline PRUint32 ztCharLength(const char* text) {
  const unsigned char first = static_cast<unsigned char>(*text);
  if (first < 0x80) return first ? 1 : 0;
  return ztMultiByteCharLength(text);
}

#endif  // FRONTENDS_WORDLIST_DETAIL_ZTCHARLENGTH_H_
