// Decoding of one HTML character reference: a named entity of HTML 4 (the Latin-1 set, the
// markup characters and the common typographic ones) or a decimal or hexadecimal reference.
#ifndef TOOLS_WRITER_DETAIL_ZTHTMLENTITY_H_
#define TOOLS_WRITER_DETAIL_ZTHTMLENTITY_H_

#include <prtypes.h>

#include <cstddef>

// When text (length bytes) begins with a reference ("&name;", "&#123;" or "&#x7B;") standing for
// a code point from 1 to 0x10FFFF other than a surrogate: true, with the code point in *puChar
// and the reference's length in *puBytes. Any other text: false.
bool ztDecodeHtmlEntity(const char* text, size_t length, PRUint32* puChar, size_t* puBytes);

#endif  // TOOLS_WRITER_DETAIL_ZTHTMLENTITY_H_
