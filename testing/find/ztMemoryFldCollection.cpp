#include "testing/find/ztMemoryFldCollection.h"

#include "core/ZTErrors.h"

ztMemoryFldCollection::~ztMemoryFldCollection() {
  for (ztMemoryField* field : m_fields) field->Release();
}

ztMemoryField* ztMemoryFldCollection::Find(const char* name) const {
  for (ztMemoryField* field : m_fields) {
    if (name && field->name() == name) return field;
  }
  return nullptr;
}

int ztMemoryFldCollection::GetField(const char* name, ZTIField** ppField) const {
  if (!ppField) return ZT_E_INVALID;
  ztMemoryField* field = Find(name);
  *ppField = field;
  if (!field)
    return ZTError(ZT_E_NOTFOUND, "[ztMemoryFldCollection::GetField] no field '%s'",
                   name ? name : "(null)");
  field->AddRef();
  return ZT_OK;
}

int ztMemoryFldCollection::GetFieldCount(PRUint32* puCount) const {
  if (!puCount) return ZT_E_INVALID;
  *puCount = Count();
  return ZT_OK;
}

int ztMemoryFldCollection::GetField(PRUint32 index, ZTIField** ppField) const {
  if (!ppField) return ZT_E_INVALID;
  *ppField = nullptr;
  if (index >= Count()) return ZT_E_INVALID;
  *ppField = m_fields[index];
  (*ppField)->AddRef();
  return ZT_OK;
}

int ztMemoryFldCollection::GetFieldName(PRUint32 index, char** ppcName) const {
  if (!ppcName) return ZT_E_INVALID;
  *ppcName = nullptr;
  return index < Count() ? m_fields[index]->GetName(ppcName) : ZT_E_INVALID;
}
