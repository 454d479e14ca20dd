#include "testing/find/ztMemoryRecord.h"

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "testing/find/ztMemoryFldCollection.h"
#include "testing/find/ztMemoryRecordSet.h"

ztMemoryRecord::ztMemoryRecord(ztMemoryRecordSet* set, PRUint32 id) : m_pSet(set), m_uId(id) {
  m_pSet->AddRef();
}

ztMemoryRecord::~ztMemoryRecord() {
  m_pSet->Release();
}

int ztMemoryRecord::Value(ZTIField* field, int type, const ztMemoryValue** ppValue) const {
  ztMemoryField* mine = dynamic_cast<ztMemoryField*>(field);
  if (!mine || m_pSet->Table()->fields->Find(mine->name().c_str()) != mine ||
      mine->type() != type) {
    return ZTError(ZT_E_INVALID, "[ztMemoryRecord] field of another set or type");
  }
  *ppValue = &m_pSet->Row(m_uId)[mine->index()];
  return ZT_OK;
}

int ztMemoryRecord::GetId(PRUint32* puId) {
  if (!puId) return ZT_E_INVALID;
  *puId = m_uId;
  return ZT_OK;
}

int ztMemoryRecord::GetUNumFieldValue(ZTIField* field, PRUint32* puValue) {
  const ztMemoryValue* value = nullptr;
  const int rc = puValue ? Value(field, ztfFieldUNum, &value) : ZT_E_INVALID;
  if (rc == ZT_OK) *puValue = value->u;
  return rc;
}

int ztMemoryRecord::GetSNumFieldValue(ZTIField* field, PRInt32* piValue) {
  const ztMemoryValue* value = nullptr;
  const int rc = piValue ? Value(field, ztfFieldSNum, &value) : ZT_E_INVALID;
  if (rc == ZT_OK) *piValue = value->s;
  return rc;
}

int ztMemoryRecord::GetDataFieldValue(ZTIField* field, ZTBinary** ppValue) {
  const ztMemoryValue* value = nullptr;
  const int rc = ppValue ? Value(field, ztfFieldData, &value) : ZT_E_INVALID;
  if (rc == ZT_OK) {
    *ppValue = new ZTBinary(value->data.data(), static_cast<PRUint32>(value->data.size()));
  }
  return rc;
}

int ztMemoryRecord::GetStreamFieldValue(ZTIField*, ZTIStream** ppStream) {
  if (ppStream) *ppStream = nullptr;
  return ZT_E_UNSUPPORTED;
}

int ztMemoryRecord::GetLinkFieldCount(ZTIField* field, PRUint32* puCount) {
  const ztMemoryValue* value = nullptr;
  const int rc = puCount ? Value(field, ztfFieldLink, &value) : ZT_E_INVALID;
  if (rc == ZT_OK) *puCount = value->linkCount;
  return rc;
}

int ztMemoryRecord::GetLinkFieldValue(ZTIField* field, ZTIRecordSet** ppRecordSet) {
  if (!ppRecordSet) return ZT_E_INVALID;
  *ppRecordSet = nullptr;
  const ztMemoryValue* value = nullptr;
  ZTIRecordSet* linked = nullptr;
  int rc = Value(field, ztfFieldLink, &value);
  if (rc == ZT_OK) rc = field->GetLinkSubRecordSet(&linked);
  if (rc == ZT_OK) rc = linked->GetSubRecordSet(value->linkFirst, value->linkCount, ppRecordSet);
  ztRelease(linked);
  return rc;
}

int ztMemoryRecord::GetFldCollection(ZTIFldCollection** ppCollection) {
  return m_pSet->GetFldCollection(ppCollection);
}
