// Reading a whole file into memory, for the lists that load their file in one piece.
#ifndef CORE_DETAIL_ZTWHOLEFILE_H_
#define CORE_DETAIL_ZTWHOLEFILE_H_

#include <prtypes.h>

// Stores the size of the file at path. 10 when its information cannot be read, 12 when it is
// too large to be held in memory. caller names the operation in the messages.
int ztGetFileSize(const char* path, const char* caller, PRUint32* puSize);

// Reads the size bytes of the file at path into a new buffer (free with PR_Free) of size + extra
// bytes, the extra ones zeroed. 11 when the file cannot be opened, 12 when memory runs out, 10
// when fewer bytes than size can be read.
int ztReadFileBytes(const char* path, const char* caller, PRUint32 size, PRUint32 extra,
                    char** ppData);

#endif  // CORE_DETAIL_ZTWHOLEFILE_H_
