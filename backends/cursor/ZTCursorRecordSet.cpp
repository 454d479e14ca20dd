#include "backends/cursor/ZTCursorRecordSet.h"

#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorComparatorRecordWrapper.h"
#include "find/ZTCursorFilterRecordWrapper.h"
#include "find/ZTIRecordComparator.h"
#include "find/ZTIRecordFilter.h"
#include "find/ztRefAssign.h"
#include "find/ztResolveRS.h"

ZT_DEFINE_ZTIID(ZTCursorRecordSet, ZTIRecordSet,
                {0x4caf4a81, 0x2d63, 0x49d7, {0xa2, 0x41, 0xf2, 0x36, 0xb9, 0x82, 0xb6, 0x0a}})

int _Create_ZTCursorRecordSet(const char* pcszArgs, ZTRefCount** ppOut) {
  if (ppOut) *ppOut = nullptr;
  if (!pcszArgs || !ppOut)
    return ZTError(ZT_E_INVALID, "[_Create_ZTCursorRecordSet] null argument");
  *ppOut = new (std::nothrow) ZTCursorRecordSet();
  if (!*ppOut) return ZTError(ZT_E_NOMEM, "[_Create_ZTCursorRecordSet] Cannot allocate memory");
  return ZT_OK;
}

namespace {

int NullOut(const char* where) {
  return ZTError(ZT_E_NULLOUT, "[ZTCursorRecordSet::%s] null out-pointer", where);
}

int NotSorted(const char* where) {
  return ZTError(ZT_E_FAILED, "[ZTCursorRecordSet::%s] not sorted on a lookup field", where);
}

}  // namespace

ZTCursorRecordSet::ZTCursorRecordSet() : m_pCursor(nullptr), m_pRecordSet(nullptr) {}

ZTCursorRecordSet::~ZTCursorRecordSet() {
  m_speeders.Clear();
  ztRelease(m_pRecordSet);
  ztRelease(m_pCursor);
}

int ZTCursorRecordSet::Init(PRUint32 first, PRUint32 count, ZTIRecordSet* recordSet) {
  if (!recordSet) return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet::Init] null record set");
  ZTCursor* cursor = nullptr;
  int rc = ZTCursor::_CreateInstance(0, nullptr, &cursor);
  if (rc == ZT_OK) rc = cursor->InitStartCount(first, count);
  if (rc == ZT_OK) rc = cursor->ComputeCursorForm();
  if (rc == ZT_OK) {
    cursor->DestroyBitmapForm();
    rc = Init(cursor, recordSet);
  }
  ztRelease(cursor);
  return rc;
}

int ZTCursorRecordSet::Init(ZTCursor* cursor, ZTIRecordSet* recordSet) {
  if (!cursor || !recordSet)
    return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet::Init] null argument");
  ztAssignRef(m_pCursor, cursor);
  ztAssignRef(m_pRecordSet, recordSet);
  m_speeders.Clear();
  return ZT_OK;
}

int ZTCursorRecordSet::SetCursorAndRecordSet(ZTCursor* cursor, ZTIRecordSet* recordSet) {
  return Init(cursor, recordSet);
}

int ZTCursorRecordSet::InitCursorRS(PRUint32 first, PRUint32 count, ZTIRecordSet* parent,
                                    ZTRefCount* companion) {
  if (!companion) return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet::InitCursorRS] no speeder");
  const int rc = Init(first, count, parent);
  return rc == ZT_OK ? AppendSpeeder(companion) : rc;
}

int ZTCursorRecordSet::GetInternalCursor(ZTCursor** ppCursor) {
  if (!ppCursor) return NullOut("GetInternalCursor");
  *ppCursor = m_pCursor;
  if (!m_pCursor) return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet::GetInternalCursor] no cursor");
  m_pCursor->AddRef();
  return ZT_OK;
}

int ZTCursorRecordSet::AppendSpeeder(ZTRefCount* object) {
  if (!object) return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet::AppendSpeeder] null object");
  if (m_speeders.Append(object) != ZT_OK) {
    return ZTError(ZT_E_NOMEM, "[ZTCursorRecordSet::AppendSpeeder] Cannot allocate memory");
  }
  return ZT_OK;
}

int ZTCursorRecordSet::ListForm() const {
  if (!m_pCursor || !m_pRecordSet) {
    return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet] no cursor or record set");
  }
  return m_pCursor->ComputeCursorForm();
}

int ZTCursorRecordSet::CheckRange(PRUint32 first, PRUint32 count, const char* where) const {
  const PRUint32 n = m_pCursor->GetCount();
  if (count > n || first > n - count) {
    return ZTError(ZT_E_FAILED, "[ZTCursorRecordSet::%s] range %u + %u outside %u", where, first,
                   count, n);
  }
  return ZT_OK;
}

int ZTCursorRecordSet::GetCount(PRUint32* puCount) const {
  if (!puCount) return NullOut("GetCount");
  *puCount = 0;
  const int rc = ListForm();
  if (rc == ZT_OK) *puCount = m_pCursor->GetCount();
  return rc;
}

