// A record of an in-memory record set: a row of its table, numbered within the set.
#ifndef TESTING_FIND_ZTMEMORYRECORD_H_
#define TESTING_FIND_ZTMEMORYRECORD_H_

#include "find/ZTIRecord.h"

class ztMemoryField;
class ztMemoryRecordSet;
struct ztMemoryValue;

class ztMemoryRecord : public ZTIRecord {
 public:
  // Holds a reference to its set.
  ztMemoryRecord(ztMemoryRecordSet* set, PRUint32 id);
  ~ztMemoryRecord() override;

  int GetId(PRUint32* puId) override;
  int GetUNumFieldValue(ZTIField* field, PRUint32* puValue) override;
  int GetSNumFieldValue(ZTIField* field, PRInt32* piValue) override;
  int GetDataFieldValue(ZTIField* field, ZTBinary** ppValue) override;
  // Streams are not offered by the in-memory set: 15.
  int GetStreamFieldValue(ZTIField* field, ZTIStream** ppStream) override;
  int GetLinkFieldCount(ZTIField* field, PRUint32* puCount) override;
  int GetLinkFieldValue(ZTIField* field, ZTIRecordSet** ppRecordSet) override;
  int GetFldCollection(ZTIFldCollection** ppCollection) override;

 private:
  // The value of field in this record; 1 when field is not of this set or of another type.
  int Value(ZTIField* field, int type, const ztMemoryValue** ppValue) const;

  ztMemoryRecordSet* m_pSet;
  PRUint32 m_uId;
};

#endif  // TESTING_FIND_ZTMEMORYRECORD_H_
