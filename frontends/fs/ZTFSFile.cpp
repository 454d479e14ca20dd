#include "frontends/fs/ZTFSFile.h"

#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "frontends/fs/ZTFileSystem.h"

// A file answers its own identifier only, not the one of ZTFSObject.
ZT_DEFINE_ZTIID(ZTFSFile, ZTRefCount,
                {0xbe9c3845, 0x7d9f, 0x4fb3, {0x8a, 0x4e, 0xfc, 0xfc, 0xea, 0x1b, 0x3b, 0xc9}})

ZTFSFile::ZTFSFile(ZTFileSystem* fileSystem, ZTIRecord* record)
    : ZTFSObject(fileSystem, record, fileSystem->m_pFileNameField) {}

int ZTFSFile::FetchParent() {
  if (m_bParentFetched) return ZT_OK;
  PRUint32 parent = 0;
  const int rc = ReadNumber(m_pFileSystem->m_pFileParentField, &parent);
  return rc == ZT_OK ? FetchParentDir(parent) : rc;
}

int ZTFSFile::GetData(ZTBinary** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  return m_pRecord->GetDataFieldValue(m_pFileSystem->m_pFileContentField, ppOut);
}

int ZTFSFile::GetTitle(ZTBinary** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  return m_pRecord->GetDataFieldValue(m_pFileSystem->m_pFileTitleField, ppOut);
}
