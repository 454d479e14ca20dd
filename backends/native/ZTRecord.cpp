#include "backends/native/ZTRecord.h"

#include "backends/native/ZTField.h"
#include "backends/native/ZTFixedRecordPool.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/ZTPageFileFragment.h"
#include "core/ZTErrors.h"
#include "find/ZTIRecordSet.h"

ZTRecord::ZTRecord()
    : m_pTable(nullptr),
      m_pPool(nullptr),
      m_pFragment(nullptr),
      m_pBytes(nullptr),
      m_uId(kDetached) {
  m_iRefWarn = 1;
}

ZTRecord::~ZTRecord() {
  ztRelease(m_pFragment);
  ztRelease(m_pTable);
  ztRelease(m_pPool);
}

void ZTRecord::OnRefPostWarn() {
  ZTFixedRecordPool* pool = m_pPool;
  if (!pool) return;
  ZTIRecordSet* table = m_pTable;
  m_pPool = nullptr;
  m_pTable = nullptr;
  m_pBytes = nullptr;
  m_uId = kDetached;
  ztRelease(m_pFragment);
  pool->ReleaseRecord(this);
  // Releasing the table may release the pool; the chunk lives on through our reference, and
  // dropping that reference last may destroy the chunk and this record with it.
  if (table) table->Release();
  pool->Release();
}

void ZTRecord::SetPool(ZTFixedRecordPool* pool) {
  if (pool) pool->AddRef();
  ztRelease(m_pPool);
  m_pPool = pool;
}

void ZTRecord::SetFragment(ZTPageFileFragment* fragment) {
  if (fragment) fragment->AddRef();
  ztRelease(m_pFragment);
  m_pFragment = fragment;
}

int ZTRecord::GetTable(ZTIRecordSet** ppTable) {
  if (!ppTable) return ZT_E_NULLOUT;
  *ppTable = m_pTable;
  if (!m_pTable) return ZT_E_INVALID;
  m_pTable->AddRef();
  return ZT_OK;
}

int ZTRecord::SetTable(ZTIRecordSet* table) {
  if (!table) return ZT_NATIVE_E_TABLE;
  table->AddRef();
  ztRelease(m_pTable);
  m_pTable = table;
  m_pRecordFile = nullptr;
  return ZT_OK;
}

int ZTRecord::GetId(PRUint32* puId) {
  if (!puId) return ZT_E_NULLOUT;
  *puId = m_uId;
  return ZT_OK;
}

int ZTRecord::GetFldCollection(ZTIFldCollection** ppCollection) {
  if (!ppCollection) return ZT_E_NULLOUT;
  *ppCollection = nullptr;
  return m_pTable ? m_pTable->GetFldCollection(ppCollection) : ZT_E_INVALID;
}

int ZTRecord::GetUNumFieldValue(ZTIField* field, PRUint32* puValue) {
  ZTField* native = ValidField(field, "GetUNumFieldValue");
  if (!native) return ZT_NATIVE_E_RECORD;
  return native->GetUNumFieldValue(m_pBytes, puValue);
}

int ZTRecord::GetSNumFieldValue(ZTIField* field, PRInt32* piValue) {
  ZTField* native = ValidField(field, "GetSNumFieldValue");
  if (!native) return ZT_NATIVE_E_RECORD;
  return native->GetSNumFieldValue(m_pBytes, piValue);
}

int ZTRecord::GetSuccessor(ZTIRecord** ppNext, const PRUint8** ppBytes) {
  *ppNext = nullptr;
  *ppBytes = nullptr;
  if (m_uId == kDetached) return ZT_OK;
  PRUint32 count = 0;
  int rc = m_pTable->GetCount(&count);
  if (rc) return rc;
  if (m_uId + 1 >= count) {
    *ppBytes = ZT_NO_SUCCESSOR;
    return ZT_OK;
  }
  // A native table lends the successor's bytes where its page lies (they are read at once,
  // before anything else loads): no record is made for them.
  if (m_pRecordFile) return m_pRecordFile->GetRecordBuffer(m_uId + 1, ppBytes);
  rc = m_pTable->GetRecord(m_uId + 1, ppNext);
  ZTRecord* next = rc ? nullptr : dynamic_cast<ZTRecord*>(*ppNext);
  if (!next || !next->GetBuffer()) {
    ztRelease(*ppNext);
    return rc ? rc
              : ZTError(ZT_NATIVE_E_RECORD,
                        "[ZTRecord::GetSuccessor] Record %u has no readable successor", m_uId);
  }
  *ppBytes = next->GetBuffer();
  return ZT_OK;
}