int ZTCursorRecordSet::GetRecord(PRUint32 uRecord, ZTIRecord** ppRecord) {
  if (!ppRecord) return NullOut("GetRecord");
  *ppRecord = nullptr;
  int rc = ListForm();
  if (rc == ZT_OK) rc = CheckRange(uRecord, 1, "GetRecord");
  return rc == ZT_OK ? m_pRecordSet->GetRecord(m_pCursor->GetArray()[uRecord], ppRecord) : rc;
}

int ZTCursorRecordSet::GetFldCollection(ZTIFldCollection** ppCollection) {
  if (!ppCollection) return NullOut("GetFldCollection");
  *ppCollection = nullptr;
  if (!m_pRecordSet) return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet::GetFldCollection] no set");
  return m_pRecordSet->GetFldCollection(ppCollection);
}

int ZTCursorRecordSet::LookupTextImp(const char*, ztfLookupMode, PRUint32*) {
  return NotSorted("LookupTextImp");
}

int ZTCursorRecordSet::LookupUNumImp(PRUint32, ztfLookupMode, PRUint32*) {
  return NotSorted("LookupUNumImp");
}

int ZTCursorRecordSet::LookupSNumImp(PRInt32, ztfLookupMode, PRUint32*) {
  return NotSorted("LookupSNumImp");
}

int ZTCursorRecordSet::GetLookupField(ZTIField** ppField) {
  if (ppField) *ppField = nullptr;
  return NotSorted("GetLookupField");
}

int ZTCursorRecordSet::GetSubRecordSet(PRUint32 first, PRUint32 count, ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return NullOut("GetSubRecordSet");
  *ppRecordSet = nullptr;
  int rc = ListForm();
  if (rc == ZT_OK && m_pCursor->GetCount() == 0) {
    rc = ZTError(ZT_E_FAILED, "[ZTCursorRecordSet::GetSubRecordSet] no elements");
  }
  if (rc == ZT_OK) rc = CheckRange(first, count, "GetSubRecordSet");
  ZTCursor* slice = nullptr;
  if (rc == ZT_OK) rc = m_pCursor->Extract(first, count, &slice);
  ZTCursorRecordSet* sub = rc == ZT_OK ? new (std::nothrow) ZTCursorRecordSet() : nullptr;
  if (rc == ZT_OK && !sub) {
    rc = ZTError(ZT_E_NOMEM, "[ZTCursorRecordSet::GetSubRecordSet] Cannot allocate memory");
  }
  if (rc == ZT_OK && (rc = sub->Init(slice, m_pRecordSet)) == ZT_OK) {
    *ppRecordSet = sub;
  } else {
    ztRelease(sub);
  }
  ztRelease(slice);
  return rc;
}

int ZTCursorRecordSet::ExtractCursor(ZTIField* field, PRUint32 first, PRUint32 count,
                                     ZTCursor** ppCursor) {
  if (!ppCursor) return NullOut("ExtractCursor");
  *ppCursor = nullptr;
  int rc = ListForm();
  if (rc == ZT_OK && count > 0 && m_pCursor->GetCount() == 0) {
    rc = ZTError(ZT_E_FAILED, "[ZTCursorRecordSet::ExtractCursor] no elements");
  }
  if (rc == ZT_OK) rc = CheckRange(first, count, "ExtractCursor");
  if (rc != ZT_OK) return rc;
  return ztExtractUNumCursor(m_pRecordSet, field, m_pCursor->GetArray(), first, count, nullptr,
                             ppCursor);
}

int ZTCursorRecordSet::RecordsOf(PRUint32 first, PRUint32 count, const char* where,
                                 const PRUint32** ppRecords) const {
  int rc = ListForm();
  if (rc == ZT_OK) rc = CheckRange(first, count, where);
  if (rc == ZT_OK) *ppRecords = m_pCursor->GetArray() + first;
  return rc;
}

int ZTCursorRecordSet::ExtractLinkCounts(ZTIField* field, PRUint32 first, PRUint32 count,
                                         ZTCursor** ppCursor) {
  if (!ppCursor) return NullOut("ExtractLinkCounts");
  *ppCursor = nullptr;
  const PRUint32* records = nullptr;
  const int rc = RecordsOf(first, count, "ExtractLinkCounts", &records);
  if (rc != ZT_OK) return rc;
  if (ztIsRun(records, count)) {
    return m_pRecordSet->ExtractLinkCounts(field, records[0], count, ppCursor);
  }
  return ZTIRecordSet::ExtractLinkCounts(field, first, count, ppCursor);
}

int ZTCursorRecordSet::ExtractLinkRange(ZTIField* field, PRUint32 first, PRUint32 count,
                                        ZTIRecordSet** ppLinked, PRUint32* puFirst,
                                        PRUint32* puCount) {
  if (!ppLinked) return NullOut("ExtractLinkRange");
  *ppLinked = nullptr;
  const PRUint32* records = nullptr;
  const int rc = RecordsOf(first, count, "ExtractLinkRange", &records);
  if (rc != ZT_OK) return rc;
  if (!ztIsRun(records, count)) return ZT_E_UNSUPPORTED;
  return m_pRecordSet->ExtractLinkRange(field, records[0], count, ppLinked, puFirst, puCount);
}

