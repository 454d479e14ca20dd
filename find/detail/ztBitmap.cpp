#include "find/detail/ztBitmap.h"

PRUint32 ztBitmapCount(const PRUint32* words, PRUint32 n) {
  PRUint32 count = 0;
  for (PRUint32 i = 0; i < n; ++i) count += __builtin_popcount(words[i]);
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
