// ZTIRecordSet, an ordered collection of records numbered from 0, and the lookups every record
// set derives from its own equal and before searches.
#ifndef FIND_ZTIRECORDSET_H_
#define FIND_ZTIRECORDSET_H_

#include "core/ZTRefCount.h"
#include "find/ZTFindExport.h"
#include "find/ztfTypes.h"

class ZTCursor;
class ZTIField;
class ZTIFldCollection;
class ZTIRecord;
class ZTIRecordComparator;
class ZTIRecordFilter;

// Receives the values of a DATA field over a range of records (ZTIRecordSet::VisitDataValues).
class ZTFIND_API ZTIDataValueVisitor {
 public:
  virtual ~ZTIDataValueVisitor() = default;
  // value: length bytes (null when empty), valid during the call only, which must not read the
  // record set; a non-zero code stops the visit and is its result.
  virtual int VisitDataValue(PRUint32 uRecord, const PRUint8* value, PRUint32 length) = 0;
};

class ZTFIND_API ZTIRecordSet : public ZTRefCount {
 public:
  ZT_DECLARE_ZTIID

  virtual int GetCount(PRUint32* puCount) const = 0;
  // Record 0 to count - 1, with one reference.
  virtual int GetRecord(PRUint32 uRecord, ZTIRecord** ppRecord) = 0;
  virtual int GetFldCollection(ZTIFldCollection** ppCollection) = 0;
  // Presents count records of parent from first on; 15 for sets that are not cursor sets.
  virtual int InitCursorRS(PRUint32 first, PRUint32 count, ZTIRecordSet* parent,
                           ZTRefCount* companion);

  // Lookups on the lookup field. Modes 0 and 1 are the back-end's own; modes 2 to 4 are
  // derived from mode 1 here. 11 when no record answers.
  virtual int LookupText(const char* key, ztfLookupMode mode, PRUint32* puRecord);
  virtual int LookupTextImp(const char* key, ztfLookupMode mode, PRUint32* puRecord) = 0;
  virtual int LookupUNum(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord);
  virtual int LookupUNumImp(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord) = 0;
  virtual int LookupSNum(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord);
  virtual int LookupSNumImp(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord) = 0;
  // The field the records are ordered by; null and 15 when there is none.
  virtual int GetLookupField(ZTIField** ppField);
  // Whether the text key (lookup field) of record uRecord equals key. This one reads the
  // record's value; back-ends that can compare in place do.
  virtual int TextKeyEquals(PRUint32 uRecord, const char* key, bool* pbEqual);
  // [*puFirst, *puEnd): the records whose text key equals key, after the before search; an
  // empty range where key would go when none does.
  virtual int LookupTextRun(const char* key, PRUint32* puFirst, PRUint32* puEnd);

  // Records first to first + count - 1 as a new record set.
  virtual int GetSubRecordSet(PRUint32 first, PRUint32 count, ZTIRecordSet** ppRecordSet) = 0;
  // A new cursor of the unsigned values of field over records first to first + count - 1.
  virtual int ExtractCursor(ZTIField* field, PRUint32 first, PRUint32 count,
                            ZTCursor** ppCursor) = 0;
  // A new cursor of the number of records the link field holds in each of records first to
  // first + count - 1. This one asks each record; back-ends that can read them in one go do.
  virtual int ExtractLinkCounts(ZTIField* field, PRUint32 first, PRUint32 count,
                                ZTCursor** ppCursor);
  // Calls visitor with the value of the DATA field of records first to first + count - 1 in
  // turn. This one reads each record's value; back-ends that can lend them in place do.
  virtual int VisitDataValues(ZTIField* field, PRUint32 first, PRUint32 count,
                              ZTIDataValueVisitor* visitor);
  // When the links of records first to first + count - 1 follow each other in the linked
  // record set: that set (one reference) and the range they cover together. 15 when the
  // record set cannot tell (this one never can).
  virtual int ExtractLinkRange(ZTIField* field, PRUint32 first, PRUint32 count,
                               ZTIRecordSet** ppLinked, PRUint32* puFirst, PRUint32* puCount);
  // In place; 10 from a set whose records cannot be reordered.
  virtual int Filter(ZTIRecordFilter* filter) = 0;
  virtual int Merge(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
                    int bConsiderRank) = 0;
  virtual int Sort(ZTIRecordComparator* comparator, int bConsiderRank) = 0;
  // Leave this set unchanged and return a new one.
  virtual int FilterToNew(ZTIRecordFilter* filter, ZTIRecordSet** ppOut) = 0;
  virtual int MergeToNew(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
                         int bConsiderRank, ZTIRecordSet** ppOut) = 0;
  virtual int SortToNew(ZTIRecordComparator* comparator, int bConsiderRank,
                        ZTIRecordSet** ppOut) = 0;

 protected:
  // Moves *puEnd past the records from *puEnd on whose text key equals key.
  int ExtendTextRun(const char* key, PRUint32* puEnd);
};

#endif  // FIND_ZTIRECORDSET_H_
