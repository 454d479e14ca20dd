// ZTTable: lookups on the field the table is sorted on, through its lookup index.
#include <cstring>

#include "backends/native/ZTField.h"
#include "backends/native/ZTLCFile.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/ZTTable.h"
#include "core/ZTBinary.h"
#include "core/ZTErrors.h"

namespace {

const char* const kLookupNames[] = {"LookupUNumImp", "LookupSNumImp", "LookupTextImp"};

// Orders a search key against a stored text value. The terminating NUL of the value is not
// guaranteed by the file: the comparison stays within the value and drops a final NUL only
// when there is one.
int CompareText(const char* key, const PRUint8* value, PRUint32 length) {
  if (length && value[length - 1] == '\0') --length;
  const size_t keyLength = std::strlen(key);
  const size_t common = keyLength < length ? keyLength : length;
  const int order = common ? std::memcmp(key, value, common) : 0;
  if (order) return order;
  return keyLength < length ? -1 : (keyLength > length ? 1 : 0);
}

template <class T>
int CompareNumbers(T a, T b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

PRUint32 ZTTable::RecordsInPage(PRUint32 page) {
  const PRUint32 size = m_pRecordFile->GetPageSize();
  const PRUint64 first = PRUint64(page) * size;
  if (first >= m_uCount) return 0;
  return m_uCount - first < size ? static_cast<PRUint32>(m_uCount - first) : size;
}

void ZTTable::PreloadKeys(PRUint32 page) {
  const ZTLCFile::Entry& entry = m_pLCFile->GetEntry(page);
  ZTPageFile* keys = nullptr;
  if (entry.m_uLength == 0 || m_pLookupField->GetFile(&keys, 0)) return;
  // Only speed depends on it: the keys are read one by one when the block is unusable.
  keys->Load(entry.m_uOffset, entry.m_uLength, nullptr);
  keys->Release();
}

int ZTTable::CompareRecord(const void* key, int type, PRUint32 page, PRUint32 index, int* piOrder) {
  const PRUint32 size = m_pRecordFile->GetRecordSize();
  const PRUint8* bytes = m_pRecordFile->GetBufferPtr();
  if (!bytes) return ZT_E_FAILED;
  const PRUint8* record = bytes + PRUint64(index) * size;
  int rc = ZT_OK;
  if (type == ZTLCFile::kText) {
    const bool last = PRUint64(page) * m_pRecordFile->GetPageSize() + index + 1 >= m_uCount;
    rc = m_pLookupField->ReadDataFieldValue(record, last ? ZT_NO_SUCCESSOR : record + size,
                                            [key, piOrder](const PRUint8* value, PRUint32 length) {
                                              *piOrder = CompareText(static_cast<const char*>(key),
                                                                     value, length);
                                              return ZT_OK;
                                            });
  } else if (type == ZTLCFile::kSNum) {
    PRInt32 number = 0;
    rc = m_pLookupField->GetSNumFieldValue(record, &number);
    *piOrder = CompareNumbers(*static_cast<const PRInt32*>(key), number);
  } else {
    PRUint32 number = 0;
    rc = m_pLookupField->GetUNumFieldValue(record, &number);
    *piOrder = CompareNumbers(*static_cast<const PRUint32*>(key), number);
  }
  return rc ? ZT_E_FAILED : ZT_OK;
}

int ZTTable::SearchPage(const void* key, int type, PRUint32 page, bool equal, PRUint32* puIndex,
                        bool* pbFoundEqual) {
  const PRUint32 n = RecordsInPage(page);
  if (n == 0) return ZT_E_NOTFOUND;
  // Invariant: records before lo are lower than key, records from hi on are not.
  PRUint32 lo = 0, hi = n;
  bool hiEqual = false;  // whether record hi was compared equal to key
  while (lo < hi) {
    const PRUint32 mid = lo + (hi - lo) / 2;
    int order = 0;
    int rc = CompareRecord(key, type, page, mid, &order);
    if (rc) return rc;
    if (order == 0 && equal) {
      *puIndex = mid;
      return ZT_OK;
    }
    if (order > 0) {
      lo = mid + 1;
    } else {
      hi = mid;
      hiEqual = order == 0;
    }
  }
  *puIndex = lo;
  if (pbFoundEqual) *pbFoundEqual = hiEqual && lo < n;
  return equal ? ZT_E_NOTFOUND : ZT_OK;
}

int ZTTable::LookupEqual(const void* key, int type, PRUint32* puRecord) {
  PRInt32 page = -1;
  int rc = m_pLCFile->Lookup(key, static_cast<ZTLCFile::LookupType>(type), &page);
  if (rc) return rc == ZT_NATIVE_E_LCOUTSIDE ? ZT_E_NOTFOUND : ZT_E_FAILED;
  if ((rc = m_pRecordFile->LoadPage(page)) != ZT_OK) return rc;
  if (type == ZTLCFile::kText) PreloadKeys(page);
  PRUint32 index = 0;
  rc = SearchPage(key, type, page, true, &index);
  if (!rc) *puRecord = page * m_pRecordFile->GetPageSize() + index;
  m_pRecordFile->Unload();
  return rc;
}

int ZTTable::LookupBefore(const void* key, int type, PRUint32* puRecord) {
  const PRUint32 size = m_pRecordFile->GetPageSize();
  PRInt32 page = -1;
  int rc = m_pLCFile->FindPageBefore(key, static_cast<ZTLCFile::LookupType>(type), &page);
  if (rc == ZT_NATIVE_E_LCOUTSIDE && page >= 0) {
    // The key lies beyond the page: its last record is the answer.
    const bool lastLine = static_cast<PRUint32>(page) + 1 == m_pLCFile->GetEntryCount();
    *puRecord = lastLine ? m_uCount - 1 : (page + 1) * size - 1;
    return ZT_OK;
  }
  if (rc) return rc == ZT_NATIVE_E_LCOUTSIDE ? ZT_E_NOTFOUND : ZT_E_FAILED;
  if ((rc = m_pRecordFile->LoadPage(page)) != ZT_OK) return rc;
  if (type == ZTLCFile::kText) PreloadKeys(page);
  PRUint32 index = 0;
  rc = SearchPage(key, type, page, false, &index);
  if (!rc && index == 0 && page == 0) rc = ZT_E_NOTFOUND;
  if (!rc) *puRecord = page * size + index - 1;
  m_pRecordFile->Unload();
  return rc;
}

int ZTTable::Lookup(const void* key, int type, ztfLookupMode mode, PRUint32* puRecord) {
  const char* name = kLookupNames[type];
  if (!m_pLCFile) return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::%s] No LC file.", name);
  if (!key) return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::%s] Invalid search", name);
  if (!puRecord || !m_bValid) return ZT_NATIVE_E_TABLE;
  const bool text = type == ZTLCFile::kText;
  if (!m_pLookupField || (m_pLookupField->GetType() == ftData) != text ||
      (!text && m_pLookupField->GetWidth() == 0)) {
    return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::%s] The table has no lookup field of this kind.",
                   name);
  }
  if (mode == ztfLookupEqual) return LookupEqual(key, type, puRecord);
  if (mode == ztfLookupBefore) return LookupBefore(key, type, puRecord);
  return ZT_E_INVALID;
}

