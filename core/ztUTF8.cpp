#include "core/ztUTF8.h"

#include <prmem.h>

#include <algorithm>
#include <cstring>

#include "core/ZTErrors.h"

namespace {

constexpr PRUint32 kFirstBufferPlaces = 32;
constexpr PRUint32 kLongestSequence = 6;

struct DecodedChar {
  PRUint32 value;
  PRUint32 bytes;
  bool valid;
};

// Length of the sequence a first byte announces; 0 for a continuation byte.
PRUint32 SequenceLength(unsigned char first) {
  if (first < 0x80) return 1;
  if (first < 0xC0) return 0;
  if (first < 0xE0) return 2;
  if (first < 0xF0) return 3;
  if (first < 0xF8) return 4;
  if (first < 0xFC) return 5;
  return 6;
}

// Decodes one character from at most `available` bytes (at least 1). The end of the available
// bytes ends a sequence like a NUL does: nothing past it is read.
DecodedChar DecodeChar(const char* text, PRUint32 available) {
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
  PRUint32 length = SequenceLength(s[0]);
  if (length == 0) return {ZT_UCS4_INVALID, 1, false};
  if (length == 1) return {s[0], 1, true};
  PRUint32 value = s[0] & ((1u << (7 - length)) - 1);
  for (PRUint32 i = 1; i < length; ++i) {
    if (i >= available || (s[i] & 0xC0) != 0x80) return {ZT_UCS4_INVALID, i, false};
    value = (value << 6) | (s[i] & 0x3F);
  }
  return {value, length, true};
}

// Bytes needed for c; 0 when UTF-8 cannot hold it (2^31 and above).
PRUint32 EncodedLength(PRUint32 c) {
  if (c < 0x80) return 1;
  if (c < 0x800) return 2;
  if (c <= 0xFFFF) return 3;
  if (c < (1u << 21)) return 4;
  if (c < (1u << 26)) return 5;
  if (c < (1u << 31)) return 6;
  return 0;
}

// Writes the length bytes of c (no NUL).
void EncodeChar(char* out, PRUint32 c, PRUint32 length) {
  unsigned char* s = reinterpret_cast<unsigned char*>(out);
  if (length == 1) {
    s[0] = static_cast<unsigned char>(c);
    return;
  }
  for (PRUint32 i = length - 1; i > 0; --i) {
    s[i] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    c >>= 6;
  }
  s[0] = static_cast<unsigned char>((0xFF00u >> length) | c);
}

template <class T>
T* NewArray(size_t places) {
  return static_cast<T*>(PR_Malloc(places * sizeof(T)));
}

// The shape shared by UTF8LenToUCS4Len and UCS4LenToUTF8Len: output, output capacity in and
// produced out, input, input available in and consumed out.
template <class Out, class In>
using LenConverter = int (*)(Out*, PRUint32*, const In*, PRUint32*);

// Replaces *ppBuffer by a new one of `places` places; false (buffer null, capacity 0) when
// memory runs out or places is 0.
template <class Out>
bool ReplaceBuffer(Out** ppBuffer, PRUint32* puCapacity, PRUint32 places) {
  PR_Free(*ppBuffer);
  *ppBuffer = places ? NewArray<Out>(places) : nullptr;
  *puCapacity = *ppBuffer ? places : 0;
  return *ppBuffer != nullptr;
}

template <class Out, class In>
int ConvertIntoBuffer(LenConverter<Out, In> convert, Out** ppBuffer, PRUint32* puCapacity,
                      PRUint32* puWritten, const In* in, PRUint32 count, PRBool terminate) {
  if (!ppBuffer || !puCapacity || (!in && count)) return ZT_E_INVALID;
  if ((*ppBuffer == nullptr) != (*puCapacity == 0)) return ZT_E_INVALID;
  if (!*ppBuffer && !ReplaceBuffer(ppBuffer, puCapacity, kFirstBufferPlaces)) return ZT_E_NOMEM;
  for (;;) {
    PRUint32 written = *puCapacity - (terminate ? 1 : 0);
    PRUint32 consumed = count;
    if (convert(*ppBuffer, &written, in, &consumed) == ZT_OK) {
      if (terminate) (*ppBuffer)[written] = 0;
      if (puWritten) *puWritten = written;
      return ZT_OK;
    }
    PRUint32 grown = *puCapacity <= PR_UINT32_MAX / 4 ? *puCapacity * 4 : 0;
    if (!ReplaceBuffer(ppBuffer, puCapacity, grown)) return ZT_E_NOMEM;
  }
}

}  // namespace

int CharUTF8ToUCS4(PRUint32* puChar, const char* text, PRUint32* puBytes) {
  if (!puChar || !text || !puBytes) return ZT_E_INVALID;
  DecodedChar d = DecodeChar(text, kLongestSequence);
  *puChar = d.value;
  *puBytes = d.bytes;
  return d.valid ? ZT_OK : ZT_E_FAILED;
}

int CharUCS4ToUTF8(char* buffer, PRUint32 c, PRUint32* puBytes) {
  PRUint32 length = EncodedLength(c);
  if (!buffer || !length) return ZT_E_INVALID;
  EncodeChar(buffer, c, length);
  buffer[length] = '\0';
  if (puBytes) *puBytes = length;
  return ZT_OK;
}

