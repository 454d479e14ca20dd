// ZTFSObject: a node of a file system, made from its record: a directory or a file. It keeps
// its file system, its record and, once fetched, its parent directory.
#ifndef FRONTENDS_FS_ZTFSOBJECT_H_
#define FRONTENDS_FS_ZTFSOBJECT_H_

#include <prtypes.h>

#include "core/ZTRefCount.h"
#include "frontends/fs/ZTFSExport.h"

class ZTFileSystem;
class ZTFSDirectory;
class ZTIField;
class ZTIRecord;

class ZTFINDFEFS_API ZTFSObject : public ZTRefCount {
 public:
  // Ancestors followed at most: a parent chain that does not end at the root within this many
  // steps is refused (it loops).
  static const PRUint32 kMaxDepth = 1024;

  // Keeps references to the file system and the record and reads the name from nameField.
  ZTFSObject(ZTFileSystem* fileSystem, ZTIRecord* record, ZTIField* nameField);
  ~ZTFSObject() override;
  ZT_DECLARE_ZTIID

  // 0 for a directory, 1 for a file.
  virtual int SharedIsFile() = 0;
  virtual int IsFile(int* pbFile);
  // Fills the parent once (a no-op when known); the root has none.
  virtual int FetchParent() = 0;

  // The record number.
  int GetFSObjectId(PRUint32* puId);
  // FetchParent on this object and on each ancestor in turn; 10 for a chain that loops.
  int FetchParents();
  // FetchParent, then the parent with a reference (null for the root); 101 for a null out.
  int GetLocation(ZTFSDirectory** ppOut);
  // The parent as fetched so far (null when none), with a reference.
  int GetParentDir(ZTFSDirectory** ppOut);
  // Makes the path: the ancestors' names, the root's first, joined by "/" (the object's own
  // name is not part of it). Left unmade for an object or an ancestor without a name.
  int ComputePath();

  // Null when the record has none (or it could not be read).
  const char* GetName() const { return m_pcName; }
  // Null until ComputePath makes it.
  const char* GetPath() const { return m_pcPath; }

 protected:
  // Takes the parent from the directory record of the given number.
  int FetchParentDir(PRUint32 record);
  // The record's unsigned value of field.
  int ReadNumber(ZTIField* field, PRUint32* puValue);

  ZTFileSystem* m_pFileSystem;
  ZTIRecord* m_pRecord;
  ZTFSDirectory* m_pParent;
  char* m_pcName;
  char* m_pcPath;
  bool m_bParentFetched;
};

#endif  // FRONTENDS_FS_ZTFSOBJECT_H_
