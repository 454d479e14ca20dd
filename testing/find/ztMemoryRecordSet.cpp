#include "testing/find/ztMemoryRecordSet.h"

#include <algorithm>
#include <cstring>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ztResolveRS.h"
#include "testing/find/ztMemoryFldCollection.h"
#include "testing/find/ztMemoryRecord.h"

ztMemoryRecordSet::ztMemoryRecordSet() : ztMemoryRecordSet(new ztMemoryTable(), 0, PR_UINT32_MAX) {
  m_pTable->Release();  // the delegated constructor added the set's own reference
}

ztMemoryRecordSet::ztMemoryRecordSet(ztMemoryTable* table, PRUint32 first, PRUint32 count)
    : m_pTable(table), m_uFirst(first), m_uCount(count) {
  m_pTable->AddRef();
}

ztMemoryRecordSet::~ztMemoryRecordSet() {
  m_pTable->Release();
}

ztMemoryRecordSet* ztMemoryRecordSet::WithUNumKeys(std::initializer_list<PRUint32> keys) {
  ztMemoryRecordSet* rs = new ztMemoryRecordSet();
  rs->AddField("key", ztfFieldUNum);
  rs->SetLookupField("key");
  for (PRUint32 key : keys) rs->SetUNum(rs->AddRecord(), "key", key);
  return rs;
}

void ztMemoryRecordSet::AddField(const std::string& name, ztfFieldType type, ZTIRecordSet* linked) {
  m_pTable->fields->Add(new ztMemoryField(name, type, m_pTable->fields->Count(), linked));
  for (auto& row : m_pTable->rows) row.resize(m_pTable->fields->Count());
}

void ztMemoryRecordSet::SetLookupField(const std::string& name) {
  m_pTable->lookupField = static_cast<int>(Field(name)->index());
}

PRUint32 ztMemoryRecordSet::AddRecord() {
  m_pTable->rows.emplace_back(m_pTable->fields->Count());
  return static_cast<PRUint32>(m_pTable->rows.size() - 1);
}

ztMemoryField* ztMemoryRecordSet::Field(const std::string& name) const {
  return m_pTable->fields->Find(name.c_str());
}

ztMemoryValue& ztMemoryRecordSet::At(PRUint32 record, const std::string& field) {
  return m_pTable->rows.at(m_uFirst + record).at(Field(field)->index());
}

void ztMemoryRecordSet::SetUNum(PRUint32 record, const std::string& field, PRUint32 value) {
  At(record, field).u = value;
}

void ztMemoryRecordSet::SetSNum(PRUint32 record, const std::string& field, PRInt32 value) {
  At(record, field).s = value;
}

void ztMemoryRecordSet::SetText(PRUint32 record, const std::string& field,
                                const std::string& text) {
  At(record, field).data = std::string(text.c_str(), text.size() + 1);
}

void ztMemoryRecordSet::SetLink(PRUint32 record, const std::string& field, PRUint32 first,
                                PRUint32 count) {
  At(record, field).linkFirst = first;
  At(record, field).linkCount = count;
}

PRUint32 ztMemoryRecordSet::Count() const {
  return m_uCount == PR_UINT32_MAX ? static_cast<PRUint32>(m_pTable->rows.size()) : m_uCount;
}

int ztMemoryRecordSet::CheckRange(PRUint32 first, PRUint32 count, const char* where) const {
  if (count > Count() || first > Count() - count) {
    return ZTError(ZT_E_FAILED, "[ztMemoryRecordSet::%s] range %u + %u outside %u", where, first,
                   count, Count());
  }
  return ZT_OK;
}

int ztMemoryRecordSet::GetCount(PRUint32* puCount) const {
  if (!puCount) return ZT_E_INVALID;
  *puCount = Count();
  return ZT_OK;
}

int ztMemoryRecordSet::GetRecord(PRUint32 uRecord, ZTIRecord** ppRecord) {
  if (!ppRecord) return ZT_E_INVALID;
  *ppRecord = nullptr;
  const int rc = CheckRange(uRecord, 1, "GetRecord");
  if (rc == ZT_OK) *ppRecord = new ztMemoryRecord(this, uRecord);
  return rc;
}

int ztMemoryRecordSet::GetFldCollection(ZTIFldCollection** ppCollection) {
  if (!ppCollection) return ZT_E_INVALID;
  *ppCollection = m_pTable->fields;
  m_pTable->fields->AddRef();
  return ZT_OK;
}

