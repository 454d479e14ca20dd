// The length in bytes of the first character of a UTF-8 text.
#ifndef FRONTENDS_WORDLIST_DETAIL_ZTCHARLENGTH_H_
#define FRONTENDS_WORDLIST_DETAIL_ZTCHARLENGTH_H_

#include <prtypes.h>

// 0 for an empty text; a byte that does not begin a valid sequence counts as one character.
PRUint32 ztCharLength(const char* text);

#endif  // FRONTENDS_WORDLIST_DETAIL_ZTCHARLENGTH_H_
