// ZTRecord: a pooled native record carrying a copy of one record's bytes; it answers values
// through its table's fields. When its last outside holder releases it, it returns to its
// pool.
#ifndef BACKENDS_NATIVE_ZTRECORD_H_
#define BACKENDS_NATIVE_ZTRECORD_H_

#include "backends/native/ZTNativeExport.h"
#include "find/ZTIRecord.h"

class ZTField;
class ZTFixedRecordPool;
class ZTPageFile;
class ZTPageFileFragment;

class ZTNATIVE_API ZTRecord : public ZTIRecord {
 public:
  // Number of a record detached from any table.
  static const PRUint32 kDetached = 0xFFFFFFFF;

  ZTRecord();
  ~ZTRecord() override;

  int GetId(PRUint32* puId) override;
  int GetUNumFieldValue(ZTIField* field, PRUint32* puValue) override;
  int GetSNumFieldValue(ZTIField* field, PRInt32* piValue) override;
  int GetDataFieldValue(ZTIField* field, ZTBinary** ppValue) override;
  int GetStreamFieldValue(ZTIField* field, ZTIStream** ppStream) override;
  int GetLinkFieldCount(ZTIField* field, PRUint32* puCount) override;
  int GetLinkFieldValue(ZTIField* field, ZTIRecordSet** ppRecordSet) override;
  int GetFldCollection(ZTIFldCollection** ppCollection) override;
  int GetLinkFieldRange(ZTIField* field, ZTIRecordSet** ppLinked, PRUint32* puFirst,
                        PRUint32* puCount) override;
  // Returns the record to its pool once only the pool holds it.
  void OnRefPostWarn() override;

  int GetTable(ZTIRecordSet** ppTable);
  int SetTable(ZTIRecordSet* table);
  // The record file of a native table given to SetTable (borrowed: the table holds it), from
  // which successors are read in place; SetTable forgets it.
  void SetRecordFile(ZTPageFile* file) { m_pRecordFile = file; }
  void SetBuffer(const PRUint8* bytes) { m_pBytes = bytes; }
  // Holds pool (counted) while the record is out.
  void SetPool(ZTFixedRecordPool* pool);
  void SetFragment(ZTPageFileFragment* fragment);
  void SetId(PRUint32 id) { m_uId = id; }
  const PRUint8* GetBuffer() const { return m_pBytes; }

 private:
  // The linked record set (one reference) and the link's range; operation names the caller in
  // the messages.
  int LinkRange(ZTIField* field, const char* operation, ZTIRecordSet** ppLinked, PRUint32* puFirst,
                PRUint32* puCount);
  // The bytes of the next record of the table (held in *ppNext when a record holds them;
  // otherwise valid until the table's record file loads again), ZT_NO_SUCCESSOR for the last
  // record, or null for a detached one.
  int GetSuccessor(ZTIRecord** ppNext, const PRUint8** ppBytes);
  // The native field, or null after logging "[ZTRecord::<operation>] Invalid record" when the
  // record has no table or bytes or the field is not a native one.
  ZTField* ValidField(ZTIField* field, const char* operation);
  // Calls read(successor bytes) with the record's successor held meanwhile; a field whose
  // values have a COUNT needs no successor and gets null.
  template <class Read>
  int WithSuccessor(const ZTField* field, Read read);

  ZTIRecordSet* m_pTable;
  ZTPageFile* m_pRecordFile = nullptr;
  ZTFixedRecordPool* m_pPool;
  ZTPageFileFragment* m_pFragment;
  const PRUint8* m_pBytes;
  PRUint32 m_uId;
};

#endif  // BACKENDS_NATIVE_ZTRECORD_H_
