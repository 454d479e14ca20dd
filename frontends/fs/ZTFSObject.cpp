#include "frontends/fs/ZTFSObject.h"

#include <plstr.h>

#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "find/ztRefAssign.h"
#include "frontends/fs/ZTFSDirectory.h"
#include "frontends/fs/ZTFileSystem.h"

ZT_DEFINE_ZTIID(ZTFSObject, ZTRefCount,
                {0x312c2bfe, 0x93c4, 0x4118, {0x88, 0x4f, 0xe3, 0x6d, 0x3e, 0x14, 0x05, 0x1f}})

ZTFSObject::ZTFSObject(ZTFileSystem* fileSystem, ZTIRecord* record, ZTIField* nameField)
    : m_pFileSystem(fileSystem),
      m_pRecord(record),
      m_pParent(nullptr),
      m_pcName(nullptr),
      m_pcPath(nullptr),
      m_bParentFetched(false) {
  m_pFileSystem->AddRef();
  m_pRecord->AddRef();
  ZTBinary* name = nullptr;
  if (m_pRecord->GetDataFieldValue(nameField, &name) == ZT_OK) {
    m_pcName = PL_strndup(reinterpret_cast<const char*>(name->GetData()), name->GetLength());
    name->Release();
  }
}

ZTFSObject::~ZTFSObject() {
  if (m_pcPath) PL_strfree(m_pcPath);
  if (m_pcName) PL_strfree(m_pcName);
  ztRelease(m_pParent);
  ztRelease(m_pRecord);
  ztRelease(m_pFileSystem);
}

int ZTFSObject::IsFile(int* pbFile) {
  if (!pbFile) return ZT_E_NULLOUT;
  *pbFile = SharedIsFile();
  return ZT_OK;
}

int ZTFSObject::GetFSObjectId(PRUint32* puId) {
  return puId ? m_pRecord->GetId(puId) : ZT_E_NULLOUT;
}

int ZTFSObject::FetchParents() {
  ZTFSObject* object = this;
  for (PRUint32 depth = 0; depth < kMaxDepth; ++depth) {
    const int rc = object->FetchParent();
    if (rc != ZT_OK) return rc;
    if (!object->m_pParent) return ZT_OK;
    object = object->m_pParent;
  }
  return ZTError(ZT_E_FAILED,
                 "[ZTFSObject::FetchParents] The parents of '%s' do not reach the root",
                 m_pcName ? m_pcName : "");
}

int ZTFSObject::GetLocation(ZTFSDirectory** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  const int rc = FetchParent();
  if (rc == ZT_OK) ztHandOutRef(m_pParent, ppOut);
  return rc;
}

int ZTFSObject::GetParentDir(ZTFSDirectory** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  ztHandOutRef(m_pParent, ppOut);
  return ZT_OK;
}

int ZTFSObject::ComputePath() {
  if (!m_pcName || m_pcPath) return ZT_OK;
  std::vector<const char*> names;  // innermost first
  // FetchParents stops short of kMaxDepth ancestors on a chain that reaches the root.
  for (ZTFSObject* a = m_pParent; a; a = a->m_pParent) {
    if (!a->m_pcName) return ZT_OK;
    names.push_back(a->m_pcName);
    if (names.size() >= kMaxDepth) {
      return ZTError(ZT_E_FAILED,
                     "[ZTFSObject::ComputePath] The parents of '%s' do not reach the root",
                     m_pcName);
    }
  }
  std::string path;
  for (size_t i = names.size(); i-- > 0;) {
    path += names[i];
    if (i) path += '/';
  }
  m_pcPath = PL_strdup(path.c_str());
  return m_pcPath ? ZT_OK : ZT_E_NOMEM;
}

int ZTFSObject::FetchParentDir(PRUint32 record) {
  ZTFSDirectory* parent = nullptr;
  const int rc = m_pFileSystem->GetDir(record, &parent);
  if (rc != ZT_OK) return rc;
  ztRelease(m_pParent);
  m_pParent = parent;
  m_bParentFetched = true;
  return ZT_OK;
}

int ZTFSObject::ReadNumber(ZTIField* field, PRUint32* puValue) {
  return m_pRecord->GetUNumFieldValue(field, puValue);
}
