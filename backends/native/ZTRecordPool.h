// ZTRecordPool: hands out records from its chunks (ZTFixedRecordPool), adding a chunk when all
// are exhausted, so records are never allocated one by one.
#ifndef BACKENDS_NATIVE_ZTRECORDPOOL_H_
#define BACKENDS_NATIVE_ZTRECORDPOOL_H_

#include "backends/native/ZTNativeExport.h"
#include "core/ZTRefCount.h"

class ZTFixedRecordPool;
class ZTRecord;

class ZTNATIVE_API ZTRecordPool : public ZTRefCount {
 public:
  static ZTRecordPool* _CreateInstance(PRUint32 chunkCapacity, PRUint32 recordSize);
  ~ZTRecordPool() override;

  int GetRecord(ZTRecord** ppRecord, const PRUint8* source, bool copy);
  PRUint32 GetChunkCount() const { return m_uChunks; }

 private:
  ZTRecordPool(PRUint32 chunkCapacity, PRUint32 recordSize);
  int AddChunk();

  PRUint32 m_uChunkCapacity;
  PRUint32 m_uRecordSize;
  ZTFixedRecordPool** m_ppChunks;  // counted
  PRUint32 m_uChunks;
};

#endif  // BACKENDS_NATIVE_ZTRECORDPOOL_H_
