// Positioned reads of native files, and the cipher hook applied to the bytes just read.
#ifndef BACKENDS_NATIVE_DETAIL_ZTPAGEIO_H_
#define BACKENDS_NATIVE_DETAIL_ZTPAGEIO_H_

#include <prio.h>
#include <prtypes.h>

// Moves the file marker to position; false when the seek fails.
bool ztSeekTo(PRFileDesc* fd, PRUint32 position);
// Reads exactly count bytes (several reads when the system returns fewer); false on an error
// or at the end of the file.
bool ztReadFully(PRFileDesc* fd, void* buffer, PRUint32 count);
// Deciphers count bytes read from the stored file at position, in place. The key stream is a
// function of the file position, so any range can be deciphered on its own. An empty key
// leaves the bytes as they are.
void ztDecipher(PRUint8* bytes, PRUint32 count, PRUint32 position, const PRUint8* key,
                PRUint32 keyLength);

#endif  // BACKENDS_NATIVE_DETAIL_ZTPAGEIO_H_
