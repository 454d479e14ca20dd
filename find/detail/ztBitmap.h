// Word loops over the bitmap form of cursors: bit j of word w stands for 32 * w + j.
#ifndef FIND_DETAIL_ZTBITMAP_H_
#define FIND_DETAIL_ZTBITMAP_H_

#include <prtypes.h>

// Number of set bits.
PRUint32 ztBitmapCount(const PRUint32* words, PRUint32 n);
// Writes the numbers of the set bits, ascending, into out (room for ztBitmapCount values).
void ztBitmapToArray(const PRUint32* words, PRUint32 n, PRUint32* out);
// Words needed to hold every value (0 for no values).
PRUint32 ztBitmapWordsFor(const PRUint32* values, PRUint32 n);
// Sets the bit of every value; the bitmap must cover them.
void ztBitmapSetBits(PRUint32* words, const PRUint32* values, PRUint32 n);
// words[i] |= other[i], &= other[i] or &= ~other[i] for i below n.
void ztBitmapOr(PRUint32* words, const PRUint32* other, PRUint32 n);
void ztBitmapAnd(PRUint32* words, const PRUint32* other, PRUint32 n);
void ztBitmapAndNot(PRUint32* words, const PRUint32* other, PRUint32 n);

inline bool ztBitmapTest(const PRUint32* words, PRUint32 n, PRUint32 value) {
  const PRUint32 w = value / 32;
  return w < n && ((words[w] >> (value % 32)) & 1u);
}

#endif  // FIND_DETAIL_ZTBITMAP_H_
