#include "find/ztResolveRS.h"

#include <algorithm>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/detail/ztAlloc.h"

namespace {

int Stopped(const int* piStop, const char* where) {
  if (piStop && *piStop) return ZTError(ZT_E_STOPPED, "[%s] stopped", where);
  return ZT_OK;
}

int ReadValue(ZTIRecordSet* recordSet, ZTIField* field, PRUint32 record, PRUint32* puValue) {
  ZTIRecord* r = nullptr;
  int rc = recordSet->GetRecord(record, &r);
  if (rc == ZT_OK) rc = r->GetUNumFieldValue(field, puValue);
  ztRelease(r);
  return rc == ZT_OK ? ztCheckRecordNumber(*puValue, "ztExtractUNumCursor") : rc;
}

// Runs of consecutive records at least this long are read in one go.
const PRUint32 kRunRead = 4;

// The number of consecutive record numbers that records (count > 0 of them) begins with.
PRUint32 RunLength(const PRUint32* records, PRUint32 count) {
  PRUint32 n = 1;
  while (n < count && records[n] == records[0] + n) ++n;
  return n;
}

// The field's values of records first .. first + count - 1, read by the record set's own
// ExtractCursor into values.
int ReadRun(ZTIRecordSet* recordSet, ZTIField* field, PRUint32 first, PRUint32 count,
            PRUint32* values) {
  ZTCursor* run = nullptr;
  int rc = recordSet->ExtractCursor(field, first, count, &run);
  if (rc == ZT_OK) rc = run->ComputeCursorForm();
  if (rc == ZT_OK && run->GetCount() != count) {
    rc = ZTError(ZT_E_FAILED, "[ztExtractUNumCursor] %u values read for %u records",
                 run->GetCount(), count);
  }
  if (rc == ZT_OK) std::copy(run->GetArray(), run->GetArray() + count, values);
  ztRelease(run);
  return rc;
}

// Whether the values of cursor (in array form) rise strictly.
bool IsAscending(ZTCursor* cursor) {
  const PRUint32* values = cursor->GetArray();
  for (PRUint32 i = 1; i < cursor->GetCount(); ++i) {
    if (values[i] <= values[i - 1]) return false;
  }
  return true;
}

// The cursors made so far, released together.
class CursorList {
 public:
  explicit CursorList(PRUint32 capacity)
      : m_ppCursors(capacity <= kInline ? m_apInline : ztAllocOf<ZTCursor*>(capacity)) {}
  ~CursorList() {
    for (PRUint32 i = 0; i < m_uCount; ++i) m_ppCursors[i]->Release();
    if (m_ppCursors != m_apInline) ztFree(m_ppCursors);
  }
  bool IsValid() const { return m_ppCursors != nullptr; }
  // Takes over the reference; empty cursors are dropped.
  void Add(ZTCursor* cursor) {
    if (cursor->GetCount() > 0) {
      m_ppCursors[m_uCount++] = cursor;
    } else {
      cursor->Release();
    }
  }
  ZTCursor** Get() const { return m_ppCursors; }
  PRUint32 GetCount() const { return m_uCount; }

 private:
  // A look-up most often resolves one or two records.
  static constexpr PRUint32 kInline = 4;
  ZTCursor* m_apInline[kInline];
  ZTCursor** m_ppCursors;
  PRUint32 m_uCount = 0;
};

// The sorted (unless bKeepOrder) cursor of targetField's values over the records linked from
// record r.
int LinkedValues(ZTIRecordSet* recordSet, PRUint32 r, ZTIField* linkField, ZTIField* targetField,
                 int bKeepOrder, ZTCursor** ppOut) {
  ZTIRecord* record = nullptr;
  int rc = recordSet->GetRecord(r, &record);
  if (rc == ZT_OK) rc = ztLinkedValues(record, linkField, targetField, ppOut);
  if (rc == ZT_OK && !bKeepOrder) rc = (*ppOut)->Sort(nullptr);
  if (rc != ZT_OK && *ppOut) ztRelease(*ppOut);
  ztRelease(record);
  return rc;
}

}  // namespace

int ztLinkedValues(ZTIRecord* record, ZTIField* linkField, ZTIField* targetField,
                   ZTCursor** ppOut) {
  if (!ppOut) return ZTError(ZT_E_NULLOUT, "[ztLinkedValues] null out-pointer");
  *ppOut = nullptr;
  ZTIRecordSet* linked = nullptr;
  PRUint32 first = 0, count = 0;
  int rc = record->GetLinkFieldRange(linkField, &linked, &first, &count);
  if (rc == ZT_E_UNSUPPORTED) {
    first = 0;
    rc = record->GetLinkFieldValue(linkField, &linked);
    if (rc == ZT_OK) rc = linked->GetCount(&count);
  }
  if (rc == ZT_OK) rc = linked->ExtractCursor(targetField, first, count, ppOut);
  ztRelease(linked);
  return rc;
}

bool ztIsRun(const PRUint32* records, PRUint32 count) {
  return count > 0 && records[count - 1] - records[0] == count - 1 &&
         RunLength(records, count) == count;
}

