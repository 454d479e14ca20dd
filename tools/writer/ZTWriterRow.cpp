#include "tools/writer/ZTWriterRow.h"

#include <cstring>

#include "core/ZTErrors.h"

void ZTWriterRow::Clear() {
  for (ZTWriterValue& value : m_values) value = ZTWriterValue();
}

ZTWriterValue* ZTWriterRow::Slot(int field) {
  if (field < 0 || static_cast<size_t>(field) >= m_values.size()) return nullptr;
  return &m_values[field];
}

int ZTWriterRow::SetNum(int field, PRInt64 value) {
  ZTWriterValue* slot = Slot(field);
  if (!slot) return ZT_E_INVALID;
  slot->m_iNum = value;
  return ZT_OK;
}

int ZTWriterRow::SetText(int field, const char* text, PRUint32 pack) {
  if (!text) return ZT_E_INVALID;
  return SetData(field, text, static_cast<PRUint32>(std::strlen(text) + 1), pack);
}

int ZTWriterRow::SetData(int field, const void* data, PRUint32 length, PRUint32 pack) {
  ZTWriterValue* slot = Slot(field);
  if (!slot || (!data && length)) return ZT_E_INVALID;
  slot->m_pData = data;
  slot->m_uLength = length;
  slot->m_uPack = pack;
  return ZT_OK;
}

int ZTWriterRow::SetLink(int field, PRUint32 first, PRUint32 count) {
  ZTWriterValue* slot = Slot(field);
  if (!slot) return ZT_E_INVALID;
  slot->m_uFirst = first;
  slot->m_uCount = count;
  return ZT_OK;
}
