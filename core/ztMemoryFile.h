// NSPR descriptors over bytes in memory, and a line reader for any NSPR descriptor.
#ifndef CORE_ZTMEMORYFILE_H_
#define CORE_ZTMEMORYFILE_H_

#include <prio.h>

#include "core/ZTCoreExport.h"

// A plain-file descriptor (identity "ZT memory file") whose reads copy from bytes, which are
// not copied and must outlive it; closing it destroys it. Every other operation fails with
// PR_INVALID_METHOD_ERROR. Null for null bytes or when memory runs out.
ZTCORE_API PRFileDesc* ztPR_OpenMemory(const void* bytes, PRUint32 length);

// Reads one byte at a time into buffer until a line feed (kept) or until size - 1 bytes are
// stored, and terminates it with a NUL. Returns buffer, or null when size is below 2, on a read
// error, or when nothing was left to read.
ZTCORE_API char* PR_fgets(char* buffer, PRInt32 size, PRFileDesc* fd);

#endif  // CORE_ZTMEMORYFILE_H_