int ztExtractUNumCursor(ZTIRecordSet* recordSet, ZTIField* field, const PRUint32* records,
                        PRUint32 first, PRUint32 count, int* piStop, ZTCursor** ppOut) {
  if (!ppOut) return ZTError(ZT_E_NULLOUT, "[ztExtractUNumCursor] null out-pointer");
  *ppOut = nullptr;
  if (!recordSet || !field) return ZTError(ZT_E_INVALID, "[ztExtractUNumCursor] null argument");
  // A run of consecutive records is the record set's own range, which it reads in one go.
  if (records && ztIsRun(records + first, count)) {
    const int rc = Stopped(piStop, "ztExtractUNumCursor");
    return rc == ZT_OK ? recordSet->ExtractCursor(field, records[first], count, ppOut) : rc;
  }
  ZTCursor* out = nullptr;
  int rc = ZTCursor::_CreateInstance(count, nullptr, &out);
  PRUint32* values = rc == ZT_OK ? out->BeginDirectWrite() : nullptr;
  for (PRUint32 i = 0; rc == ZT_OK && i < count;) {
    rc = Stopped(piStop, "ztExtractUNumCursor");
    const PRUint32 run = records ? RunLength(records + first + i, count - i) : 1;
    if (rc == ZT_OK && run >= kRunRead) {
      rc = ReadRun(recordSet, field, records[first + i], run, values + i);
      i += run;
    } else if (rc == ZT_OK) {
      rc = ReadValue(recordSet, field, records ? records[first + i] : first + i, &values[i]);
      ++i;
    }
  }
  if (values) out->EndDirectWrite();
  if (rc != ZT_OK) {
    ztRelease(out);
    return rc;
  }
  *ppOut = out;
  return ZT_OK;
}

int ztResolveRSUNum(ZTCursor* cursor, ZTIRecordSet* recordSet, ZTIField* field, int bKeepOrder,
                    int* piStop, ZTCursor** ppOut) {
  if (!ppOut) return ZTError(ZT_E_NULLOUT, "[ztResolveRSUNum] null out-pointer");
  *ppOut = nullptr;
  if (!cursor) return ZTError(ZT_E_INVALID, "[ztResolveRSUNum] null cursor");
  int rc = cursor->ComputeCursorForm();
  if (rc == ZT_OK) {
    rc = ztExtractUNumCursor(recordSet, field, cursor->GetArray(), 0, cursor->GetCount(), piStop,
                             ppOut);
  }
  if (rc == ZT_OK && !bKeepOrder && (rc = (*ppOut)->Sort(nullptr)) != ZT_OK) ztRelease(*ppOut);
  return rc;
}

namespace {

// The values of the one range that the links of a run of records cover, added to lists; 15
// when the record set cannot tell such a range.
int RunValues(ZTCursor* run, ZTIRecordSet* recordSet, ZTIField* linkField, ZTIField* targetField,
              CursorList* pLists) {
  ZTIRecordSet* linked = nullptr;
  PRUint32 first = 0, count = 0;
  ZTCursor* values = nullptr;
  int rc = recordSet->ExtractLinkRange(linkField, run->GetArray()[0], run->GetCount(), &linked,
                                       &first, &count);
  if (rc == ZT_OK) rc = linked->ExtractCursor(targetField, first, count, &values);
  if (rc == ZT_OK) pLists->Add(values);
  ztRelease(linked);
  return rc;
}

}  // namespace

int ztResolveRSLink(ZTCursor* cursor, ZTIRecordSet* recordSet, ZTIField* linkField,
                    ZTIField* targetField, int bKeepOrder, int* piStop, ZTCursor** ppOut) {
  if (!ppOut) return ZTError(ZT_E_NULLOUT, "[ztResolveRSLink] null out-pointer");
  *ppOut = nullptr;
  if (!cursor || !recordSet) return ZTError(ZT_E_INVALID, "[ztResolveRSLink] null argument");
  int rc = cursor->ComputeCursorForm();
  if (rc != ZT_OK) return rc;
  const PRUint32 n = cursor->GetCount();
  CursorList lists(n);
  if (!lists.IsValid()) return ZTError(ZT_E_NOMEM, "[ztResolveRSLink] Cannot allocate memory");
  // Consecutive records whose links follow each other lead to one range of the linked set (a
  // single record is read as it is).
  const bool run = n > 1 && ztIsRun(cursor->GetArray(), n);
  if (run && (rc = Stopped(piStop, "ztResolveRSLink")) != ZT_OK) return rc;
  rc = run ? RunValues(cursor, recordSet, linkField, targetField, &lists) : ZT_E_UNSUPPORTED;
  const bool oneRange = rc == ZT_OK;
  if (rc != ZT_OK && rc != ZT_E_UNSUPPORTED) return rc;
  for (PRUint32 i = 0; !oneRange && i < n; ++i) {
    ZTCursor* values = nullptr;
    if ((rc = Stopped(piStop, "ztResolveRSLink")) != ZT_OK ||
        (rc = LinkedValues(recordSet, cursor->GetArray()[i], linkField, targetField, bKeepOrder,
                           &values)) != ZT_OK) {
      return rc;
    }
    lists.Add(values);
  }
  // A single ascending list is already its own union.
  if (lists.GetCount() == 1 && IsAscending(lists.Get()[0])) {
    *ppOut = lists.Get()[0];
    (*ppOut)->AddRef();
    return ZT_OK;
  }
  ZTCursor* out = nullptr;
  if ((rc = ZTCursor::_CreateInstance(0, nullptr, &out)) == ZT_OK &&
      (rc = out->MuxCursors(lists.Get(), lists.GetCount(), piStop)) != ZT_OK) {
    ztRelease(out);
  }
  *ppOut = out;
  return rc;
}
