#include "tools/writer/ZTBlockWriter.h"

#include <libdeflate.h>

#include "core/ZTErrors.h"
#include "tools/writer/detail/ztLittleEndian.h"

namespace {

// Offsets and lengths of logical content are 32-bit.
const PRUint64 kMaxLogical = 0xFFFFFFFF;
// A plain file is written in pieces of this size.
const PRUint32 kPlainBuffer = 1 << 20;
// The level zlib takes for its default (-1).
const int kDefaultLevel = 6;

}  // namespace

ZTBlockWriter::ZTBlockWriter()
    : m_pFd(nullptr),
      m_uBlockSize(0),
      m_pCompressor(nullptr),
      m_uMaxStored(kMaxFileSize),
      m_uLogical(0),
      m_uStored(0) {}

ZTBlockWriter::~ZTBlockWriter() {
  if (m_pFd) PR_Close(m_pFd);
  libdeflate_free_compressor(m_pCompressor);
}

int ZTBlockWriter::Open(const char* path, const char* catalog, PRUint32 blockSize, int level,
                        PRUint32 maxSize) {
  m_uMaxStored = maxSize < kMaxFileSize ? maxSize : kMaxFileSize;
  m_path = path;
  m_catalogPath = catalog ? catalog : "";
  m_uBlockSize = blockSize;
  if (level < -1 || level > 9) {
    return ZTError(ZT_E_INVALID, "[ZTBlockWriter::Open] invalid level %d for %s", level, path);
  }
  if (IsCompressed()) {
    libdeflate_free_compressor(m_pCompressor);
    m_pCompressor = libdeflate_alloc_compressor(level < 0 ? kDefaultLevel : level);
    if (!m_pCompressor) {
      return ZTError(ZT_E_NOMEM, "[ZTBlockWriter::Open] Cannot allocate a compressor for %s", path);
    }
  }
  m_pFd = PR_Open(path, PR_WRONLY | PR_CREATE_FILE | PR_TRUNCATE, 0644);
  if (!m_pFd) return ZTError(ZT_E_FAILED, "[ZTBlockWriter::Open] Could not create %s", path);
  return ZT_OK;
}

int ZTBlockWriter::Grow(PRUint32 length) {
  if (m_uLogical + length > (IsCompressed() ? kMaxLogical : m_uMaxStored)) {
    return ZTError(ZT_E_INVALID, "[ZTBlockWriter::Append] %s would exceed %llu bytes",
                   m_path.c_str(),
                   static_cast<unsigned long long>(IsCompressed() ? kMaxLogical : m_uMaxStored));
  }
  m_uLogical += length;
  return ZT_OK;
}

int ZTBlockWriter::AppendUnit(const void* data, PRUint32 length) {
  if (IsCompressed() && !m_pending.empty() && m_pending.size() + length > m_uBlockSize) {
    int rc = FlushBlock();
    if (rc) return rc;
  }
  return Append(data, length);
}

int ZTBlockWriter::Append(const void* data, PRUint32 length) {
  if (!m_pFd) return ZTError(ZT_E_STATE, "[ZTBlockWriter::Append] %s is not open", m_path.c_str());
  int rc = Grow(length);
  if (rc) return rc;
  const PRUint8* bytes = static_cast<const PRUint8*>(data);
  m_pending.insert(m_pending.end(), bytes, bytes + length);
  return !IsCompressed() && m_pending.size() >= kPlainBuffer ? FlushPlain() : ZT_OK;
}

int ZTBlockWriter::WriteOut(PRFileDesc* fd, const void* data, PRUint32 length,
                            const std::string& path) {
  if (length && PR_Write(fd, data, static_cast<PRInt32>(length)) != static_cast<PRInt32>(length)) {
    return ZTError(ZT_E_FAILED, "[ZTBlockWriter::Write] Could not write %u bytes to %s", length,
                   path.c_str());
  }
  return ZT_OK;
}

int ZTBlockWriter::FlushPlain() {
  int rc = WriteOut(m_pFd, m_pending.data(), static_cast<PRUint32>(m_pending.size()), m_path);
  m_uStored += m_pending.size();
  m_pending.clear();
  return rc;
}

int ZTBlockWriter::FlushBlock() {
  m_deflated.resize(libdeflate_zlib_compress_bound(m_pCompressor, m_pending.size()));
  // Within the bound the block always fits; 0 would say it did not.
  const size_t stored = libdeflate_zlib_compress(m_pCompressor, m_pending.data(), m_pending.size(),
                                                 m_deflated.data(), m_deflated.size());
  if (stored == 0) {
    return ZTError(ZT_E_FAILED, "[ZTBlockWriter::FlushBlock] Could not deflate a block of %s",
                   m_path.c_str());
  }
  if (m_uStored + stored > m_uMaxStored) {
    return ZTError(ZT_E_INVALID, "[ZTBlockWriter::FlushBlock] %s would exceed %llu bytes",
                   m_path.c_str(), static_cast<unsigned long long>(m_uMaxStored));
  }
  int rc = WriteOut(m_pFd, m_deflated.data(), static_cast<PRUint32>(stored), m_path);
  if (rc) return rc;
  m_uStored += stored;
  m_catalog.push_back(static_cast<PRUint32>(m_pending.size()));
  m_catalog.push_back(static_cast<PRUint32>(stored));
  m_pending.clear();
  return ZT_OK;
}

int ZTBlockWriter::WriteCatalog() {
  PRFileDesc* fd = PR_Open(m_catalogPath.c_str(), PR_WRONLY | PR_CREATE_FILE | PR_TRUNCATE, 0644);
  if (!fd) {
    return ZTError(ZT_E_FAILED, "[ZTBlockWriter::Close] Could not create %s",
                   m_catalogPath.c_str());
  }
  std::vector<PRUint8> bytes(m_catalog.size() * 4);
  for (size_t i = 0; i < m_catalog.size(); ++i) ztPutLE(&bytes[i * 4], m_catalog[i], 4);
  int rc = WriteOut(fd, bytes.data(), static_cast<PRUint32>(bytes.size()), m_catalogPath);
  if (PR_Close(fd) != PR_SUCCESS && !rc) {
    rc = ZTError(ZT_E_FAILED, "[ZTBlockWriter::Close] Could not close %s", m_catalogPath.c_str());
  }
  return rc;
}

int ZTBlockWriter::Close() {
  if (!m_pFd) return ZTError(ZT_E_STATE, "[ZTBlockWriter::Close] %s is not open", m_path.c_str());
  int rc = IsCompressed() ? (m_pending.empty() ? ZT_OK : FlushBlock()) : FlushPlain();
  if (!rc && IsCompressed()) rc = WriteCatalog();
  if (PR_Close(m_pFd) != PR_SUCCESS && !rc) {
    rc = ZTError(ZT_E_FAILED, "[ZTBlockWriter::Close] Could not close %s", m_path.c_str());
  }
  m_pFd = nullptr;
  return rc;
}
