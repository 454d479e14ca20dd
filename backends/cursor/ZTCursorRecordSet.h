// ZTCursorRecordSet presents a cursor over another record set as a record set: record i is
// record cursor[i] of the underlying set. Filtering, sorting and merging change the cursor
// only. Objects come from the engine module "recordset:cursor".
#ifndef BACKENDS_CURSOR_ZTCURSORRECORDSET_H_
#define BACKENDS_CURSOR_ZTCURSORRECORDSET_H_

#include "core/ZTCoreExport.h"
#include "find/ZTIRecordSet.h"
#include "find/ztRefArray.h"

class ZTCursorComparatorRecordWrapper;

class ZT_EXPORT ZTCursorRecordSet : public ZTIRecordSet {
 public:
  ZTCursorRecordSet();
  ~ZTCursorRecordSet() override;
  ZT_DECLARE_ZTIID

  int GetCount(PRUint32* puCount) const override;
  // 10 for an index not below the count.
  int GetRecord(PRUint32 uRecord, ZTIRecord** ppRecord) override;
  int GetFldCollection(ZTIFldCollection** ppCollection) override;
  // Init(first, count, parent), then AppendSpeeder(companion), which is required.
  int InitCursorRS(PRUint32 first, PRUint32 count, ZTIRecordSet* parent,
                   ZTRefCount* companion) override;
  // A cursor record set is not sorted on a lookup field: 10.
  int LookupTextImp(const char* key, ztfLookupMode mode, PRUint32* puRecord) override;
  int LookupUNumImp(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord) override;
  int LookupSNumImp(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord) override;
  int GetLookupField(ZTIField** ppField) override;
  int GetSubRecordSet(PRUint32 first, PRUint32 count, ZTIRecordSet** ppRecordSet) override;
  int ExtractCursor(ZTIField* field, PRUint32 first, PRUint32 count, ZTCursor** ppCursor) override;
  // A run of consecutive records is asked of the parent in one go.
  int ExtractLinkCounts(ZTIField* field, PRUint32 first, PRUint32 count,
                        ZTCursor** ppCursor) override;
  int ExtractLinkRange(ZTIField* field, PRUint32 first, PRUint32 count, ZTIRecordSet** ppLinked,
                       PRUint32* puFirst, PRUint32* puCount) override;
  int Filter(ZTIRecordFilter* filter) override;
  // other must be a cursor record set over the same kind of records (else 10); its speeders
  // are kept alive by this set from then on.
  int Merge(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
            int bConsiderRank) override;
  int Sort(ZTIRecordComparator* comparator, int bConsiderRank) override;
  // On failure the copy is released and *ppOut stays null.
  int FilterToNew(ZTIRecordFilter* filter, ZTIRecordSet** ppOut) override;
  int MergeToNew(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
                 int bConsiderRank, ZTIRecordSet** ppOut) override;
  int SortToNew(ZTIRecordComparator* comparator, int bConsiderRank, ZTIRecordSet** ppOut) override;

  // The records first .. first + count - 1 of recordSet.
  virtual int Init(PRUint32 first, PRUint32 count, ZTIRecordSet* recordSet);
  // Hold the cursor and the record set, replacing the earlier ones; the speeders are dropped.
  virtual int Init(ZTCursor* cursor, ZTIRecordSet* recordSet);
  virtual int SetCursorAndRecordSet(ZTCursor* cursor, ZTIRecordSet* recordSet);
  // The cursor with a reference; 1 when there is none.
  virtual int GetInternalCursor(ZTCursor** ppCursor);
  // Keeps object alive (one reference) as long as this set.
  virtual int AppendSpeeder(ZTRefCount* object);

 private:
  // Brings the cursor to list form; 1 without a cursor.
  int ListForm() const;
  int CheckRange(PRUint32 first, PRUint32 count, const char* where) const;
  // Records first .. first + count - 1 of the parent, after the checks CheckRange makes.
  int RecordsOf(PRUint32 first, PRUint32 count, const char* where,
                const PRUint32** ppRecords) const;
  int NewWrapper(ZTIRecordComparator* comparator, int bConsiderRank,
                 ZTCursorComparatorRecordWrapper** ppWrapper);
  template <class Operation>
  int ToNew(ZTIRecordSet** ppOut, Operation operation);

  ZTCursor* m_pCursor;
  ZTIRecordSet* m_pRecordSet;
  ztRefArray<ZTRefCount> m_speeders;
};

// The create function of the module: a new, empty cursor record set (the arguments are not
// used); 1 for null arguments or out-pointer, 12 when memory runs out.
int _Create_ZTCursorRecordSet(const char* pcszArgs, ZTRefCount** ppOut);

#endif  // BACKENDS_CURSOR_ZTCURSORRECORDSET_H_
