// An in-memory record set for tests: typed fields, rows of values, an optional lookup field
// (the rows must then be added in ascending key order) and link fields into other sets.
// Sub record sets share the rows. In-place filtering, sorting and merging are refused (10).
#ifndef TESTING_FIND_ZTMEMORYRECORDSET_H_
#define TESTING_FIND_ZTMEMORYRECORDSET_H_

#include <initializer_list>
#include <string>

#include "find/ZTIRecordSet.h"
#include "testing/find/ztMemoryTable.h"

class ztMemoryField;

class ztMemoryRecordSet : public ZTIRecordSet {
 public:
  ztMemoryRecordSet();
  ~ztMemoryRecordSet() override;

  // Building (on a set that is not a sub record set).
  void AddField(const std::string& name, ztfFieldType type, ZTIRecordSet* linked = nullptr);
  void SetLookupField(const std::string& name);
  PRUint32 AddRecord();
  void SetUNum(PRUint32 record, const std::string& field, PRUint32 value);
  void SetSNum(PRUint32 record, const std::string& field, PRInt32 value);
  void SetText(PRUint32 record, const std::string& field, const std::string& text);
  void SetLink(PRUint32 record, const std::string& field, PRUint32 first, PRUint32 count);
  // A new set with one unsigned field "key" holding the values, ascending, as lookup field.
  static ztMemoryRecordSet* WithUNumKeys(std::initializer_list<PRUint32> keys);
  // The field named name (borrowed).
  ztMemoryField* Field(const std::string& name) const;

  int GetCount(PRUint32* puCount) const override;
  int GetRecord(PRUint32 uRecord, ZTIRecord** ppRecord) override;
  int GetFldCollection(ZTIFldCollection** ppCollection) override;
  int LookupTextImp(const char* key, ztfLookupMode mode, PRUint32* puRecord) override;
  int LookupUNumImp(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord) override;
  int LookupSNumImp(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord) override;
  int GetLookupField(ZTIField** ppField) override;
  int GetSubRecordSet(PRUint32 first, PRUint32 count, ZTIRecordSet** ppRecordSet) override;
  int ExtractCursor(ZTIField* field, PRUint32 first, PRUint32 count, ZTCursor** ppCursor) override;
  int Filter(ZTIRecordFilter* filter) override;
  int Merge(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
            int bConsiderRank) override;
  int Sort(ZTIRecordComparator* comparator, int bConsiderRank) override;
  int FilterToNew(ZTIRecordFilter* filter, ZTIRecordSet** ppOut) override;
  int MergeToNew(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
                 int bConsiderRank, ZTIRecordSet** ppOut) override;
  int SortToNew(ZTIRecordComparator* comparator, int bConsiderRank, ZTIRecordSet** ppOut) override;

  // The row of record id of this set, and the table the set's fields belong to.
  const std::vector<ztMemoryValue>& Row(PRUint32 id) const { return m_pTable->rows[m_uFirst + id]; }
  const ztMemoryTable* Table() const { return m_pTable; }

 private:
  ztMemoryRecordSet(ztMemoryTable* table, PRUint32 first, PRUint32 count);
  ztMemoryValue& At(PRUint32 record, const std::string& field);
  PRUint32 Count() const;
  // Modes 0 and 1 by halving, with less(i) telling whether record i's key is below the key
  // and equal(i) whether it is equal.
  template <class Less, class Equal>
  int Search(ztfLookupMode mode, PRUint32* puRecord, Less less, Equal equal) const;
  int CheckRange(PRUint32 first, PRUint32 count, const char* where) const;

  ztMemoryTable* m_pTable;
  PRUint32 m_uFirst;
  PRUint32 m_uCount;  // PR_UINT32_MAX: every row of the table (a set still being built)
};

#endif  // TESTING_FIND_ZTMEMORYRECORDSET_H_
