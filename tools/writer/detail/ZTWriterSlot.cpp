#include "tools/writer/detail/ZTWriterSlot.h"

#include "core/ZTErrors.h"

int ZTWriterSlot::Refuse(PRInt64 value, const char* field, const char* what, PRUint32 row) const {
  return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddRow] %s %s %lld of row %u does not fit %s",
                 field, what, static_cast<long long>(value), row, m_pType->m_pcName);
}

int ztWriterNumType(const char* name, const char* field, const ZTFieldTypeInfo** ppType) {
  const ZTFieldTypeInfo* type = ztFindFieldType(name);
  if (!type || type->m_uWidth == 0) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddField] %s: '%s' is not a numeric type", field,
                   name ? name : "(null)");
  }
  *ppType = type;
  return ZT_OK;
}

PRUint32 ztLayOutSlots(PRUint32 offset, ZTWriterSlot* const* slots, PRUint32 count) {
  PRUint32 width = 0;
  for (PRUint32 i = 0; i < count; ++i) {
    slots[i]->m_uOffset = offset + width;
    width += slots[i]->GetWidth();
  }
  return width;
}
