// Identification texts travel as ZTBinary buffers holding a NUL-terminated string.
#ifndef FIND_DETAIL_ZTTEXTBINARY_H_
#define FIND_DETAIL_ZTTEXTBINARY_H_

#include "core/ZTBinary.h"

// A new buffer holding text; 12 when memory runs out.
int ztMakeTextBinary(const char* text, ZTBinary** ppOut);
// A new buffer holding the formatted text (NSPR printf rules); 12 when memory runs out.
int ztFormatTextBinary(ZTBinary** ppOut, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// The text of a buffer, or null when it has none.
const char* ztBinaryText(const ZTBinary* binary);
// True when the buffer holds the text "UNKNOWN", which no two comparators may share.
bool ztIsUnknownId(const ZTBinary* binary);

#endif  // FIND_DETAIL_ZTTEXTBINARY_H_
