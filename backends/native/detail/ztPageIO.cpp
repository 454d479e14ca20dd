#include "backends/native/detail/ztPageIO.h"

bool ztSeekTo(PRFileDesc* fd, PRUint32 position) {
  return PR_Seek64(fd, position, PR_SEEK_SET) == static_cast<PRInt64>(position);
}

bool ztReadFully(PRFileDesc* fd, void* buffer, PRUint32 count) {
  PRUint8* out = static_cast<PRUint8*>(buffer);
  while (count > 0) {
    const PRInt32 chunk = count > 0x40000000 ? 0x40000000 : static_cast<PRInt32>(count);
    const PRInt32 read = PR_Read(fd, out, chunk);
    if (read <= 0) return false;
    out += read;
    count -= static_cast<PRUint32>(read);
  }
  return true;
}

void ztDecipher(PRUint8* bytes, PRUint32 count, PRUint32 position, const PRUint8* key,
                PRUint32 keyLength) {
  if (!key || keyLength == 0) return;
  for (PRUint32 i = 0; i < count; ++i) {
    const PRUint32 at = position + i;
    bytes[i] ^= static_cast<PRUint8>(key[at % keyLength] + (at / keyLength));
  }
}
