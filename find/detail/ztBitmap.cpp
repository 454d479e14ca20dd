#include "find/detail/ztBitmap.h"

namespace {

// Counted by halves, without the library call that __builtin_popcount becomes on processors
// assumed to lack the instruction.
PRUint32 BitCount(PRUint32 v) {
  v = v - ((v >> 1) & 0x55555555u);
  v = (v & 0x33333333u) + ((v >> 2) & 0x33333333u);
  return (((v + (v >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24;
}

}  // namespace

PRUint32 ztBitmapCount(const PRUint32* words, PRUint32 n) {
  PRUint32 count = 0;
  for (PRUint32 i = 0; i < n; ++i) count += BitCount(words[i]);
  return count;
}

void ztBitmapToArray(const PRUint32* words, PRUint32 n, PRUint32* out) {
  for (PRUint32 i = 0; i < n; ++i) {
    for (PRUint32 word = words[i]; word; word &= word - 1) {
      *out++ = i * 32 + __builtin_ctz(word);
    }
  }
}

PRUint32 ztBitmapWordsFor(const PRUint32* values, PRUint32 n) {
  if (n == 0) return 0;
  PRUint32 largest = 0;
  for (PRUint32 i = 0; i < n; ++i) largest = values[i] > largest ? values[i] : largest;
  return largest / 32 + 1;
}

void ztBitmapSetBits(PRUint32* words, const PRUint32* values, PRUint32 n) {
  for (PRUint32 i = 0; i < n; ++i) words[values[i] / 32] |= 1u << (values[i] % 32);
}

void ztBitmapOr(PRUint32* words, const PRUint32* other, PRUint32 n) {
  for (PRUint32 i = 0; i < n; ++i) words[i] |= other[i];
}

void ztBitmapAnd(PRUint32* words, const PRUint32* other, PRUint32 n) {
  for (PRUint32 i = 0; i < n; ++i) words[i] &= other[i];
}

void ztBitmapAndNot(PRUint32* words, const PRUint32* other, PRUint32 n) {
  for (PRUint32 i = 0; i < n; ++i) words[i] &= ~other[i];
}
