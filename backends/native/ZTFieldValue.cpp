// ZTField: locating and reading the variable-length value of a DATA field.
#include "backends/native/ZTField.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/ZTStream.h"
#include "core/ZTBinary.h"
#include "core/ZTErrors.h"

int ZTField::LengthFromSuccessor(const char* caller, const PRUint8* record,
                                 const PRUint8* successor, ZTPageFile* file, PRUint32 offset,
                                 PRUint32* puLength) {
  bool toEnd = successor == ZT_NO_SUCCESSOR;
  if (!toEnd && m_pPackField) {
    PRUint32 pack = 0, next = 0;
    m_pPackField->GetUNumFieldValue(record, &pack);
    m_pPackField->GetUNumFieldValue(successor, &next);
    toEnd = pack != next;
  }
  PRUint32 end = 0;
  if (toEnd) {
    int rc = file->IsAvailable();
    if (rc) return rc;
    end = file->GetLogicalSize();
  } else {
    m_pOffsetField->GetUNumFieldValue(successor, &end);
  }
  if (end < offset) {
    return ZTError(ZT_NATIVE_E_VALUE,
                   "[ZTField::%s] The value of %s at %llu would end before it starts (%llu)",
                   caller, m_pcName, static_cast<unsigned long long>(offset),
                   static_cast<unsigned long long>(end));
  }
  *puLength = end - offset;
  return ZT_OK;
}

int ZTField::LocateValue(const char* caller, const PRUint8* record, const PRUint8* successor,
                         ZTPageFile** ppFile, PRUint32* puOffset, PRUint32* puLength) {
  if (!record) return ZTError(ZT_NATIVE_E_VALUE, "[ZTField::%s] Invalid record", caller);
  if (GetFile(record, ppFile)) {
    return ZTError(ZT_NATIVE_E_VALUE, "[ZTField::%s] package not initialized.", caller);
  }
  int rc = ZT_OK;
  if (!m_pOffsetField) {
    rc = ZTError(ZT_NATIVE_E_VALUE, "[ZTField::%s] %s has no OFFSET sub-field", caller, m_pcName);
  } else if (!m_pCountField && !successor) {
    rc = ZTError(ZT_NATIVE_E_VALUE, "[ZTField::%s] No length info and no following record...",
                 caller);
  }
  if (!rc) rc = m_pOffsetField->GetUNumFieldValue(record, puOffset);
  if (!rc) {
    rc = m_pCountField
             ? m_pCountField->GetUNumFieldValue(record, puLength)
             : LengthFromSuccessor(caller, record, successor, *ppFile, *puOffset, puLength);
  }
  if (rc) ztRelease(*ppFile);
  return rc;
}

int ZTField::GetDataFieldValue(const PRUint8* record, ZTBinary** ppValue,
                               const PRUint8* successor) {
  if (!ppValue) return ZT_E_NULLOUT;
  *ppValue = nullptr;
  return ReadDataFieldValue(record, successor, [ppValue](const PRUint8* bytes, PRUint32 length) {
    *ppValue = ZTBinary::_CreateInstance(bytes, length);
    return *ppValue ? ZT_OK : ZT_E_NOMEM;
  });
}

int ZTField::GetStreamFieldValue(const PRUint8* record, ZTIStream** ppStream,
                                 const PRUint8* successor) {
  if (!ppStream) return ZT_E_NULLOUT;
  *ppStream = nullptr;
  ZTPageFile* file = nullptr;
  PRUint32 offset = 0, length = 0;
  int rc = LocateValue("GetStreamFieldValue", record, successor, &file, &offset, &length);
  if (rc) return rc;
  *ppStream = ZTStream::_CreateInstance(file, offset, length);
  file->Release();
  return *ppStream ? ZT_OK : ZT_E_NOMEM;
}