int ZTCursorRecordSet::Filter(ZTIRecordFilter* filter) {
  if (!filter) return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet::Filter] null filter");
  int rc = ListForm();
  if (rc != ZT_OK) return rc;
  ZTCursorFilterRecordWrapper* wrapper = new (std::nothrow) ZTCursorFilterRecordWrapper();
  if (!wrapper) return ZTError(ZT_E_NOMEM, "[ZTCursorRecordSet::Filter] Cannot allocate memory");
  if ((rc = wrapper->SetCursor(m_pCursor)) == ZT_OK &&
      (rc = filter->SetRecordSet(m_pRecordSet)) == ZT_OK &&
      (rc = wrapper->SetRecordFilter(filter, 1)) == ZT_OK) {
    rc = m_pCursor->Filter(wrapper);
  }
  wrapper->Release();
  return rc;
}

int ZTCursorRecordSet::NewWrapper(ZTIRecordComparator* comparator, int bConsiderRank,
                                  ZTCursorComparatorRecordWrapper** ppWrapper) {
  *ppWrapper = nullptr;
  if (!comparator) return ZTError(ZT_E_INVALID, "[ZTCursorRecordSet] null comparator");
  int rc = ListForm();
  if (rc != ZT_OK) return rc;
  ZTCursorComparatorRecordWrapper* wrapper = new (std::nothrow) ZTCursorComparatorRecordWrapper();
  if (!wrapper) return ZTError(ZT_E_NOMEM, "[ZTCursorRecordSet] Cannot allocate a comparator");
  wrapper->SetConsiderRank(bConsiderRank);
  if ((rc = comparator->SetRecordSet(m_pRecordSet)) == ZT_OK &&
      (rc = wrapper->SetRecordComparator(comparator, 1)) == ZT_OK) {
    *ppWrapper = wrapper;
  } else {
    wrapper->Release();
  }
  return rc;
}

int ZTCursorRecordSet::Sort(ZTIRecordComparator* comparator, int bConsiderRank) {
  ZTCursorComparatorRecordWrapper* wrapper = nullptr;
  int rc = NewWrapper(comparator, bConsiderRank, &wrapper);
  if (rc == ZT_OK) rc = m_pCursor->Sort(wrapper);
  ztRelease(wrapper);
  return rc;
}

int ZTCursorRecordSet::Merge(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
                             int bConsiderRank) {
  ZTCursorRecordSet* set = nullptr;
  if (!other || other->QueryZTInterface(GetZTIID(), reinterpret_cast<void**>(&set)) != ZT_OK ||
      !set->m_pCursor) {
    if (set) set->Release();
    return ZTError(ZT_E_FAILED, "[ZTCursorRecordSet::Merge] the other set is not a cursor set");
  }
  ZTCursorComparatorRecordWrapper* wrapper = nullptr;
  int rc = NewWrapper(comparator, bConsiderRank, &wrapper);
  const PRUint32 speeders = set->m_speeders.GetCount();  // this set may be the other one
  for (PRUint32 i = 0; rc == ZT_OK && i < speeders; ++i) rc = AppendSpeeder(set->m_speeders.Get(i));
  if (rc == ZT_OK) rc = m_pCursor->Sort(wrapper);
  if (rc == ZT_OK) rc = m_pCursor->Merge(set->m_pCursor, op);
  ztRelease(wrapper);
  set->Release();
  return rc;
}

template <class Operation>
int ZTCursorRecordSet::ToNew(ZTIRecordSet** ppOut, Operation operation) {
  if (!ppOut) return NullOut("ToNew");
  *ppOut = nullptr;
  int rc = ListForm();
  ZTIRecordSet* copy = nullptr;
  if (rc == ZT_OK) rc = GetSubRecordSet(0, m_pCursor->GetCount(), &copy);
  if (rc == ZT_OK) rc = operation(copy);
  if (rc == ZT_OK) {
    *ppOut = copy;
  } else {
    ztRelease(copy);
  }
  return rc;
}

int ZTCursorRecordSet::FilterToNew(ZTIRecordFilter* filter, ZTIRecordSet** ppOut) {
  return ToNew(ppOut, [=](ZTIRecordSet* copy) { return copy->Filter(filter); });
}

int ZTCursorRecordSet::MergeToNew(ZTIRecordSet* other, ztfOperator op,
                                  ZTIRecordComparator* comparator, int bConsiderRank,
                                  ZTIRecordSet** ppOut) {
  return ToNew(
      ppOut, [=](ZTIRecordSet* copy) { return copy->Merge(other, op, comparator, bConsiderRank); });
}

int ZTCursorRecordSet::SortToNew(ZTIRecordComparator* comparator, int bConsiderRank,
                                 ZTIRecordSet** ppOut) {
  return ToNew(ppOut, [=](ZTIRecordSet* copy) { return copy->Sort(comparator, bConsiderRank); });
}
