#include "backends/native/ZTFixedRecordPool.h"

#include <prmem.h>

#include <cstring>
#include <new>

#include "backends/native/ZTRecord.h"
#include "core/ZTErrors.h"

ZTFixedRecordPool::ZTFixedRecordPool(PRUint32 capacity, PRUint32 recordSize)
    : m_uCapacity(capacity),
      m_uRecordSize(recordSize),
      m_pArea(nullptr),
      m_pRecords(nullptr),
      m_ppFree(nullptr),
      m_uOut(0) {}

ZTFixedRecordPool* ZTFixedRecordPool::_CreateInstance(PRUint32 capacity, PRUint32 recordSize) {
  return new (std::nothrow) ZTFixedRecordPool(capacity, recordSize);
}

ZTFixedRecordPool::~ZTFixedRecordPool() {
  delete[] m_pRecords;
  PR_Free(m_pArea);
  PR_Free(m_ppFree);
}

int ZTFixedRecordPool::Init() {
  const PRUint64 area = PRUint64(m_uCapacity) * m_uRecordSize;
  if (m_uCapacity == 0 || area > 0x7FFFFFFF) return ZT_E_NOMEM;
  m_pArea = static_cast<PRUint8*>(PR_Malloc(area ? static_cast<PRUint32>(area) : 1));
  m_ppFree = static_cast<ZTRecord**>(PR_Malloc(m_uCapacity * sizeof(ZTRecord*)));
  m_pRecords = new (std::nothrow) ZTRecord[m_uCapacity];
  if (!m_pArea || !m_ppFree || !m_pRecords) return ZT_E_NOMEM;
  // The first record handed out is record 0.
  for (PRUint32 i = 0; i < m_uCapacity; ++i) m_ppFree[i] = &m_pRecords[m_uCapacity - 1 - i];
  return ZT_OK;
}

int ZTFixedRecordPool::GetRecord(ZTRecord** ppRecord, const PRUint8* source, bool copy) {
  if (m_uOut == m_uCapacity) return ZT_E_NOTFOUND;
  ZTRecord* record = m_ppFree[m_uCapacity - 1 - m_uOut];
  ++m_uOut;
  const PRUint8* bytes = source;
  if (copy) {
    PRUint8* slot = m_pArea + static_cast<PRUint64>(record - m_pRecords) * m_uRecordSize;
    if (m_uRecordSize) std::memcpy(slot, source, m_uRecordSize);
    bytes = slot;
  }
  record->SetBuffer(bytes);
  record->SetPool(this);
  record->AddRef();
  *ppRecord = record;
  return ZT_OK;
}

void ZTFixedRecordPool::ReleaseRecord(ZTRecord* record) {
  --m_uOut;
  m_ppFree[m_uCapacity - 1 - m_uOut] = record;
}
