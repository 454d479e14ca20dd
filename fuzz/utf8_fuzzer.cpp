// Runs every UTF-8/UCS-4 conversion on arbitrary bytes: as UTF-8 text, and (in groups of four)
// as code points. Checks the round trips that must hold: decoded text encodes and decodes back
// to the same code points, and code points encode and decode back up to where the encoding
// stopped.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/ztUTF8.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckUtf8Text(const uint8_t* data, size_t size) {
  // An exact copy: reading past the length is caught by the address sanitizer.
  std::vector<char> exact(data, data + size);
  PRUint32 length = static_cast<PRUint32>(size);
  PRUint32* ucs4 = nullptr;
  PRUint32 count = UTF8LenToNewUCS4(&ucs4, exact.data(), length);
  Check(ucs4 != nullptr && ucs4[count] == 0 && count <= length);
  for (PRUint32 k = 0; k < count; ++k) Check(ucs4[k] < 0x80000000u);

  // An overlong form of NUL decodes to a 0 value, which ends the string for what follows.
  const PRUint32 length0 = UCS4strlen(ucs4);
  char* utf8 = nullptr;
  PRUint32 bytes = UCS4ToNewUTF8(&utf8, ucs4);
  Check(utf8 != nullptr && std::strlen(utf8) == bytes);
  PRUint32* again = nullptr;
  PRUint32 againCount = UTF8ToNewUCS4(&again, utf8);
  Check(againCount == length0 && std::memcmp(again, ucs4, length0 * sizeof(PRUint32)) == 0);

  PRUint32* buffer = nullptr;
  PRUint32 capacity = 0, written = 0;
  Check(UTF8LenToUCS4Buffer(&buffer, &capacity, &written, exact.data(), length, PR_TRUE) == 0);
  Check(written == count && std::memcmp(buffer, ucs4, count * sizeof(PRUint32)) == 0);
  UCS4Free(buffer);

  if (size) {
    PRUint32 c = 0, used = 0;
    std::vector<char> terminated(exact);
    terminated.push_back('\0');
    int rc = CharUTF8ToUCS4(&c, terminated.data(), &used);
    Check(used >= 1 && used <= 6 && (rc == 0 || c == ZT_UCS4_INVALID));
  }
  std::vector<char> original(utf8, utf8 + bytes + 1);
  UTF8strinvert(utf8);
  Check(bytes < 2 || utf8[0] == original[bytes - 1]);
  UTF8strinvert(utf8);
  Check(std::memcmp(utf8, original.data(), bytes + 1) == 0);
  UCS4Free(again);
  UTF8Free(utf8);
  UCS4Free(ucs4);
}

void CheckCodePoints(const uint8_t* data, size_t size) {
  std::vector<PRUint32> ucs4(size / 4 + 1, 0);
  std::memcpy(ucs4.data(), data, size / 4 * 4);
  PRUint32 count = static_cast<PRUint32>(size / 4);
  // What the encoding keeps: the values before the first 0, and an 'X' for a value that UTF-8
  // cannot hold, which ends it.
  std::vector<PRUint32> kept;
  for (PRUint32 k = 0; k < count && ucs4[k]; ++k) {
    kept.push_back(ucs4[k] < 0x80000000u ? ucs4[k] : ZT_UCS4_INVALID);
    if (ucs4[k] >= 0x80000000u) break;
  }
  char* utf8 = nullptr;
  PRUint32 bytes = UCS4LenToNewUTF8(&utf8, ucs4.data(), count);
  Check(utf8 != nullptr && std::strlen(utf8) == bytes);
  PRUint32* back = nullptr;
  PRUint32 backCount = UTF8ToNewUCS4(&back, utf8);
  Check(backCount == kept.size() && std::equal(kept.begin(), kept.end(), back));

  char* buffer = nullptr;
  PRUint32 capacity = 0, written = 0;
  Check(UCS4LenToUTF8Buffer(&buffer, &capacity, &written, ucs4.data(), count, PR_FALSE) == 0);
  Check(written == bytes && std::memcmp(buffer, utf8, bytes) == 0);
  UTF8Free(buffer);

  PRUint32 length = UCS4strlen(ucs4.data());
  PRUint32* copy = UCS4strdup(ucs4.data());
  Check(UCS4StartsWith(ucs4.data(), copy) == 1);
  Check(UCS4strinvert(copy) == length / 2);
  UCS4strinvert(copy);
  Check(std::memcmp(copy, ucs4.data(), (length + 1) * sizeof(PRUint32)) == 0);
  UCS4Free(copy);
  UCS4Free(back);
  UTF8Free(utf8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckUtf8Text(data, size);
  CheckCodePoints(data, size);
  return 0;
}
