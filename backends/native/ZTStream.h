// ZTStream: reads the value of a DATA field piecewise through its content file instead of
// copying it whole.
#ifndef BACKENDS_NATIVE_ZTSTREAM_H_
#define BACKENDS_NATIVE_ZTSTREAM_H_

#include "backends/native/ZTNativeExport.h"
#include "find/ZTIStream.h"

class ZTPageFile;

class ZTNATIVE_API ZTStream : public ZTIStream {
 public:
  // A stream over the logical bytes [offset, offset + length) of file, with one reference.
  static ZTStream* _CreateInstance(ZTPageFile* file, PRUint32 offset, PRUint32 length);
  ~ZTStream() override;

  int Read(PRUint32 count, void* buffer, PRUint32* puRead) override;
  // Moves to position p of the value; 1 (nothing changes) when p is not below its length.
  int Seek(PRUint32 position) override;

 private:
  ZTStream(ZTPageFile* file, PRUint32 offset, PRUint32 length);

  ZTPageFile* m_pFile;  // counted
  PRUint32 m_uStart;
  PRUint32 m_uPosition;
  PRUint32 m_uRemaining;
  PRUint32 m_uLength;
};

#endif  // BACKENDS_NATIVE_ZTSTREAM_H_
