#include "backends/native/ZTPageFileFragment.h"

#include <prmem.h>
#include <zlib.h>

#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/detail/ztPageIO.h"
#include "core/ZTErrors.h"

ZTPageFileFragment::ZTPageFileFragment(ZTPageFile* pageFile)
    : m_uStart(0), m_uLength(0), m_uCapacity(0), m_pBuffer(nullptr), m_pPageFile(pageFile) {
  if (m_pPageFile) m_pPageFile->AddRef();
}

ZTPageFileFragment::~ZTPageFileFragment() {
  if (m_pPageFile) m_pPageFile->RemoveStaticFragment(this);
  PR_Free(m_pBuffer);
  ztRelease(m_pPageFile);
}

bool ZTPageFileFragment::Reserve(PRUint32 capacity) {
  if (capacity <= m_uCapacity && m_pBuffer) return true;
  void* grown = PR_Realloc(m_pBuffer, capacity ? capacity : 1);
  if (!grown) return false;
  m_pBuffer = static_cast<PRUint8*>(grown);
  m_uCapacity = capacity;
  return true;
}

void ZTPageFileFragment::Empty() {
  PR_Free(m_pBuffer);
  m_pBuffer = nullptr;
  m_uStart = m_uLength = m_uCapacity = 0;
}

int ZTPageFileFragment::Inflate(const PRUint8* stored, PRUint32 storedLength, PRUint8* target,
                                PRUint32 logicalLength, PRUint32 position, const char* fileName) {
  uLongf inflated = logicalLength;
  const int z = uncompress(target, &inflated, stored, storedLength);
  if (z == Z_OK && inflated == logicalLength) return ZT_OK;
  return ZTError(ZT_NATIVE_E_INFLATE,
                 "[ZTPageFileFragment::LoadFromFile] The block at %u of %s does not inflate to "
                 "%u bytes (zlib %d, %llu bytes)",
                 position, fileName, logicalLength, z, static_cast<unsigned long long>(inflated));
}

int ZTPageFileFragment::ReadStored(PRFileDesc* fd, PRUint32 position, PRUint32 readSize,
                                   PRUint8* target, const PRUint8* key, PRUint32 keyLength) {
  if (!ztSeekTo(fd, position)) {
    return ZTError(ZT_NATIVE_E_SEEK,
                   "[ZTPageFileFragment::LoadFromFile] Could not move internal file marker");
  }
  if (!ztReadFully(fd, target, readSize)) {
    return ZTError(ZT_NATIVE_E_READ,
                   "[ZTPageFileFragment::LoadFromFile] Could not read %lld bytes at %lld.",
                   static_cast<long long>(readSize), static_cast<long long>(position));
  }
  ztDecipher(target, readSize, position, key, keyLength);
  return ZT_OK;
}

PRUint8* ZTPageFileFragment::TempBuffer(PRUint32 size) {
  PRUint8* temp = static_cast<PRUint8*>(PR_Malloc(size ? size : 1));
  if (!temp) {
    ZTError(ZT_E_NOMEM,
            "[ZTPageFileFragment::LoadFromFile] Failed to allocate a temp buffer of %lld bytes",
            static_cast<long long>(size));
  }
  return temp;
}

bool ZTPageFileFragment::ReserveFor(PRUint32 logicalLength) {
  m_uStart = m_uLength = 0;
  if (Reserve(logicalLength)) return true;
  Empty();
  ZTError(ZT_E_NOMEM, "[ZTPageFileFragment::LoadFromFile] Failed to allocate %llu bytes",
          static_cast<unsigned long long>(logicalLength));
  return false;
}

