// Conversions between UTF-8 text and UCS-4 strings (arrays of code points ended by a 0 value),
// and small helpers on UCS-4 strings.
//
// Every string conversion stops at a NUL byte or a 0 code point. An invalid UTF-8 sequence
// becomes one 'X' (0x58) and ends the conversion; so does a code point of 2^31 or above, which
// UTF-8 cannot encode. Only CharUTF8ToUCS4 and CharUCS4ToUTF8 report such input as an error.
// Strings made by these routines come from the NSPR allocator: free them with UCS4Free or
// UTF8Free.
#ifndef CORE_ZTUTF8_H_
#define CORE_ZTUTF8_H_

#include <prtypes.h>

#include "core/ZTCoreExport.h"

// The character stored for invalid input.
constexpr PRUint32 ZT_UCS4_INVALID = 0x58;
// Room needed by CharUCS4ToUTF8: six bytes and a NUL.
constexpr PRUint32 ZT_UTF8_CHAR_MAX = 7;

// Decodes the first character of text into *puChar and its length into *puBytes. 0, or 10 for
// an invalid sequence (then *puChar is 'X' and *puBytes the bytes before the fault).
ZTCORE_API int CharUTF8ToUCS4(PRUint32* puChar, const char* text, PRUint32* puBytes);
// Encodes c into 1 to 6 bytes followed by a NUL (buffer of ZT_UTF8_CHAR_MAX bytes); *puBytes
// gets the length without the NUL. 1 for a null buffer or a code point of 2^31 or above.
ZTCORE_API int CharUCS4ToUTF8(char* buffer, PRUint32 c, PRUint32* puBytes);

// Decodes at most *puLength bytes of text into at most *puCount code points. On return *puCount
// holds the code points produced and *puLength the bytes consumed; 0. 12 when the array fills
// up before the text is used up, with both values left as they were. No 0 is written.
ZTCORE_API int UTF8LenToUCS4Len(PRUint32* out, PRUint32* puCount, const char* text,
                                PRUint32* puLength);
// Encodes at most *puCount code points into at most *puLength bytes. On return *puLength holds
// the bytes written and *puCount the code points consumed; 0. 12 when the next character does
// not fit, with both values left as they were. No NUL is written.
ZTCORE_API int UCS4LenToUTF8Len(char* out, PRUint32* puLength, const PRUint32* ucs4,
                                PRUint32* puCount);

// New 0-terminated arrays (room for length + 1 values); return the number of code points, and
// store null (returning 0) when memory runs out.
ZTCORE_API PRUint32 UTF8LenToNewUCS4(PRUint32** ppOut, const char* text, PRUint32 length);
ZTCORE_API PRUint32 UTF8ToNewUCS4(PRUint32** ppOut, const char* text);
// New NUL-terminated texts; return the number of bytes, and store null (returning 0) when
// memory runs out.
ZTCORE_API PRUint32 UCS4LenToNewUTF8(char** ppOut, const PRUint32* ucs4, PRUint32 count);
ZTCORE_API PRUint32 UCS4ToNewUTF8(char** ppOut, const PRUint32* ucs4);

// Convert into a buffer that the caller owns and reuses between calls. A null *ppBuffer needs a
// capacity of 0 and gets a first buffer of 32 places; a buffer needs a non-zero capacity
// (otherwise 1). When the output does not fit (with a place for the terminator when terminate
// is set) the capacity is multiplied by 4, the buffer replaced and the conversion started again.
// *puWritten (may be null) gets the output's size without the terminator. 12 when memory runs
// out (the buffer is then null and the capacity 0).
ZTCORE_API int UTF8LenToUCS4Buffer(PRUint32** ppBuffer, PRUint32* puCapacity, PRUint32* puWritten,
                                   const char* text, PRUint32 length, PRBool terminate);
ZTCORE_API int UCS4LenToUTF8Buffer(char** ppBuffer, PRUint32* puCapacity, PRUint32* puWritten,
                                   const PRUint32* ucs4, PRUint32 count, PRBool terminate);

// Number of values before the 0.
ZTCORE_API PRUint32 UCS4strlen(const PRUint32* ucs4);
// New copy with its 0, or null.
ZTCORE_API PRUint32* UCS4strdup(const PRUint32* ucs4);
// New array of exactly the first n values (the caller guarantees n of them) plus a 0, or null.
ZTCORE_API PRUint32* UCS4strndup(const PRUint32* ucs4, PRUint32 n);
// 1 if ucs4 begins with every value of prefix (an empty prefix always matches), else 0.
ZTCORE_API int UCS4StartsWith(const PRUint32* ucs4, const PRUint32* prefix);
// Reverses the string in place; returns half its length.
ZTCORE_API PRUint32 UCS4strinvert(PRUint32* ucs4);
// Reverses the bytes of the text in place (a multi-byte character comes out reversed too).
ZTCORE_API void UTF8strinvert(char* text);

ZTCORE_API void UCS4Free(PRUint32* ucs4);
ZTCORE_API void UTF8Free(char* text);

#endif  // CORE_ZTUTF8_H_
