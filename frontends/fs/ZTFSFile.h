// ZTFSFile: a file of a file system, with its title and content.
#ifndef FRONTENDS_FS_ZTFSFILE_H_
#define FRONTENDS_FS_ZTFSFILE_H_

#include "frontends/fs/ZTFSObject.h"

class ZTBinary;

class ZTFINDFEFS_API ZTFSFile : public ZTFSObject {
 public:
  ZTFSFile(ZTFileSystem* fileSystem, ZTIRecord* record);
  ZT_DECLARE_ZTIID

  int SharedIsFile() override { return 1; }
  // The directory of the record's parent field.
  int FetchParent() override;
  // The content and the title bytes, with one reference.
  int GetData(ZTBinary** ppOut);
  int GetTitle(ZTBinary** ppOut);
};

#endif  // FRONTENDS_FS_ZTFSFILE_H_