int ztMemoryRecordSet::GetLookupField(ZTIField** ppField) {
  if (!ppField) return ZT_E_INVALID;
  *ppField = nullptr;
  if (m_pTable->lookupField < 0) return ZT_E_UNSUPPORTED;
  *ppField = m_pTable->fields->At(m_pTable->lookupField);
  (*ppField)->AddRef();
  return ZT_OK;
}

// Mode 0 answers the first equal key; mode 1 the record before the first key that is not
// below the searched one, which with repeated keys is the record before the first equal one.
template <class Less, class Equal>
int ztMemoryRecordSet::Search(ztfLookupMode mode, PRUint32* puRecord, Less less,
                              Equal equal) const {
  if (!puRecord) return ZT_E_INVALID;
  if (m_pTable->lookupField < 0) return ZT_E_UNSUPPORTED;
  if (mode != ztfLookupEqual && mode != ztfLookupBefore) return ZT_E_INVALID;
  PRUint32 lo = 0, hi = Count();
  while (lo < hi) {
    const PRUint32 mid = lo + (hi - lo) / 2;
    if (less(Row(mid)[m_pTable->lookupField])) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  if (mode == ztfLookupEqual) {
    if (lo >= Count() || !equal(Row(lo)[m_pTable->lookupField])) return ZT_E_NOTFOUND;
    *puRecord = lo;
  } else {
    if (lo == 0) return ZT_E_NOTFOUND;
    *puRecord = lo - 1;
  }
  return ZT_OK;
}

int ztMemoryRecordSet::LookupTextImp(const char* key, ztfLookupMode mode, PRUint32* puRecord) {
  if (!key) return ZT_E_INVALID;
  return Search(
      mode, puRecord, [key](const ztMemoryValue& v) { return strcmp(v.data.c_str(), key) < 0; },
      [key](const ztMemoryValue& v) { return strcmp(v.data.c_str(), key) == 0; });
}

int ztMemoryRecordSet::LookupUNumImp(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord) {
  return Search(
      mode, puRecord, [key](const ztMemoryValue& v) { return v.u < key; },
      [key](const ztMemoryValue& v) { return v.u == key; });
}

int ztMemoryRecordSet::LookupSNumImp(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord) {
  return Search(
      mode, puRecord, [key](const ztMemoryValue& v) { return v.s < key; },
      [key](const ztMemoryValue& v) { return v.s == key; });
}

int ztMemoryRecordSet::GetSubRecordSet(PRUint32 first, PRUint32 count, ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return ZT_E_INVALID;
  *ppRecordSet = nullptr;
  const int rc = CheckRange(first, count, "GetSubRecordSet");
  if (rc == ZT_OK) *ppRecordSet = new ztMemoryRecordSet(m_pTable, m_uFirst + first, count);
  return rc;
}

int ztMemoryRecordSet::ExtractCursor(ZTIField* field, PRUint32 first, PRUint32 count,
                                     ZTCursor** ppCursor) {
  if (ppCursor) *ppCursor = nullptr;
  const int rc = CheckRange(first, count, "ExtractCursor");
  return rc == ZT_OK ? ztExtractUNumCursor(this, field, nullptr, first, count, nullptr, ppCursor)
                     : rc;
}

int ztMemoryRecordSet::Filter(ZTIRecordFilter*) {
  return ZT_E_FAILED;
}

int ztMemoryRecordSet::Merge(ZTIRecordSet*, ztfOperator, ZTIRecordComparator*, int) {
  return ZT_E_FAILED;
}

int ztMemoryRecordSet::Sort(ZTIRecordComparator*, int) {
  return ZT_E_FAILED;
}

int ztMemoryRecordSet::FilterToNew(ZTIRecordFilter*, ZTIRecordSet** ppOut) {
  if (ppOut) *ppOut = nullptr;
  return ZT_E_FAILED;
}

int ztMemoryRecordSet::MergeToNew(ZTIRecordSet*, ztfOperator, ZTIRecordComparator*, int,
                                  ZTIRecordSet** ppOut) {
  if (ppOut) *ppOut = nullptr;
  return ZT_E_FAILED;
}

int ztMemoryRecordSet::SortToNew(ZTIRecordComparator*, int, ZTIRecordSet** ppOut) {
  if (ppOut) *ppOut = nullptr;
  return ZT_E_FAILED;
}
