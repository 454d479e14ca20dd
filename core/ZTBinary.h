// ZTBinary, the reference-counted byte buffer that carries data across engine interfaces, and
// MakeDir.
#ifndef CORE_ZTBINARY_H_
#define CORE_ZTBINARY_H_

#include "core/ZTRefCount.h"

class ZTCORE_API ZTBinary : public ZTRefCount {
 public:
  ZTBinary();
  // Copies length bytes of data (none when data is null).
  ZTBinary(const void* data, PRUint32 length);
  ZTBinary(const ZTBinary& other);
  ~ZTBinary() override;

  ZT_DECLARE_ZTIID

  // New buffers with one reference for the caller.
  static ZTBinary* _CreateInstance(const void* data, PRUint32 length);
  static ZTBinary* _CreateInstance(const ZTBinary& other);

  void Empty();
  // Resizes keeping the content; 1 (not 12) when memory runs out. Length 0 frees the data.
  int Realloc(PRUint32 length);
  // A new NUL-terminated copy of the data up to its first NUL (free with PL_strfree).
  int GetStringData(char** ppcOut) const;
  int SetData(const void* data, PRUint32 length);
  // Copies the string with its NUL: the length is strlen + 1.
  int SetStringData(const char* text);
  // Takes ownership of memory from PR_Malloc without copying; returns this buffer.
  ZTBinary* SetSharedData(void* data, PRUint32 length);
  // Writes the data to path, creating missing parent directories. The file is written beside
  // its final name and renamed into place, so a failed write leaves the old content whole.
  int WriteToFile(const char* path) const;

  const PRUint8* GetData() const { return m_pData; }
  PRUint8* GetData() { return m_pData; }
  PRUint32 GetLength() const { return m_uLength; }

 private:
  PRUint8* m_pData;
  PRUint32 m_uLength;
};

// Creates the directory and its missing parents (mode 0755). 0 when it exists or was made.
ZTCORE_API int MakeDir(const char* path);

#endif  // CORE_ZTBINARY_H_
