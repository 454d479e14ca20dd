// ZTTextFile: a file read line by line through a growing buffer, and configured from its
// INI-style content.
#ifndef CORE_ZTTEXTFILE_H_
#define CORE_ZTTEXTFILE_H_

#include <prio.h>

#include "core/ZTConfigurationDelegate.h"
#include "core/ZTFile.h"

class ZTCORE_API ZTTextFile : public ZTFile {
 public:
  ZTTextFile();
  ~ZTTextFile() override;

  // Resolves the name as ZTFile does (its code is passed on) and opens it read-only (10 if it
  // cannot be opened or its size read). A null name reads the process's standard input.
  int SetFileName(const char* name, const char* subname) override;
  // Reads from fd, which the text file owns (and closes) from then on; 1 for a null fd.
  virtual int SetFileDesc(PRFileDesc* fd);
  // A section line (null key) is accepted. Otherwise the delegate decides, if there is one
  // and it handles the key; anything left is 100.
  int ConfigureItem(const char* section, const char* key, const char* value) override;

  // Starts reading afresh with a new buffer; 2 without a descriptor, 12 without memory.
  int PostInitialize();
  // Stores the next line, without its line feed (and the carriage return before it), in
  // *ppcLine: a pointer into the buffer, valid until the next call. At the end of the file the
  // line is null. 10 if the file is not ready or cannot be read, 1 for a null out-pointer.
  int GetLine(char** ppcLine);
  // The descriptor's offset (bytes already buffered are not accounted for); -1 without one.
  PRInt64 GetFilePosition();
  // The size of a file opened by name, else 0.
  PRInt64 GetFileSize() const { return m_iFileSize; }
  // Feeds every (section, key, value) line to ConfigureItem, with the file's directory first
  // in PATH meanwhile. Returns the first non-zero code of ConfigureItem (after logging the
  // line), 10 when the file cannot be read, else 0.
  int ParseConfiguration();

  // Not owned; null for none.
  void SetConfigurationDelegate(ZTConfigurationDelegate* delegate) {
    m_pConfigurationDelegate = delegate;
  }
  ZTConfigurationDelegate* GetConfigurationDelegate() const { return m_pConfigurationDelegate; }

 private:
  // Closes the descriptor and frees the buffer: the file is no longer ready.
  void Reset();
  // Takes fd (owned unless it is the standard input) with the given size and prepares the
  // buffer.
  int Attach(PRFileDesc* fd, PRInt64 size);
  // The line that starts at m_uStart and ends before offset end.
  char* TakeLine(PRUint32 end);
  // Moves the unread bytes to the front, grows a full buffer and reads more.
  int Fill();

  bool m_bReady;
  bool m_bAtEnd;
  PRFileDesc* m_pFileDesc;
  char* m_pcBuffer;      // m_uCapacity + 1 bytes
  PRUint32 m_uCapacity;  // 4096 at first, doubled when a line does not fit
  PRUint32 m_uStart;     // next unread byte
  PRUint32 m_uFilled;    // valid bytes
  PRInt64 m_iFileSize;
  ZTConfigurationDelegate* m_pConfigurationDelegate;
};

#endif  // CORE_ZTTEXTFILE_H_
