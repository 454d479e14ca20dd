// ZTFileOutput: a buffered output file. The buffer starts at 8 bytes and grows to the size of
// the largest single write.
#ifndef CORE_ZTFILEOUTPUT_H_
#define CORE_ZTFILEOUTPUT_H_

#include <prio.h>

#include <cstdarg>

#include "core/ZTRefCount.h"

class ZTCORE_API ZTFileOutput : public ZTRefCount {
 public:
  ZTFileOutput();
  // Closes a file that is still open.
  ~ZTFileOutput() override;

  // Opens path write-only, created and truncated.
  virtual int Create(const char* path);
  // Opens path write-only for appending; the file must exist (10 otherwise).
  virtual int Append(const char* path);
  // Buffers length bytes; 2 when no file is open, 12 when the buffer cannot grow, or the code
  // of the flush that makes room.
  virtual int Write(const void* bytes, PRUint32 length);
  // Formats with NSPR's printf rules and writes the text without its NUL.
  virtual int Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  virtual int vPrintf(const char* format, va_list args);
  // Writes the waiting bytes in one write; 10 if fewer were written (they are dropped anyway).
  virtual int Flush();
  // Flushes and closes; the file is closed and forgotten even when that fails, and the code
  // is returned. Closing a closed file does nothing.
  virtual int Close();
  // Closes a file still open, then opens path with the NSPR flags and mode 0644 (10 if that
  // fails).
  virtual int Open(const char* path, PRIntn flags);

 private:
  char* m_pcPath;
  PRFileDesc* m_pFileDesc;
  char* m_pcBuffer;
  PRUint32 m_uCapacity;
  PRUint32 m_uWaiting;
};

#endif  // CORE_ZTFILEOUTPUT_H_
