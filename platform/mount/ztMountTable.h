// Reading a mount table ("/etc/mtab" or a file of the same format): one entry per line with
// the device, the mount directory, the file-system type and the comma-separated options.
#ifndef PLATFORM_MOUNT_ZTMOUNTTABLE_H_
#define PLATFORM_MOUNT_ZTMOUNTTABLE_H_

#include <mntent.h>

#include <cstdio>

// One entry; its strings stay valid until the next Next or Close.
struct ztMountEntry {
  const char* m_pcszDevice;
  const char* m_pcszDirectory;
  const char* m_pcszType;
  const char* m_pcszOptions;
};

class ztMountTable {
 public:
  // The system's table of mounted file systems.
  static const char* const s_pcszSystemTable;

  ztMountTable();
  ~ztMountTable();
  ztMountTable(const ztMountTable&) = delete;
  ztMountTable& operator=(const ztMountTable&) = delete;

  // Opens the table at path for reading; false when it cannot be opened.
  bool Open(const char* pcszPath);
  // Reads the next entry (blank and comment lines are skipped); false at the end.
  bool Next(ztMountEntry* pEntry);
  void Close();

 private:
  FILE* m_pFile;
  struct mntent m_sEntry;
  char m_szLine[8192];
};

#endif  // PLATFORM_MOUNT_ZTMOUNTTABLE_H_
