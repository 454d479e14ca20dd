// ZTFileSystem: a tree of directories and files kept in two record sets, a directory table
// (record 0 is the root) and a file table, named with their fields by a configuration file.
// Its nodes, ZTFSDirectory and ZTFSFile, are made from records on every request.
#ifndef FRONTENDS_FS_ZTFILESYSTEM_H_
#define FRONTENDS_FS_ZTFILESYSTEM_H_

#include <prtypes.h>

#include <cstddef>

#include "core/ZTTextFile.h"
#include "frontends/fs/ZTFSExport.h"

class ZTFSDirectory;
class ZTFSFile;
class ZTFSObject;
class ZTIField;
class ZTIRecordSet;

class ZTFINDFEFS_API ZTFileSystem : public ZTTextFile {
 public:
  ZTFileSystem();
  ~ZTFileSystem() override;
  ZT_DECLARE_ZTIID

  // Reads the configuration, then checks that both tables and all their fields are there (1
  // with a message naming the file otherwise).
  int SetFileName(const char* name, const char* subname) override;
  int ConfigureItem(const char* section, const char* key, const char* value) override;

  // Nodes of a record number, with one reference.
  int GetDir(PRUint32 record, ZTFSDirectory** ppOut);
  int GetFile(PRUint32 record, ZTFSFile** ppOut);
  int GetRootDir(ZTFSDirectory** ppOut);
  // Nodes of a path from the root; see ZTFSDirectory.
  int GetDir(const char* path, ZTFSDirectory** ppOut);
  int GetFile(const char* path, ZTFSFile** ppOut);
  int GetObject(const char* path, ZTFSObject** ppOut);

 private:
  friend class ZTFSDirectory;
  friend class ZTFSFile;
  friend class ZTFSObject;

  struct FieldKey;
  template <size_t N>
  int ConfigureField(const FieldKey (&fields)[N], ZTIRecordSet* table, const char* key,
                     const char* value);
  int ConfigureDirTable(const char* key, const char* value);
  int ConfigureFileTable(const char* key, const char* value);
  // The message of the first part of the configuration that is missing; null when complete.
  const char* CheckConfiguration() const;

  ZTIRecordSet* m_pDirTable;
  ZTIField* m_pDirNameField;
  ZTIField* m_pDirParentField;
  ZTIField* m_pDirChildrenField;
  ZTIField* m_pDirFilesField;
  ZTIField* m_pDirChildrenSubField;
  ZTIField* m_pDirFilesSubField;
  ZTIRecordSet* m_pFileTable;
  ZTIField* m_pFileNameField;
  ZTIField* m_pFileParentField;
  ZTIField* m_pFileTitleField;
  ZTIField* m_pFileContentField;
};

#endif  // FRONTENDS_FS_ZTFILESYSTEM_H_
