// ZTTable: the native table, the engine's record set over a record file and its content
// files, configured from its configuration file ("config.cft" in the table's directory, else
// the name followed by ".ztn").
#ifndef BACKENDS_NATIVE_ZTTABLE_H_
#define BACKENDS_NATIVE_ZTTABLE_H_

#include "backends/native/ZTRecordSet.h"

class ZTField;
class ZTLCFile;
class ZTPageFile;
class ZTTextFile;

class ZTNATIVE_API ZTTable : public ZTRecordSet {
 public:
  ZTTable();
  ~ZTTable() override;

  ZT_DECLARE_ZTIID

  int GetCount(PRUint32* puCount) const override;
  int GetRecord(PRUint32 uRecord, ZTIRecord** ppRecord) override;
  int GetFldCollection(ZTIFldCollection** ppCollection) override;
  int LookupTextImp(const char* key, ztfLookupMode mode, PRUint32* puRecord) override;
  int LookupUNumImp(PRUint32 key, ztfLookupMode mode, PRUint32* puRecord) override;
  int LookupSNumImp(PRInt32 key, ztfLookupMode mode, PRUint32* puRecord) override;
  int GetLookupField(ZTIField** ppField) override;
  // In place, with the order of the table's own searches.
  int TextKeyEquals(PRUint32 uRecord, const char* key, bool* pbEqual) override;
  // The run within the page the search ends in, then on record by record.
  int LookupTextRun(const char* key, PRUint32* puFirst, PRUint32* puEnd) override;
  int GetSubRecordSet(PRUint32 first, PRUint32 count, ZTIRecordSet** ppRecordSet) override;
  int ExtractCursor(ZTIField* field, PRUint32 first, PRUint32 count, ZTCursor** ppCursor) override;
  // Reads the range (and the successor of its last record) in one go.
  int ExtractLinkCounts(ZTIField* field, PRUint32 first, PRUint32 count,
                        ZTCursor** ppCursor) override;
  // The values where their content files hold them.
  int VisitDataValues(ZTIField* field, PRUint32 first, PRUint32 count,
                      ZTIDataValueVisitor* visitor) override;
  // Links without COUNT follow each other: from the first record's to its successor's.
  int ExtractLinkRange(ZTIField* field, PRUint32 first, PRUint32 count, ZTIRecordSet** ppLinked,
                       PRUint32* puFirst, PRUint32* puCount) override;
  int Filter(ZTIRecordFilter* filter) override;
  int Merge(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
            int bConsiderRank) override;
  int Sort(ZTIRecordComparator* comparator, int bConsiderRank) override;
  int FilterToNew(ZTIRecordFilter* filter, ZTIRecordSet** ppOut) override;
  int MergeToNew(ZTIRecordSet* other, ztfOperator op, ZTIRecordComparator* comparator,
                 int bConsiderRank, ZTIRecordSet** ppOut) override;
  int SortToNew(ZTIRecordComparator* comparator, int bConsiderRank, ZTIRecordSet** ppOut) override;

  // Opens the table named name.
  virtual int SetFileName(const char* name);
  virtual bool IsValid() const { return m_bValid; }
  // The record count, -1 when not valid.
  virtual PRInt32 GetCount();
  // The record size of the record file, 0 when not valid.
  virtual PRUint32 GetRecordSize();
  int ConfigureItem(const char* section, const char* key, const char* value) override;

  ZTPageFile* GetRecordFile() const { return m_pRecordFile; }
  ZTLCFile* GetLCFile() const { return m_pLCFile; }

 private:
  // Tables a table may open through its LINK fields, one inside the other.
  static const int kMaxNesting = 32;

  void Reset();
  int Parse();
  // The configuration file's path for messages.
  const char* ConfigPath() const;
  int OpenConfiguration(const char* name);
  int Check();
  int ConfigureDat(const char* section, const char* key, const char* value);
  int ConfigureLC(const char* key, const char* value);
  int ConfigureField(const char* section, const char* key, const char* value);
  int CheckRange(PRUint32 first, PRUint32 count) const;
  // Fills the cursor's count elements with the field's values in the loaded records.
  // Loads count records from first on (and successor more) and fills a new cursor with
  // fill(bytes of the first record, record size, values); "where" names the caller in messages.
  template <class Fill>
  int ExtractValues(PRUint32 first, PRUint32 count, PRUint32 successor, const char* where,
                    Fill fill, ZTCursor** ppCursor);
  // The sub record set over every record, the start of the to-new operations.
  int GetWholeSet(ZTIRecordSet** ppSet);
  int CreateCursorSet(ZTIRecordSet** ppSet);

  // Lookups on the sorted field.
  int Lookup(const void* key, int type, ztfLookupMode mode, PRUint32* puRecord);
  int LookupBefore(const void* key, int type, PRUint32* puRecord);
  int LookupEqual(const void* key, int type, PRUint32* puRecord);
  PRUint32 RecordsInPage(PRUint32 page);
  // Binary search inside the current page: for equal a record whose key equals key, for
  // before the first record whose key is not lower (*puIndex may be n).
  // *pbFoundEqual (when given): whether the search compared the record it ends at equal.
  int SearchPage(const void* key, int type, PRUint32 page, bool equal, PRUint32* puIndex,
                 bool* pbFoundEqual = nullptr);
  int CompareRecord(const void* key, int type, PRUint32 page, PRUint32 index, int* piOrder);
  void PreloadKeys(PRUint32 page);

  ZTPageFile* m_pRecordFile;
  ZTField* m_pLookupField;
  ZTLCFile* m_pLCFile;
  ZTTextFile* m_pConfig;
  char* m_pcConfigPath;  // the configuration file's path, for messages
  bool m_bValid;
  PRUint32 m_uCount;
};

#endif  // BACKENDS_NATIVE_ZTTABLE_H_