ZTField* ZTRecord::ValidField(ZTIField* field, const char* operation) {
  ZTField* native = ztNativeField(field);
  if (m_pTable && m_pBytes && native) return native;
  ZTError(ZT_NATIVE_E_RECORD, "[ZTRecord::%s] Invalid record", operation);
  return nullptr;
}

template <class Read>
int ZTRecord::WithSuccessor(const ZTField* field, Read read) {
  if (field->HasCount()) return read(nullptr);
  ZTIRecord* next = nullptr;
  const PRUint8* successor = nullptr;
  int rc = GetSuccessor(&next, &successor);
  if (!rc) rc = read(successor);
  ztRelease(next);
  return rc;
}

int ZTRecord::GetDataFieldValue(ZTIField* field, ZTBinary** ppValue) {
  if (!ppValue) return ZT_E_NULLOUT;
  *ppValue = nullptr;
  if (!m_pTable || !m_pBytes) {
    return ZTError(ZT_NATIVE_E_RECORD, "[ZTRecord::GetDataFieldValue] Invalid record");
  }
  ZTField* native = ztNativeField(field);
  if (!native) return ZTError(ZT_NATIVE_E_RECORD, "[ZTRecord::GetDataFieldValue] Invalid field");
  if (native->GetType() != ftData) {
    return ZTError(ZT_NATIVE_E_RECORD,
                   "[ZTRecord::GetDataFieldValue] Not called with a data field");
  }
  return WithSuccessor(native, [&](const PRUint8* successor) {
    return native->GetDataFieldValue(m_pBytes, ppValue, successor);
  });
}

int ZTRecord::GetStreamFieldValue(ZTIField* field, ZTIStream** ppStream) {
  if (!ppStream) return ZT_E_NULLOUT;
  *ppStream = nullptr;
  ZTField* native = ValidField(field, "GetStreamFieldValue");
  if (!native) return ZT_NATIVE_E_RECORD;
  return WithSuccessor(native, [&](const PRUint8* successor) {
    return native->GetStreamFieldValue(m_pBytes, ppStream, successor);
  });
}

int ZTRecord::GetLinkFieldCount(ZTIField* field, PRUint32* puCount) {
  if (!puCount) return ZT_E_NULLOUT;
  ZTField* native = ValidField(field, "GetLinkFieldCount");
  if (!native) return ZT_NATIVE_E_RECORD;
  return WithSuccessor(native, [&](const PRUint8* successor) {
    return native->GetLinkCount(m_pBytes, successor, m_uId, puCount);
  });
}

int ZTRecord::GetLinkFieldValue(ZTIField* field, ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return ZT_E_NULLOUT;
  *ppRecordSet = nullptr;
  ZTIRecordSet* linked = nullptr;
  PRUint32 first = 0, count = 0;
  int rc = LinkRange(field, "GetLinkFieldValue", &linked, &first, &count);
  if (!rc) rc = linked->GetSubRecordSet(first, count, ppRecordSet);
  ztRelease(linked);
  return rc;
}

int ZTRecord::GetLinkFieldRange(ZTIField* field, ZTIRecordSet** ppLinked, PRUint32* puFirst,
                                PRUint32* puCount) {
  if (!ppLinked || !puFirst || !puCount) return ZT_E_NULLOUT;
  *ppLinked = nullptr;
  return LinkRange(field, "GetLinkFieldRange", ppLinked, puFirst, puCount);
}

int ZTRecord::LinkRange(ZTIField* field, const char* operation, ZTIRecordSet** ppLinked,
                        PRUint32* puFirst, PRUint32* puCount) {
  ZTField* native = ValidField(field, operation);
  if (!native) return ZT_NATIVE_E_RECORD;
  ZTIRecordSet* linked = nullptr;
  int rc = native->GetLinkSubRecordSet(&linked);
  if (rc || !linked) {
    return ZTError(rc ? rc : ZT_E_FAILED, "[ZTRecord::%s] LIN not initialized.", operation);
  }
  ZTField* offset = native->GetOffsetField();
  rc = GetLinkFieldCount(field, puCount);
  if (!rc) rc = offset->GetUNumFieldValue(m_pBytes, puFirst);
  ztRelease(offset);
  if (rc) {
    linked->Release();
    return rc;
  }
  *ppLinked = linked;
  return ZT_OK;
}
