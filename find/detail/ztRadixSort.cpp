#include "find/detail/ztRadixSort.h"

#include <algorithm>
#include <cstring>

namespace {

const PRUint32 kBytes = 8;
const PRUint32 kShortArray = 256;

// counts[b][v]: the keys whose byte b (from first on) is v.
void CountBytes(const PRUint64* keys, PRUint32 n, PRUint32 first, PRUint32 (*counts)[256]) {
  memset(counts, 0, kBytes * 256 * sizeof(PRUint32));
  for (PRUint32 i = 0; i < n; ++i) {
    for (PRUint32 b = first; b < kBytes; ++b) ++counts[b][(keys[i] >> (8 * b)) & 0xFF];
  }
}

// One stable distribution of from into to by byte b.
void Distribute(const PRUint64* from, PRUint64* to, PRUint32 n, PRUint32 b,
                const PRUint32* counts) {
  PRUint32 next[256];
  PRUint32 total = 0;
  for (PRUint32 v = 0; v < 256; ++v) {
    next[v] = total;
    total += counts[v];
  }
  for (PRUint32 i = 0; i < n; ++i) to[next[(from[i] >> (8 * b)) & 0xFF]++] = from[i];
}

}  // namespace

void ztRadixSort(PRUint64* keys, PRUint64* scratch, PRUint32 n, PRUint32 lowBytes) {
  if (n < kShortArray) {
    std::sort(keys, keys + n);
    return;
  }
  const PRUint32 first = std::min(lowBytes, kBytes);
  PRUint32 counts[kBytes][256];
  CountBytes(keys, n, first, counts);
  PRUint64* from = keys;
  PRUint64* to = scratch;
  for (PRUint32 b = first; b < kBytes; ++b) {
    if (counts[b][(keys[0] >> (8 * b)) & 0xFF] == n) continue;  // one value: nothing moves
    Distribute(from, to, n, b, counts[b]);
    std::swap(from, to);
  }
  if (from != keys) memcpy(keys, from, n * sizeof(PRUint64));
}
