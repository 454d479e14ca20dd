#include "modules/unicode/ztUnicodeTable.h"

namespace {

// The table begins with the 26 ASCII capitals; no other character below U+00C0 has a row.
constexpr PRUint32 kAsciiCapitals = 26;
constexpr PRUint32 kFirstBeyondAscii = 0xC0;

}  // namespace

const PRUint32* ztFindUnicodeRow(PRUint32 code) {
  if (code < kFirstBeyondAscii)
    return (code >= 'A' && code <= 'Z') ? g_piUnicode[code - 'A'] : nullptr;
  // Halving over the rest, whose first row (U+00C0) is not above code: row stays the last row
  // not above code.
  const PRUint32(*row)[3] = g_piUnicode + kAsciiCapitals;
  PRUint32 count = g_uUnicodeRows - kAsciiCapitals;
  while (count > 1) {
    const PRUint32 half = count / 2;
    row = row[half][ZT_UNICODE_CODE] <= code ? row + half : row;
    count -= half;
  }
  return (*row)[ZT_UNICODE_CODE] == code ? *row : nullptr;
}
