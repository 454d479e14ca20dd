#include "frontends/fs/ZTFSDirectory.h"

#include <plstr.h>

#include <cstring>

#include "core/ZTBinary.h"

#include "core/ZTErrors.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "find/ztRefAssign.h"
#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"

ZT_DEFINE_ZTIID(ZTFSDirectory, ZTFSObject,
                {0x30653ab1, 0x3845, 0x497d, {0x8c, 0xb7, 0x1b, 0xdc, 0xe5, 0x17, 0x67, 0xf1}})

bool IsStringsEqual(const char* start, const char* end, const char* text) {
  const PRUint32 length = static_cast<PRUint32>(end - start);
  return text && PL_strncmp(start, text, length) == 0 && text[length] == '\0';
}

ZTFSDirectory::ZTFSDirectory(ZTFileSystem* fileSystem, ZTIRecord* record)
    : ZTFSObject(fileSystem, record, fileSystem->m_pDirNameField) {}

int ZTFSDirectory::FetchParent() {
  if (m_bParentFetched) return ZT_OK;
  PRUint32 id = 0, parent = 0;
  int rc = m_pRecord->GetId(&id);
  if (rc == ZT_OK && id == 0) {
    m_bParentFetched = true;
    return ZT_OK;
  }
  if (rc == ZT_OK) rc = ReadNumber(m_pFileSystem->m_pDirParentField, &parent);
  return rc == ZT_OK ? FetchParentDir(parent) : rc;
}

int ZTFSDirectory::ListCount(ZTIField* field, PRUint32* puCount) {
  if (!puCount) return ZT_E_NULLOUT;
  ZTIRecordSet* list = nullptr;
  int rc = m_pRecord->GetLinkFieldValue(field, &list);
  if (rc == ZT_OK) rc = list->GetCount(puCount);
  ztRelease(list);
  return rc;
}

int ZTFSDirectory::ListEntry(ZTIField* field, ZTIField* subField, PRUint32 index,
                             PRUint32* puRecord) {
  ZTIRecordSet* list = nullptr;
  ZTIRecord* entry = nullptr;
  int rc = m_pRecord->GetLinkFieldValue(field, &list);
  if (rc == ZT_OK) rc = list->GetRecord(index, &entry);
  if (rc == ZT_OK) rc = entry->GetUNumFieldValue(subField, puRecord);
  ztRelease(entry);
  ztRelease(list);
  return rc;
}

int ZTFSDirectory::GetDirCount(PRUint32* puCount) {
  return ListCount(m_pFileSystem->m_pDirChildrenField, puCount);
}

int ZTFSDirectory::GetFileCount(PRUint32* puCount) {
  return ListCount(m_pFileSystem->m_pDirFilesField, puCount);
}

int ZTFSDirectory::GetDir(PRUint32 index, ZTFSDirectory** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  PRUint32 record = 0;
  const int rc = ListEntry(m_pFileSystem->m_pDirChildrenField,
                           m_pFileSystem->m_pDirChildrenSubField, index, &record);
  return rc == ZT_OK ? m_pFileSystem->GetDir(record, ppOut) : rc;
}

int ZTFSDirectory::GetFile(PRUint32 index, ZTFSFile** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  PRUint32 record = 0;
  const int rc = ListEntry(m_pFileSystem->m_pDirFilesField, m_pFileSystem->m_pDirFilesSubField,
                           index, &record);
  return rc == ZT_OK ? m_pFileSystem->GetFile(record, ppOut) : rc;
}

namespace {

// Creates a node from its record number in its own table.
template <class Node>
using RecordGetter = int (ZTFileSystem::*)(PRUint32, Node**);

// False only when the record can be read and its name is not name: entries are compared before
// a node is made for them. A record that cannot be read is left to the node's own checks.
bool MayBeCalled(ZTIRecordSet* table, ZTIField* nameField, PRUint32 record, const char* name,
                 PRUint32 length) {
  ZTIRecord* r = nullptr;
  ZTBinary* value = nullptr;
  bool result = true;
  if (table->GetRecord(record, &r) == ZT_OK && r->GetDataFieldValue(nameField, &value) == ZT_OK) {
    const char* stored = reinterpret_cast<const char*>(value->GetData());
    PRUint32 size = value->GetLength();
    if (size > 0 && stored[size - 1] == '\0') --size;
    result = size == length && (length == 0 || std::memcmp(stored, name, length) == 0);
  }
  ztRelease(value);
  ztRelease(r);
  return result;
}

// Walks one list of a directory (its sub-directories or its files) for the entry called name.
// The list is fetched once for the whole walk.
template <class Node>
int FindByName(ZTIRecordSet* list, ZTIField* subField, ZTIRecordSet* table, ZTIField* nameField,
               ZTFileSystem* fileSystem, RecordGetter<Node> get, const char* name, PRUint32 length,
               Node** ppOut) {
  PRUint32 count = 0;
  int rc = list->GetCount(&count);
  for (PRUint32 i = 0; rc == ZT_OK && i < count; ++i) {
    ZTIRecord* entry = nullptr;
    PRUint32 record = 0;
    rc = list->GetRecord(i, &entry);
    if (rc == ZT_OK) rc = entry->GetUNumFieldValue(subField, &record);
    ztRelease(entry);
    if (rc == ZT_OK && !MayBeCalled(table, nameField, record, name, length)) continue;
    Node* node = nullptr;
    if (rc == ZT_OK) rc = (fileSystem->*get)(record, &node);
    if (rc != ZT_OK) break;
    if (IsStringsEqual(name, name + length, node->GetName())) {
      *ppOut = node;
      return ZT_OK;
    }
    node->Release();
  }
  return rc == ZT_OK ? ZT_E_FS_NOTFOUND : rc;
}

}  // namespace

