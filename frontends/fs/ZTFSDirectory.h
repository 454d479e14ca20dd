// ZTFSDirectory: a directory of a file system, with its subdirectories and files in order,
// and the resolution of paths relative to it.
//
// A path is made of components separated by slashes (runs of slashes count as one, leading
// ones are skipped); "." is the directory itself and ".." its parent (3000 at the root). Names
// compare byte for byte. Resolution walks the components one after the other, so its depth
// does not grow with the path's length.
#ifndef FRONTENDS_FS_ZTFSDIRECTORY_H_
#define FRONTENDS_FS_ZTFSDIRECTORY_H_

#include "frontends/fs/ZTFSObject.h"

class ZTFSFile;
class ZTIRecordSet;

class ZTFINDFEFS_API ZTFSDirectory : public ZTFSObject {
 public:
  ZTFSDirectory(ZTFileSystem* fileSystem, ZTIRecord* record);
  ZT_DECLARE_ZTIID

  int SharedIsFile() override { return 0; }
  // None for record 0, else the directory of the record's parent field.
  int FetchParent() override;

  int GetDirCount(PRUint32* puCount);
  int GetFileCount(PRUint32* puCount);
  // The index-th subdirectory or file, with one reference.
  int GetDir(PRUint32 index, ZTFSDirectory** ppOut);
  int GetFile(PRUint32 index, ZTFSFile** ppOut);

  // The directory of a path (this one for an empty path); 3000 when a component is missing.
  int GetDir(const char* path, ZTFSDirectory** ppOut);
  // The file of a path: its directory part, then the name after the last slash (3000 when
  // there is none).
  int GetFile(const char* path, ZTFSFile** ppOut);
  // The subdirectory, else the file, of a path; the directory itself for a path ending in a
  // slash.
  int GetObject(const char* path, ZTFSObject** ppOut);

 private:
  // The directory of the components in [start, end).
  int ResolveDir(const char* start, const char* end, ZTFSDirectory** ppOut);
  // The next directory from this one for the component [start, end).
  int Step(const char* start, const char* end, ZTFSDirectory** ppOut);
  // Where the directory part of path ends (its last slash) and the name begins.
  static void SplitPath(const char* path, const char** ppcDirEnd, const char** ppcName);
  int FindDir(const char* name, PRUint32 length, ZTFSDirectory** ppOut);
  int FindFile(const char* name, PRUint32 length, ZTFSFile** ppOut);
  // The linked list set of field and the number of its index-th record in subField.
  int ListEntry(ZTIField* field, ZTIField* subField, PRUint32 index, PRUint32* puRecord);
  int ListCount(ZTIField* field, PRUint32* puCount);
};

// True when the bytes in [start, end) equal text and text ends there.
ZTFINDFEFS_API bool IsStringsEqual(const char* start, const char* end, const char* text);

#endif  // FRONTENDS_FS_ZTFSDIRECTORY_H_
