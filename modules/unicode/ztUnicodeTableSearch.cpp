#include "modules/unicode/ztUnicodeTable.h"

const PRUint32* ztFindUnicodeRow(PRUint32 code) {
  if (code <= g_piUnicode[0][ZT_UNICODE_CODE])
    return code == g_piUnicode[0][ZT_UNICODE_CODE] ? g_piUnicode[0] : nullptr;
  // g_piUnicode[low] < code throughout; the row, if any, lies in (low, high).
  PRUint32 low = 0, high = g_uUnicodeRows;
  while (high - low > 1) {
    const PRUint32 middle = low + (high - low) / 2;
    if (g_piUnicode[middle][ZT_UNICODE_CODE] <= code) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return g_piUnicode[low][ZT_UNICODE_CODE] == code ? g_piUnicode[low] : nullptr;
}