int ZTFSDirectory::FindDir(const char* name, PRUint32 length, ZTFSDirectory** ppOut) {
  ZTIRecordSet* list = nullptr;
  int rc = m_pRecord->GetLinkFieldValue(m_pFileSystem->m_pDirChildrenField, &list);
  if (rc == ZT_OK)
    rc = FindByName<ZTFSDirectory>(list, m_pFileSystem->m_pDirChildrenSubField,
                                   m_pFileSystem->m_pDirTable, m_pFileSystem->m_pDirNameField,
                                   m_pFileSystem, &ZTFileSystem::GetDir, name, length, ppOut);
  ztRelease(list);
  return rc;
}

int ZTFSDirectory::FindFile(const char* name, PRUint32 length, ZTFSFile** ppOut) {
  ZTIRecordSet* list = nullptr;
  int rc = m_pRecord->GetLinkFieldValue(m_pFileSystem->m_pDirFilesField, &list);
  if (rc == ZT_OK)
    rc = FindByName<ZTFSFile>(list, m_pFileSystem->m_pDirFilesSubField, m_pFileSystem->m_pFileTable,
                              m_pFileSystem->m_pFileNameField, m_pFileSystem,
                              &ZTFileSystem::GetFile, name, length, ppOut);
  ztRelease(list);
  return rc;
}

int ZTFSDirectory::Step(const char* start, const char* end, ZTFSDirectory** ppOut) {
  const PRUint32 length = static_cast<PRUint32>(end - start);
  if (IsStringsEqual(start, end, ".")) {
    ztHandOutRef(this, ppOut);
    return ZT_OK;
  }
  if (!IsStringsEqual(start, end, "..")) return FindDir(start, length, ppOut);
  const int rc = FetchParent();
  if (rc != ZT_OK) return rc;
  // The root has no parent: nothing lies above it.
  if (!m_pParent) return ZT_E_FS_NOTFOUND;
  ztHandOutRef(m_pParent, ppOut);
  return ZT_OK;
}

int ZTFSDirectory::ResolveDir(const char* start, const char* end, ZTFSDirectory** ppOut) {
  ZTFSDirectory* current = this;
  AddRef();
  for (const char* p = start; p < end;) {
    if (*p == '/') {
      ++p;
      continue;
    }
    const char* q = p;
    while (q < end && *q != '/') ++q;
    ZTFSDirectory* next = nullptr;
    const int rc = current->Step(p, q, &next);
    current->Release();
    if (rc != ZT_OK) return rc;
    current = next;
    p = q;
  }
  *ppOut = current;
  return ZT_OK;
}

void ZTFSDirectory::SplitPath(const char* path, const char** ppcDirEnd, const char** ppcName) {
  const char* last = PL_strrchr(path, '/');
  *ppcDirEnd = last ? last : path;
  *ppcName = last ? last + 1 : path;
}

int ZTFSDirectory::GetDir(const char* path, ZTFSDirectory** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  if (!path) path = "";
  return ResolveDir(path, path + PL_strlen(path), ppOut);
}

int ZTFSDirectory::GetFile(const char* path, ZTFSFile** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  const char *dirEnd = nullptr, *name = nullptr;
  SplitPath(path ? path : "", &dirEnd, &name);
  if (!*name) return ZT_E_FS_NOTFOUND;
  ZTFSDirectory* dir = nullptr;
  if (ResolveDir(path, dirEnd, &dir) != ZT_OK) return ZT_E_FS_NOTFOUND;
  const int rc = dir->FindFile(name, PL_strlen(name), ppOut);
  dir->Release();
  return rc;
}

int ZTFSDirectory::GetObject(const char* path, ZTFSObject** ppOut) {
  if (!ppOut) return ZT_E_NULLOUT;
  *ppOut = nullptr;
  if (!path) path = "";
  const char *dirEnd = nullptr, *name = nullptr;
  SplitPath(path, &dirEnd, &name);
  ZTFSDirectory* dir = nullptr;
  if (ResolveDir(path, dirEnd, &dir) != ZT_OK) return ZT_E_FS_NOTFOUND;
  int rc = ZT_OK;
  if (!*name) {
    *ppOut = dir;
    return ZT_OK;
  }
  ZTFSDirectory* sub = nullptr;
  ZTFSFile* file = nullptr;
  rc = dir->FindDir(name, PL_strlen(name), &sub);
  if (rc == ZT_E_FS_NOTFOUND) rc = dir->FindFile(name, PL_strlen(name), &file);
  dir->Release();
  if (sub) *ppOut = sub;
  if (file) *ppOut = file;
  return rc;
}