int UTF8LenToUCS4Len(PRUint32* out, PRUint32* puCount, const char* text, PRUint32* puLength) {
  if (!puCount || !puLength || (!out && *puCount) || (!text && *puLength)) return ZT_E_INVALID;
  PRUint32 produced = 0;
  PRUint32 consumed = 0;
  while (consumed < *puLength && text[consumed]) {
    if (produced == *puCount) return ZT_E_NOMEM;
    DecodedChar d = DecodeChar(text + consumed, *puLength - consumed);
    out[produced++] = d.value;
    consumed += d.bytes;
    if (!d.valid) break;
  }
  *puCount = produced;
  *puLength = consumed;
  return ZT_OK;
}

int UCS4LenToUTF8Len(char* out, PRUint32* puLength, const PRUint32* ucs4, PRUint32* puCount) {
  if (!puLength || !puCount || (!out && *puLength) || (!ucs4 && *puCount)) return ZT_E_INVALID;
  PRUint32 written = 0;
  PRUint32 consumed = 0;
  while (consumed < *puCount && ucs4[consumed]) {
    PRUint32 c = ucs4[consumed];
    PRUint32 length = EncodedLength(c);
    const bool valid = length != 0;
    if (!valid) {
      c = ZT_UCS4_INVALID;
      length = 1;
    }
    if (length > *puLength - written) return ZT_E_NOMEM;
    EncodeChar(out + written, c, length);
    written += length;
    ++consumed;
    if (!valid) break;
  }
  *puLength = written;
  *puCount = consumed;
  return ZT_OK;
}

PRUint32 UTF8LenToNewUCS4(PRUint32** ppOut, const char* text, PRUint32 length) {
  if (!ppOut) return 0;
  *ppOut = NewArray<PRUint32>(size_t{length} + 1);
  if (!*ppOut) return 0;
  // Every character takes at least one byte, so length places always suffice.
  PRUint32 count = length;
  if (UTF8LenToUCS4Len(*ppOut, &count, text, &length) != ZT_OK) count = 0;
  (*ppOut)[count] = 0;
  return count;
}

PRUint32 UTF8ToNewUCS4(PRUint32** ppOut, const char* text) {
  if (!text) {
    if (ppOut) *ppOut = nullptr;
    return 0;
  }
  size_t length = std::strlen(text);
  return UTF8LenToNewUCS4(ppOut, text,
                          static_cast<PRUint32>(std::min<size_t>(length, PR_UINT32_MAX - 1)));
}

PRUint32 UCS4LenToNewUTF8(char** ppOut, const PRUint32* ucs4, PRUint32 count) {
  if (!ppOut) return 0;
  // Starts with one byte a character and grows by a fifth until the text fits.
  size_t size = size_t{count} + 1;
  for (*ppOut = nullptr; size <= PR_UINT32_MAX; size += size / 5 + 1) {
    PR_Free(*ppOut);
    *ppOut = NewArray<char>(size);
    if (!*ppOut) return 0;
    PRUint32 written = static_cast<PRUint32>(size - 1);
    PRUint32 consumed = count;
    if (UCS4LenToUTF8Len(*ppOut, &written, ucs4, &consumed) == ZT_OK) {
      (*ppOut)[written] = '\0';
      return written;
    }
  }
  PR_Free(*ppOut);
  *ppOut = nullptr;
  return 0;
}

PRUint32 UCS4ToNewUTF8(char** ppOut, const PRUint32* ucs4) {
  return UCS4LenToNewUTF8(ppOut, ucs4, UCS4strlen(ucs4));
}

int UTF8LenToUCS4Buffer(PRUint32** ppBuffer, PRUint32* puCapacity, PRUint32* puWritten,
                        const char* text, PRUint32 length, PRBool terminate) {
  return ConvertIntoBuffer<PRUint32, char>(UTF8LenToUCS4Len, ppBuffer, puCapacity, puWritten, text,
                                           length, terminate);
}

int UCS4LenToUTF8Buffer(char** ppBuffer, PRUint32* puCapacity, PRUint32* puWritten,
                        const PRUint32* ucs4, PRUint32 count, PRBool terminate) {
  return ConvertIntoBuffer<char, PRUint32>(UCS4LenToUTF8Len, ppBuffer, puCapacity, puWritten, ucs4,
                                           count, terminate);
}

PRUint32 UCS4strlen(const PRUint32* ucs4) {
  PRUint32 n = 0;
  if (ucs4) {
    while (ucs4[n]) ++n;
  }
  return n;
}

PRUint32* UCS4strdup(const PRUint32* ucs4) {
  if (!ucs4) return nullptr;
  return UCS4strndup(ucs4, UCS4strlen(ucs4));
}

PRUint32* UCS4strndup(const PRUint32* ucs4, PRUint32 n) {
  if (!ucs4 && n) return nullptr;
  PRUint32* copy = NewArray<PRUint32>(size_t{n} + 1);
  if (!copy) return nullptr;
  if (n) std::memcpy(copy, ucs4, size_t{n} * sizeof(PRUint32));
  copy[n] = 0;
  return copy;
}

int UCS4StartsWith(const PRUint32* ucs4, const PRUint32* prefix) {
  if (!prefix) return 1;
  for (PRUint32 i = 0; prefix[i]; ++i) {
    if (!ucs4 || ucs4[i] != prefix[i]) return 0;
  }
  return 1;
}

PRUint32 UCS4strinvert(PRUint32* ucs4) {
  PRUint32 length = UCS4strlen(ucs4);
  if (length) std::reverse(ucs4, ucs4 + length);
  return length / 2;
}

void UTF8strinvert(char* text) {
  if (text) std::reverse(text, text + std::strlen(text));
}

void UCS4Free(PRUint32* ucs4) {
  PR_Free(ucs4);
}

void UTF8Free(char* text) {
  PR_Free(text);
}