int ZTPageFileFragment::LoadFromFile(PRFileDesc* fd, PRUint32 position, PRUint32 readSize,
                                     PRUint32 logicalStart, PRUint32 logicalLength, bool compressed,
                                     const char* fileName, const PRUint8* key, PRUint32 keyLength) {
  if (!ReserveFor(logicalLength)) return ZT_E_NOMEM;
  PRUint8* target = compressed ? TempBuffer(readSize) : m_pBuffer;
  if (!target) return ZT_E_NOMEM;
  int rc = ReadStored(fd, position, readSize, target, key, keyLength);
  if (compressed) {
    if (!rc) rc = Inflate(target, readSize, m_pBuffer, logicalLength, position, fileName);
    PR_Free(target);
  }
  if (rc) return rc;
  m_uStart = logicalStart;
  m_uLength = logicalLength;
  return ZT_OK;
}

int ZTPageFileFragment::LoadBlocks(PRFileDesc* fd, const CatalogEntry* blocks, PRUint32 count,
                                   const char* fileName) {
  const CatalogEntry& first = blocks[0];
  const PRUint32 stored = blocks[count].m_uStored - first.m_uStored;
  const PRUint32 logical = blocks[count].m_uLogical - first.m_uLogical;
  if (count == 1) {
    return LoadFromFile(fd, first.m_uStored, stored, first.m_uLogical, logical, true, fileName,
                        nullptr, 0);
  }
  if (!ReserveFor(logical)) return ZT_E_NOMEM;
  PRUint8* temp = TempBuffer(stored);
  if (!temp) return ZT_E_NOMEM;
  int rc = ReadStored(fd, first.m_uStored, stored, temp, nullptr, 0);
  for (PRUint32 i = 0; !rc && i < count; ++i) {
    const CatalogEntry& block = blocks[i];
    rc = Inflate(temp + (block.m_uStored - first.m_uStored),
                 blocks[i + 1].m_uStored - block.m_uStored,
                 m_pBuffer + (block.m_uLogical - first.m_uLogical),
                 blocks[i + 1].m_uLogical - block.m_uLogical, block.m_uStored, fileName);
  }
  PR_Free(temp);
  if (rc) return rc;
  m_uStart = first.m_uLogical;
  m_uLength = logical;
  return ZT_OK;
}

int ZTPageFileFragment::AppendFromFile(PRFileDesc* fd, PRUint32 offset, PRUint32 count,
                                       const PRUint8* key, PRUint32 keyLength) {
  const PRUint32 end = GetEnd();
  if (offset < end) {
    // Only the part beyond the fragment's end is read.
    if (count <= end - offset) return ZT_OK;
    count -= end - offset;
    offset = end;
  }
  if (count > 0xFFFFFFFF - m_uLength || !Reserve(m_uLength + count)) return ZT_E_NOMEM;
  int rc = ZT_OK;
  if (!ztSeekTo(fd, offset)) {
    rc = ZTError(ZT_NATIVE_E_SEEK,
                 "[ZTPageFileFragment::AppendFromFile] Could not move internal file marker");
  } else if (!ztReadFully(fd, m_pBuffer + m_uLength, count)) {
    rc = ZTError(ZT_NATIVE_E_READ,
                 "[ZTPageFileFragment::AppendFromFile] Could not read %lld bytes at %lld.",
                 static_cast<long long>(count), static_cast<long long>(offset));
  }
  if (rc) return rc;
  ztDecipher(m_pBuffer + m_uLength, count, offset, key, keyLength);
  m_uLength += count;
  return ZT_OK;
}

void ZTPageFileFragment::Unload(PRUint32 limit) {
  if (m_uLength > limit) Empty();
}

void ZTPageFileFragment::Swap(ZTPageFileFragment* other) {
  PRUint32 start = m_uStart, length = m_uLength, capacity = m_uCapacity;
  PRUint8* buffer = m_pBuffer;
  m_uStart = other->m_uStart;
  m_uLength = other->m_uLength;
  m_uCapacity = other->m_uCapacity;
  m_pBuffer = other->m_pBuffer;
  other->m_uStart = start;
  other->m_uLength = length;
  other->m_uCapacity = capacity;
  other->m_pBuffer = buffer;
}
