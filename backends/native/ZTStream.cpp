#include "backends/native/ZTStream.h"

#include <cstring>
#include <new>

#include "backends/native/ZTPageFile.h"
#include "core/ZTErrors.h"

ZTStream::ZTStream(ZTPageFile* file, PRUint32 offset, PRUint32 length)
    : m_pFile(file),
      m_uStart(offset),
      m_uPosition(offset),
      m_uRemaining(length),
      m_uLength(length) {
  if (m_pFile) m_pFile->AddRef();
}

ZTStream::~ZTStream() {
  ztRelease(m_pFile);
}

ZTStream* ZTStream::_CreateInstance(ZTPageFile* file, PRUint32 offset, PRUint32 length) {
  return new (std::nothrow) ZTStream(file, offset, length);
}

int ZTStream::Read(PRUint32 count, void* buffer, PRUint32* puRead) {
  if (!m_pFile) return ZTError(ZT_E_FAILED, "[ZTStream::Read] Badly configured");
  if (!puRead || (!buffer && count)) return ZT_E_INVALID;
  const PRUint32 n = count < m_uRemaining ? count : m_uRemaining;
  *puRead = n;
  if (n == 0) return ZT_OK;
  int rc = m_pFile->Load(m_uPosition, n, nullptr);
  if (rc) {
    *puRead = 0;
    return rc;
  }
  std::memcpy(buffer, m_pFile->GetBufferPtr(), n);
  m_uPosition += n;
  m_uRemaining -= n;
  return m_pFile->Unload();
}

int ZTStream::Seek(PRUint32 position) {
  if (position >= m_uLength) return ZT_E_INVALID;
  m_uPosition = m_uStart + position;
  m_uRemaining = m_uLength - position;
  return ZT_OK;
}
