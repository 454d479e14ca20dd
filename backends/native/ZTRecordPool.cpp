#include "backends/native/ZTRecordPool.h"

#include <prmem.h>

#include <new>

#include "backends/native/ZTFixedRecordPool.h"
#include "core/ZTErrors.h"

ZTRecordPool::ZTRecordPool(PRUint32 chunkCapacity, PRUint32 recordSize)
    : m_uChunkCapacity(chunkCapacity),
      m_uRecordSize(recordSize),
      m_ppChunks(nullptr),
      m_uChunks(0) {}

ZTRecordPool* ZTRecordPool::_CreateInstance(PRUint32 chunkCapacity, PRUint32 recordSize) {
  return new (std::nothrow) ZTRecordPool(chunkCapacity, recordSize);
}

ZTRecordPool::~ZTRecordPool() {
  // A chunk whose records are still out lives on until they come back.
  for (PRUint32 i = 0; i < m_uChunks; ++i) m_ppChunks[i]->Release();
  PR_Free(m_ppChunks);
}

int ZTRecordPool::AddChunk() {
  ZTFixedRecordPool* chunk = ZTFixedRecordPool::_CreateInstance(m_uChunkCapacity, m_uRecordSize);
  int rc = chunk ? chunk->Init() : ZT_E_NOMEM;
  void* grown = rc ? nullptr : PR_Realloc(m_ppChunks, (m_uChunks + 1) * sizeof(chunk));
  if (!grown) {
    ztRelease(chunk);
    return ZTError(rc ? rc : ZT_E_NOMEM,
                   "[ZTRecordPool::GetRecord] Failed to allocate a chunk of %u records",
                   m_uChunkCapacity);
  }
  m_ppChunks = static_cast<ZTFixedRecordPool**>(grown);
  m_ppChunks[m_uChunks++] = chunk;
  return ZT_OK;
}

int ZTRecordPool::GetRecord(ZTRecord** ppRecord, const PRUint8* source, bool copy) {
  if (!ppRecord) return ZT_E_NULLOUT;
  *ppRecord = nullptr;
  for (PRUint32 i = m_uChunks; i > 0; --i) {
    if (m_ppChunks[i - 1]->GetRecord(ppRecord, source, copy) == ZT_OK) return ZT_OK;
  }
  int rc = AddChunk();
  return rc ? rc : m_ppChunks[m_uChunks - 1]->GetRecord(ppRecord, source, copy);
}
