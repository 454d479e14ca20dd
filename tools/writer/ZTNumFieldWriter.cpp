#include "tools/writer/ZTNumFieldWriter.h"

ZTNumFieldWriter::ZTNumFieldWriter(const char* name, PRUint32 offset, const ZTFieldTypeInfo* type)
    : ZTFieldWriter(name, offset) {
  m_slot.m_pType = type;
  m_slot.m_uOffset = offset;
}

int ZTNumFieldWriter::Encode(const ZTWriterValue& value, PRUint32 row, PRUint8* record) {
  return m_slot.Put(record, value.m_iNum, m_name.c_str(), "value", row);
}

void ZTNumFieldWriter::Declare(std::string* dat) const {
  DeclareLine(dat, nullptr, m_slot.m_pType->m_pcName);
}
