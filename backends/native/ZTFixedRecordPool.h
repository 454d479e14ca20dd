// ZTFixedRecordPool: one chunk of records built at once, with one copy area for their bytes
// and a stack of free records. A record out of the chunk holds a reference on it, so the chunk
// outlives its pool while any of its records is held.
#ifndef BACKENDS_NATIVE_ZTFIXEDRECORDPOOL_H_
#define BACKENDS_NATIVE_ZTFIXEDRECORDPOOL_H_

#include "backends/native/ZTNativeExport.h"
#include "core/ZTRefCount.h"

class ZTRecord;

class ZTNATIVE_API ZTFixedRecordPool : public ZTRefCount {
 public:
  static ZTFixedRecordPool* _CreateInstance(PRUint32 capacity, PRUint32 recordSize);
  ~ZTFixedRecordPool() override;

  // Builds the records and the copy area; 12 when memory runs out.
  int Init();
  // Pops a free record (11 when all are out); with copy, its own slot receives the record
  // size bytes of source. The caller receives one reference.
  int GetRecord(ZTRecord** ppRecord, const PRUint8* source, bool copy);
  // Pushes a record back on the free stack.
  void ReleaseRecord(ZTRecord* record);
  PRUint32 GetOutCount() const { return m_uOut; }

 private:
  ZTFixedRecordPool(PRUint32 capacity, PRUint32 recordSize);

  PRUint32 m_uCapacity;
  PRUint32 m_uRecordSize;
  PRUint8* m_pArea;
  ZTRecord* m_pRecords;
  ZTRecord** m_ppFree;
  PRUint32 m_uOut;
};

#endif  // BACKENDS_NATIVE_ZTFIXEDRECORDPOOL_H_
