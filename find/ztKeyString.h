// In-place string operations used to build lookup keys.
#ifndef FIND_ZTKEYSTRING_H_
#define FIND_ZTKEYSTRING_H_

#include "find/ZTFindExport.h"

// Turns the ASCII letters a to z into A to Z; other bytes are left alone. Null gives null.
ZTFIND_API char* zt_upper(char* text);
// Reverses the bytes.
ZTFIND_API char* zt_invertString(char* text);
// Makes the text the smallest string greater than every string beginning with it: the last
// byte is incremented, or removed when it is 0xFF (and then the one before it is treated the
// same way). Turns a prefix into the exclusive upper bound of its range of keys.
ZTFIND_API char* zt_nextString(char* text);

#endif  // FIND_ZTKEYSTRING_H_
