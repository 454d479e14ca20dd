// The configuration lines of a file system: in each section RSURL names the table, then
// field keys name its fields, and SUBFIELD keys the fields of the lists a LINK field leads to.
#include <plstr.h>
#include <prprf.h>

#include "core/ZTErrors.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecordSet.h"
#include "find/ztCreateRecordSet.h"
#include "frontends/fs/ZTFileSystem.h"

namespace {

bool Is(const char* a, const char* b) {
  return PL_strcmp(a, b) == 0;
}

// The record set "recordset:" + value replaces *ppSet.
int CreateTable(const char* value, ZTIRecordSet** ppSet) {
  ZTIRecordSet* set = nullptr;
  const int rc = ztCreateRecordSet(value, &set);
  if (rc != ZT_OK) return rc;
  ztRelease(*ppSet);
  *ppSet = set;
  return ZT_OK;
}

// The field name of set replaces *ppField.
int GetRecordSetField(ZTIRecordSet* set, const char* name, ZTIField** ppField) {
  if (!set) {
    return ZTError(ZT_E_INVALID,
                   "[ZTFileSystem::GetRecordSetField] The recordset hasn't been loaded yet.");
  }
  ZTIFldCollection* fields = nullptr;
  ZTIField* field = nullptr;
  int rc = set->GetFldCollection(&fields);
  if (rc == ZT_OK) rc = fields->GetField(name, &field);
  ztRelease(fields);
  if (rc != ZT_OK) return rc;
  ztRelease(*ppField);
  *ppField = field;
  return ZT_OK;
}

// The field name of the list that link leads to replaces *ppField.
int GetFieldSubField(ZTIField* link, const char* name, ZTIField** ppField) {
  if (!link) {
    return ZTError(ZT_E_INVALID,
                   "[ZTFileSystem::GetFieldSubField] The field hasn't been "
                   "configured yet.");
  }
  ZTIRecordSet* list = nullptr;
  int rc = link->GetLinkSubRecordSet(&list);
  if (rc != ZT_OK) {
    return ZTError(rc,
                   "[ZTFileSystem::GetFieldSubField] The sub-recordset hasn't been loaded "
                   "yet.");
  }
  rc = GetRecordSetField(list, name, ppField);
  ztRelease(list);
  return rc;
}

}  // namespace

// A key of a section and the member it sets.
struct ZTFileSystem::FieldKey {
  const char* m_pcKey;
  ZTIField* ZTFileSystem::*m_pMember;
};

int ZTFileSystem::ConfigureItem(const char* section, const char* key, const char* value) {
  if (!section || !key) return ZT_OK;
  if (Is(section, "DIRTABLE")) return ConfigureDirTable(key, value);
  if (Is(section, "FILETABLE")) return ConfigureFileTable(key, value);
  return ZT_E_UNHANDLED;
}

// The field key among fields sets its member from table; 14 for another key.
template <size_t N>
int ZTFileSystem::ConfigureField(const FieldKey (&fields)[N], ZTIRecordSet* table, const char* key,
                                 const char* value) {
  for (const FieldKey& f : fields) {
    if (Is(key, f.m_pcKey)) return GetRecordSetField(table, value, &(this->*f.m_pMember));
  }
  return ZT_E_UNHANDLED;
}

int ZTFileSystem::ConfigureDirTable(const char* key, const char* value) {
  static const FieldKey kFields[] = {{"NAMEFIELD", &ZTFileSystem::m_pDirNameField},
                                     {"PARENTFIELD", &ZTFileSystem::m_pDirParentField},
                                     {"CHILDRENFIELD", &ZTFileSystem::m_pDirChildrenField},
                                     {"FILESFIELD", &ZTFileSystem::m_pDirFilesField}};
  if (Is(key, "RSURL")) return CreateTable(value, &m_pDirTable);
  if (Is(key, "CHILDRENSUBFIELD")) {
    return GetFieldSubField(m_pDirChildrenField, value, &m_pDirChildrenSubField);
  }
  if (Is(key, "FILESSUBFIELD")) {
    return GetFieldSubField(m_pDirFilesField, value, &m_pDirFilesSubField);
  }
  return ConfigureField(kFields, m_pDirTable, key, value);
}

int ZTFileSystem::ConfigureFileTable(const char* key, const char* value) {
  static const FieldKey kFields[] = {{"NAMEFIELD", &ZTFileSystem::m_pFileNameField},
                                     {"PARENTFIELD", &ZTFileSystem::m_pFileParentField},
                                     {"TITLEFIELD", &ZTFileSystem::m_pFileTitleField},
                                     {"CONTENTFIELD", &ZTFileSystem::m_pFileContentField}};
  if (Is(key, "RSURL")) return CreateTable(value, &m_pFileTable);
  return ConfigureField(kFields, m_pFileTable, key, value);
}
