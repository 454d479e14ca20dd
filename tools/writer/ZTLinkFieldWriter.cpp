#include "tools/writer/ZTLinkFieldWriter.h"

#include <cstring>

#include "core/ZTErrors.h"

ZTLinkFieldWriter::ZTLinkFieldWriter(const char* name, PRUint32 offset, const char* table)
    : ZTFieldWriter(name, offset), m_uWidth(0), m_table(table), m_uNextFirst(0) {}

int ZTLinkFieldWriter::Create(const char* name, PRUint32 offset, const ZTLinkFieldSpec& spec,
                              std::unique_ptr<ZTFieldWriter>* pOut) {
  const char* table = spec.m_pcTable;
  if (!table || !*table || std::strstr(table, "//") || std::strpbrk(table, "\t\n\r ;")) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddField] %s: invalid linked table name '%s'",
                   name, table ? table : "(null)");
  }
  std::unique_ptr<ZTLinkFieldWriter> field(new ZTLinkFieldWriter(name, offset, table));
  int rc = ztWriterNumType(spec.m_pcOffsetType, name, &field->m_offset.m_pType);
  if (!rc && spec.m_pcCountType)
    rc = ztWriterNumType(spec.m_pcCountType, name, &field->m_count.m_pType);
  if (rc) return rc;
  ZTWriterSlot* slots[] = {&field->m_offset, &field->m_count};
  field->m_uWidth = ztLayOutSlots(offset, slots, 2);
  *pOut = std::move(field);
  return ZT_OK;
}

int ZTLinkFieldWriter::Encode(const ZTWriterValue& value, PRUint32 row, PRUint8* record) {
  if (!m_count.IsPresent() && row > 0 && value.m_uFirst != m_uNextFirst) {
    return ZTError(ZT_E_INVALID,
                   "[ZTTableWriter::AddRow] %s has no COUNT: the range of row %u begins at %u, "
                   "not at %llu where the previous one ends",
                   m_name.c_str(), row, value.m_uFirst,
                   static_cast<unsigned long long>(m_uNextFirst));
  }
  m_uNextFirst = PRUint64(value.m_uFirst) + value.m_uCount;
  if (m_uNextFirst > 0x7FFFFFFF) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddRow] %s: the range of row %u passes 2^31",
                   m_name.c_str(), row);
  }
  int rc = m_offset.Put(record, value.m_uFirst, m_name.c_str(), "first record", row);
  if (!rc && m_count.IsPresent()) {
    rc = m_count.Put(record, value.m_uCount, m_name.c_str(), "record count", row);
  }
  return rc;
}

void ZTLinkFieldWriter::Declare(std::string* dat) const {
  DeclareLine(dat, nullptr, "LINK");
  DeclareLine(dat, "OFFSET", m_offset.m_pType->m_pcName);
  if (m_count.IsPresent()) DeclareLine(dat, "COUNT", m_count.m_pType->m_pcName);
}

void ZTLinkFieldWriter::DeclareSections(std::string* config) const {
  *config += "\n[$" + m_name + "]\nRSURL=native:" + m_table + "\n";
}
