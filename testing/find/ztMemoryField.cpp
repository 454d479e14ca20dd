#include "testing/find/ztMemoryField.h"

#include <plstr.h>

#include "core/ZTErrors.h"
#include "find/ZTIRecordSet.h"

ztMemoryField::ztMemoryField(const std::string& name, ztfFieldType type, PRUint32 index,
                             ZTIRecordSet* linked)
    : m_name(name), m_type(type), m_uIndex(index), m_pLinked(linked) {
  if (m_pLinked) m_pLinked->AddRef();
}

ztMemoryField::~ztMemoryField() {
  ztRelease(m_pLinked);
}

int ztMemoryField::GetName(char** ppcName) const {
  if (!ppcName) return ZT_E_INVALID;
  *ppcName = PL_strdup(m_name.c_str());
  return *ppcName ? ZT_OK : ZT_E_NOMEM;
}

int ztMemoryField::GetFieldType(ztfFieldType* peType) {
  if (!peType) return ZT_E_INVALID;
  *peType = m_type;
  return ZT_OK;
}

int ztMemoryField::GetLinkSubRecordSet(ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return ZT_E_INVALID;
  *ppRecordSet = m_pLinked;
  if (!m_pLinked) return ZT_E_FAILED;
  m_pLinked->AddRef();
  return ZT_OK;
}
