#include "backends/native/detail/ZTPageCatalog.h"

#include <prio.h>
#include <prmem.h>

#include "backends/native/ZTNativeErrors.h"
#include "backends/native/detail/ztPageIO.h"
#include "core/ZTErrors.h"

namespace {

// Deflate produces at most about 1032 logical bytes per stored byte.
const PRUint64 kMaxInflation = 1032;

PRUint32 ReadLE32(const PRUint8* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<PRUint32>(p[3]) << 24);
}

}  // namespace

ZTPageCatalog::~ZTPageCatalog() {
  Free(true);
}

void ZTPageCatalog::SetPath(char* path) {
  PR_Free(m_pcPath);
  m_pcPath = path;
}

void ZTPageCatalog::Free(bool forgetPath) {
  PR_Free(m_pEntries);
  m_pEntries = nullptr;
  m_uCount = 0;
  if (forgetPath) SetPath(nullptr);
}

int ZTPageCatalog::Read(PRUint32 storedFileSize, PRUint32* puBlocks) {
  PRFileDesc* fd = PR_Open(m_pcPath, PR_RDONLY, 0);
  if (!fd) {
    return ZTError(ZT_NATIVE_E_OPEN, "[ZTPageFile::LoadCatalog] Could not open file %s", m_pcPath);
  }
  PRFileInfo64 info;
  int rc = ZT_OK;
  if (PR_GetOpenFileInfo64(fd, &info) != PR_SUCCESS) {
    rc = ZTError(ZT_E_FAILED, "[ZTPageFile::LoadCatalog] Could not get size for %s", m_pcPath);
  } else if (info.size / 8 > storedFileSize) {
    // Every block takes at least one stored byte: the catalog is not allocated beyond that.
    rc = ZTError(ZT_NATIVE_E_CATALOG,
                 "[ZTPageFile::LoadCatalog] Catalog %s lists more blocks than its file holds bytes",
                 m_pcPath);
  }
  const PRUint32 blocks = rc ? 0 : static_cast<PRUint32>(info.size / 8);
  if (!rc) {
    m_pEntries = static_cast<CatalogEntry*>(PR_Calloc(blocks + 1, sizeof(CatalogEntry)));
    if (!m_pEntries) {
      rc = ZTError(ZT_NATIVE_E_CATALOGALLOC,
                   "[ZTPageFile::LoadCatalog] Failed to allocate %lld bytes",
                   static_cast<long long>(info.size + 8));
    }
  }
  if (!rc && !ztReadFully(fd, m_pEntries + 1, blocks * 8)) {
    rc = ZTError(ZT_NATIVE_E_READ,
                 "[ZTPageFile::LoadCatalog] Could not read %lld bytes from file %s",
                 static_cast<long long>(blocks * 8), m_pcPath);
  }
  PR_Close(fd);
  *puBlocks = blocks;
  return rc;
}

int ZTPageCatalog::Accumulate(PRUint32 blocks, PRUint32 storedFileSize) {
  PRUint64 logical = 0, stored = 0;
  for (PRUint32 i = 1; i <= blocks; ++i) {
    const PRUint8* pair = reinterpret_cast<const PRUint8*>(&m_pEntries[i]);
    const PRUint64 logicalLength = ReadLE32(pair), storedLength = ReadLE32(pair + 4);
    logical += logicalLength;
    stored += storedLength;
    if (logicalLength == 0 || storedLength == 0 || logical > 0xFFFFFFFF ||
        stored > storedFileSize || logicalLength > storedLength * kMaxInflation + 64) {
      return ZTError(ZT_NATIVE_E_CATALOG,
                     "[ZTPageFile::LoadCatalog] Catalog %s is invalid at block %llu (%llu/%llu "
                     "bytes for a file of %llu)",
                     m_pcPath, static_cast<unsigned long long>(i - 1),
                     static_cast<unsigned long long>(logicalLength),
                     static_cast<unsigned long long>(storedLength),
                     static_cast<unsigned long long>(storedFileSize));
    }
    m_pEntries[i].m_uLogical = static_cast<PRUint32>(logical);
    m_pEntries[i].m_uStored = static_cast<PRUint32>(stored);
  }
  m_uCount = blocks + 1;
  return ZT_OK;
}

int ZTPageCatalog::Load(PRUint32 storedFileSize) {
  Free(false);
  PRUint32 blocks = 0;
  int rc = Read(storedFileSize, &blocks);
  if (!rc) rc = Accumulate(blocks, storedFileSize);
  if (rc) Free(false);
  return rc;
}

PRInt32 ZTPageCatalog::FindBlock(PRUint32 offset) const {
  if (!m_pEntries) return -1;
  PRInt64 lo = -1, hi = m_uCount;
  while (lo + 1 < hi) {
    const PRInt64 mid = (lo + hi) / 2;
    const PRUint32 start = m_pEntries[mid].m_uLogical;
    if (start == offset) {
      lo = mid;
      break;
    }
    if (start < offset)
      lo = mid;
    else
      hi = mid;
  }
  return lo >= 0 && lo + 1 < m_uCount ? static_cast<PRInt32>(lo) : -1;
}
