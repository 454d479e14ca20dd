// Allocation of arrays with the NSPR allocator, refusing sizes that do not fit its 32-bit
// byte count instead of letting count * size wrap around.
#ifndef FIND_DETAIL_ZTALLOC_H_
#define FIND_DETAIL_ZTALLOC_H_

#include <prmem.h>
#include <prtypes.h>

#include <cstring>

// Null when count * size bytes cannot be had; a count of 0 still gives a (small) block.
inline void* ztAllocArray(PRUint32 count, PRUint32 size) {
  if (size && count > PR_UINT32_MAX / size) return nullptr;
  return PR_Malloc(count ? count * size : 1);
}

inline void* ztCallocArray(PRUint32 count, PRUint32 size) {
  void* block = ztAllocArray(count, size);
  if (block) memset(block, 0, count * size);
  return block;
}

template <class T>
inline T* ztAllocOf(PRUint32 count) {
  return static_cast<T*>(ztAllocArray(count, sizeof(T)));
}

template <class T>
inline T* ztCallocOf(PRUint32 count) {
  return static_cast<T*>(ztCallocArray(count, sizeof(T)));
}

template <class T>
inline void ztFree(T*& block) {
  if (block) PR_Free(const_cast<void*>(static_cast<const void*>(block)));
  block = nullptr;
}

#endif  // FIND_DETAIL_ZTALLOC_H_
