#include "frontends/fs/ZTFileSystem.h"

#include "core/ZTErrors.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "frontends/fs/ZTFSDirectory.h"
#include "frontends/fs/ZTFSFile.h"

ZT_DEFINE_ZTIID(ZTFileSystem, ZTRefCount,
                {0xe9d2b1f1, 0xca0d, 0x455d, {0xb5, 0x8f, 0x57, 0x96, 0xd2, 0xce, 0x3f, 0x4e}})

ZTFileSystem::ZTFileSystem()
    : m_pDirTable(nullptr),
      m_pDirNameField(nullptr),
      m_pDirParentField(nullptr),
      m_pDirChildrenField(nullptr),
      m_pDirFilesField(nullptr),
      m_pDirChildrenSubField(nullptr),
      m_pDirFilesSubField(nullptr),
      m_pFileTable(nullptr),
      m_pFileNameField(nullptr),
      m_pFileParentField(nullptr),
      m_pFileTitleField(nullptr),
      m_pFileContentField(nullptr) {}

ZTFileSystem::~ZTFileSystem() {
  ztRelease(m_pFileContentField);
  ztRelease(m_pFileTitleField);
  ztRelease(m_pFileParentField);
  ztRelease(m_pFileNameField);
  ztRelease(m_pFileTable);
  ztRelease(m_pDirFilesSubField);
  ztRelease(m_pDirChildrenSubField);
  ztRelease(m_pDirFilesField);
  ztRelease(m_pDirChildrenField);
  ztRelease(m_pDirParentField);
  ztRelease(m_pDirNameField);
  ztRelease(m_pDirTable);
}

int ZTFileSystem::SetFileName(const char* name, const char* subname) {
  int rc = ZTTextFile::SetFileName(name, subname);
  if (rc == ZT_OK) rc = ParseConfiguration();
  if (rc != ZT_OK) return rc;
  const char* missing = CheckConfiguration();
  return missing ? ZTError(ZT_E_INVALID, missing, name ? name : "") : ZT_OK;
}

const char* ZTFileSystem::CheckConfiguration() const {
  if (!m_pDirTable) return "[ZTFileSystem::SetFileName] %s has no directory recordset";
  if (!m_pDirNameField || !m_pDirParentField || !m_pDirChildrenField || !m_pDirFilesField ||
      !m_pDirChildrenSubField || !m_pDirFilesSubField) {
    return "[ZTFileSystem::SetFileName] %s has a badly configured directory recordset";
  }
  if (!m_pFileTable) return "[ZTFileSystem::SetFileName] %s has no file recordset";
  if (!m_pFileNameField || !m_pFileParentField || !m_pFileTitleField || !m_pFileContentField) {
    return "[ZTFileSystem::SetFileName] %s has a badly configured file recordset";
  }
  return nullptr;
}

namespace {

// The record of a table, refusing numbers beyond it (a parent or list entry that points
// outside the table).
int TableRecord(ZTIRecordSet* table, PRUint32 record, const char* where, ZTIRecord** ppOut) {
  if (!table) return ZTError(ZT_E_INVALID, "[ZTFileSystem::%s] FS not initialized", where);
  PRUint32 count = 0;
  const int rc = table->GetCount(&count);
  if (rc != ZT_OK) return rc;
  if (record >= count) {
    return ZTError(ZT_E_NOTFOUND, "[ZTFileSystem::%s] No record %u in a table of %u", where, record,
                   count);
  }
  return table->GetRecord(record, ppOut);
}

// A new node of the record, handed over with its reference.
template <class Node>
int MakeNode(ZTFileSystem* fs, ZTIRecordSet* table, PRUint32 record, const char* where,
             Node** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  ZTIRecord* r = nullptr;
  const int rc = TableRecord(table, record, where, &r);
  if (rc != ZT_OK) return rc;
  *ppOut = new Node(fs, r);
  r->Release();
  return ZT_OK;
}

}  // namespace

int ZTFileSystem::GetDir(PRUint32 record, ZTFSDirectory** ppOut) {
  return MakeNode(this, m_pDirTable, record, "GetDir", ppOut);
}

int ZTFileSystem::GetFile(PRUint32 record, ZTFSFile** ppOut) {
  return MakeNode(this, m_pFileTable, record, "GetFile", ppOut);
}

int ZTFileSystem::GetRootDir(ZTFSDirectory** ppOut) {
  return GetDir(0u, ppOut);
}

namespace {

// A path resolved from the root directory by one of the directory's resolvers.
template <class Node>
int FromRoot(ZTFileSystem* fs, int (ZTFSDirectory::*resolve)(const char*, Node**), const char* path,
             Node** ppOut) {
  ZTFSDirectory* root = nullptr;
  int rc = fs->GetRootDir(&root);
  if (rc == ZT_OK) rc = (root->*resolve)(path, ppOut);
  ztRelease(root);
  return rc;
}

}  // namespace

int ZTFileSystem::GetDir(const char* path, ZTFSDirectory** ppOut) {
  return FromRoot<ZTFSDirectory>(this, &ZTFSDirectory::GetDir, path, ppOut);
}

int ZTFileSystem::GetFile(const char* path, ZTFSFile** ppOut) {
  return FromRoot<ZTFSFile>(this, &ZTFSDirectory::GetFile, path, ppOut);
}

int ZTFileSystem::GetObject(const char* path, ZTFSObject** ppOut) {
  return FromRoot<ZTFSObject>(this, &ZTFSDirectory::GetObject, path, ppOut);
}
