#include <vector>

#include "modules/unicode/ztUnicodeTable.h"

namespace {

// The table begins with the 26 ASCII capitals; no other character below U+00C0 has a row.
constexpr PRUint32 kAsciiCapitals = 26;
constexpr PRUint32 kFirstBeyondAscii = 0xC0;
// The rows beyond ASCII are indexed by blocks of this many code points.
constexpr PRUint32 kBlockBits = 6;

// For block b (code points from U+00C0 + b * 64), the first row beyond ASCII not below its
// start; one entry more marks the end of the last block.
const std::vector<PRUint16>& BlockStarts() {
  static const std::vector<PRUint16> starts = [] {
    const PRUint32 last = g_piUnicode[g_uUnicodeRows - 1][ZT_UNICODE_CODE];
    std::vector<PRUint16> made(((last - kFirstBeyondAscii) >> kBlockBits) + 2);
    PRUint32 row = kAsciiCapitals;
    for (PRUint32 b = 0; b < made.size(); ++b) {
      const PRUint32 start = kFirstBeyondAscii + (b << kBlockBits);
      while (row < g_uUnicodeRows && g_piUnicode[row][ZT_UNICODE_CODE] < start) ++row;
      made[b] = static_cast<PRUint16>(row);
    }
    return made;
  }();
  return starts;
}

}  // namespace

const PRUint32* ztFindUnicodeRow(PRUint32 code) {
  if (code < kFirstBeyondAscii)
    return (code >= 'A' && code <= 'Z') ? g_piUnicode[code - 'A'] : nullptr;
  const std::vector<PRUint16>& starts = BlockStarts();
  const PRUint32 block = (code - kFirstBeyondAscii) >> kBlockBits;
  if (block + 1 >= starts.size()) return nullptr;
  // Halving over the rows of the block.
  PRUint32 low = starts[block], high = starts[block + 1];
  while (low < high) {
    const PRUint32 middle = low + (high - low) / 2;
    if (g_piUnicode[middle][ZT_UNICODE_CODE] < code) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low < starts[block + 1] && g_piUnicode[low][ZT_UNICODE_CODE] == code ? g_piUnicode[low]
                                                                              : nullptr;
}