int ZTTable::LookupTextImp(const char* key, ztfLookupMode mode, PRUint32* puRecord) {
  return Lookup(key, ZTLCFile::kText, mode, puRecord);
}

int ZTTable::LookupUNumImp(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord) {
  return Lookup(&key, ZTLCFile::kUNum, mode, puRecord);
}

int ZTTable::LookupSNumImp(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord) {
  return Lookup(&key, ZTLCFile::kSNum, mode, puRecord);
}

int ZTTable::GetLookupField(ZTIField** ppField) {
  if (!ppField) return ZT_E_NULLOUT;
  *ppField = nullptr;
  if (!m_pLCFile) return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::GetLookupField] No LC file.");
  if (!m_pLookupField) {
    return ZTError(ZT_NATIVE_E_TABLE, "[ZTTable::GetLookupField] The LC section names no FIELD.");
  }
  m_pLookupField->AddRef();
  *ppField = m_pLookupField;
  return ZT_OK;
}

int ZTTable::TextKeyEquals(PRUint32 uRecord, const char* key, bool* pbEqual) {
  if (!m_bValid || uRecord >= m_uCount || !key || !pbEqual || !m_pLookupField ||
      m_pLookupField->GetType() != ftData) {
    return ZTRecordSet::TextKeyEquals(uRecord, key, pbEqual);  // which tells what is wrong
  }
  const bool last = uRecord + 1 >= m_uCount;
  int rc = m_pRecordFile->LoadRecord(uRecord, last ? 1 : 2);
  const PRUint8* record = rc ? nullptr : m_pRecordFile->GetBufferPtr();
  if (record) {
    const PRUint8* successor = last ? ZT_NO_SUCCESSOR : record + m_pRecordFile->GetRecordSize();
    rc = m_pLookupField->ReadDataFieldValue(record, successor,
                                            [key, pbEqual](const PRUint8* value, PRUint32 length) {
                                              *pbEqual = CompareText(key, value, length) == 0;
                                              return ZT_OK;
                                            });
  } else if (!rc) {
    rc = ZT_E_FAILED;
  }
  m_pRecordFile->Unload();
  return rc;
}

int ZTTable::LookupTextRun(const char* key, PRUint32* puFirst, PRUint32* puEnd) {
  if (!key || !puFirst || !puEnd || !m_bValid || !m_pLCFile || !m_pLookupField ||
      m_pLookupField->GetType() != ftData) {
    return ZTRecordSet::LookupTextRun(key, puFirst, puEnd);  // which tells what is wrong
  }
  const PRUint32 size = m_pRecordFile->GetPageSize();
  PRInt32 page = -1;
  int rc = m_pLCFile->FindPageBefore(key, ZTLCFile::kText, &page);
  if (rc == ZT_NATIVE_E_LCOUTSIDE) {
    // Before every page, or beyond the keys of a page: the run starts on the next one.
    const bool lastLine =
        page >= 0 && static_cast<PRUint32>(page) + 1 == m_pLCFile->GetEntryCount();
    *puFirst = *puEnd = page < 0 ? 0 : (lastLine ? m_uCount : (page + 1) * size);
    return ExtendTextRun(key, puEnd);
  }
  if (rc) return ZT_E_FAILED;
  if ((rc = m_pRecordFile->LoadPage(page)) != ZT_OK) return rc;
  PreloadKeys(page);
  const PRUint32 n = RecordsInPage(page);
  PRUint32 index = 0;
  bool equal = false;
  rc = SearchPage(key, ZTLCFile::kText, page, false, &index, &equal);
  *puFirst = page * size + index;
  if (!rc && equal) ++index;  // the search compared it already
  for (int order = 0; !rc && index < n && order == 0;) {
    rc = CompareRecord(key, ZTLCFile::kText, page, index, &order);
    if (!rc && order == 0) ++index;
  }
  m_pRecordFile->Unload();
  *puEnd = page * size + index;
  if (rc || index < n) return rc;
  return ExtendTextRun(key, puEnd);  // the run may go on in the next pages
}
