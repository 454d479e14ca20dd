// ztDiskLocator finds a mounted ISO-9660 disc by its volume label: it walks a mount table,
// reads the primary volume descriptor of every device that may hold such a disc, and puts
// the mount directory of the matching one in front of the engine's PATH.
#ifndef CORE_DETAIL_ZTDISKLOCATOR_H_
#define CORE_DETAIL_ZTDISKLOCATOR_H_

#include "core/ZTCoreExport.h"

struct ztMountEntry;

class ZTCORE_API ztDiskLocator {
 public:
  // Walks the system's mount table.
  ztDiskLocator();
  // Walks the mount table at pcszMountTable (a file of the same format).
  explicit ztDiskLocator(const char* pcszMountTable);

  // Prepends the mount directory of the disc labelled pcszLabel and a ';' to PATH. 11 when no
  // mounted disc carries the label, 1 for a null label.
  int AddToPath(const char* pcszLabel) const;

 private:
  // A copy (free with PL_strfree) of the mount directory of the matching disc, or null.
  char* FindMountDirectory(const char* pcszLabel) const;
  // Whether the entry's device holds an ISO-9660 disc labelled pcszLabel.
  static bool Matches(const ztMountEntry& entry, const char* pcszLabel);
  // A copy (free with PL_strfree) of the device an entry may hold a disc on, or null.
  static char* SelectDevice(const ztMountEntry& entry);

  const char* m_pcszMountTable;
};

#endif  // CORE_DETAIL_ZTDISKLOCATOR_H_
