#include "tools/writer/ZTDataFieldWriter.h"

#include "core/ZTErrors.h"
#include "tools/writer/detail/ztOpenMode.h"

ZTDataFieldWriter::ZTDataFieldWriter(const char* name, PRUint32 offset, const ZTDataFieldSpec& spec)
    : ZTFieldWriter(name, offset),
      m_uWidth(0),
      m_uPacks(spec.m_uPacks),
      m_bCompressed(spec.m_bCompressed),
      m_iLevel(spec.m_iLevel),
      m_bPaged(false),
      m_openMode(spec.m_pcOpenMode ? spec.m_pcOpenMode : ""),
      m_left(spec.m_uPacks, false),
      m_uLastPack(0) {}

int ZTDataFieldWriter::Create(const char* name, PRUint32 offset, const ZTDataFieldSpec& spec,
                              std::unique_ptr<ZTFieldWriter>* pOut) {
  std::unique_ptr<ZTDataFieldWriter> field(new ZTDataFieldWriter(name, offset, spec));
  int rc = ztWriterNumType(spec.m_pcOffsetType, name, &field->m_offset.m_pType);
  if (!rc && spec.m_pcCountType)
    rc = ztWriterNumType(spec.m_pcCountType, name, &field->m_count.m_pType);
  if (!rc && spec.m_pcPackType)
    rc = ztWriterNumType(spec.m_pcPackType, name, &field->m_pack.m_pType);
  if (!rc && spec.m_pcOpenMode)
    rc = ztCheckOpenMode(spec.m_pcOpenMode, "ZTTableWriter::AddField", name);
  if (rc) return rc;
  if (spec.m_uPacks == 0 || (spec.m_uPacks > 1 && !spec.m_pcPackType) ||
      (spec.m_pcPackType && !field->m_pack.Fits(spec.m_uPacks - 1))) {
    return ZTError(ZT_E_INVALID,
                   "[ZTTableWriter::AddField] %s: %u packs need a PACKID that holds them", name,
                   spec.m_uPacks);
  }
  ZTWriterSlot* slots[] = {&field->m_offset, &field->m_count, &field->m_pack};
  field->m_uWidth = ztLayOutSlots(offset, slots, 3);
  *pOut = std::move(field);
  return ZT_OK;
}

int ZTDataFieldWriter::Open(const ZTWriterFiles& files, int number) {
  for (PRUint32 pack = 0; pack < m_uPacks; ++pack) {
    std::string stem = "f" + std::to_string(number) + "." + std::to_string(pack);
    std::string catalog = files.m_directory + "/" + stem + ".cat";
    m_leaves.push_back(stem);
    m_files.emplace_back(new ZTBlockWriter());
    int rc = m_files.back()->Open((files.m_directory + "/" + stem + ".dat").c_str(),
                                  m_bCompressed ? catalog.c_str() : nullptr, files.m_uBlockSize,
                                  m_iLevel < 0 ? files.m_iLevel : m_iLevel, files.m_uMaxFileSize);
    if (rc) return rc;
  }
  return ZT_OK;
}

int ZTDataFieldWriter::CheckPackOrder(PRUint32 pack, PRUint32 row) {
  if (m_count.IsPresent()) return ZT_OK;
  if (row > 0 && pack != m_uLastPack) m_left[m_uLastPack] = true;
  m_uLastPack = pack;
  if (!m_left[pack]) return ZT_OK;
  return ZTError(ZT_E_INVALID,
                 "[ZTTableWriter::AddRow] %s has no COUNT: row %u returns to pack %u after "
                 "another pack",
                 m_name.c_str(), row, pack);
}

int ZTDataFieldWriter::Encode(const ZTWriterValue& value, PRUint32 row, PRUint8* record) {
  const PRUint32 pack = value.m_uPack;
  if (pack >= m_uPacks) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddRow] %s: row %u names pack %u of %u",
                   m_name.c_str(), row, pack, m_uPacks);
  }
  int rc = CheckPackOrder(pack, row);
  const PRUint64 offset =
      PRUint64(m_files[pack]->GetLogicalSize()) + (m_bPaged ? m_page.size() : 0);
  if (!rc) rc = m_offset.Put(record, static_cast<PRInt64>(offset), m_name.c_str(), "offset", row);
  if (!rc && m_count.IsPresent())
    rc = m_count.Put(record, value.m_uLength, m_name.c_str(), "length", row);
  if (!rc && m_pack.IsPresent()) rc = m_pack.Put(record, pack, m_name.c_str(), "pack", row);
  if (rc) return rc;
  if (!m_bPaged) return m_files[pack]->AppendUnit(value.m_pData, value.m_uLength);
  const PRUint8* bytes = static_cast<const PRUint8*>(value.m_pData);
  m_page.insert(m_page.end(), bytes, bytes + value.m_uLength);
  return ZT_OK;
}

int ZTDataFieldWriter::EndPage(PRUint32* puOffset, PRUint32* puLength) {
  *puOffset = m_files[0]->GetLogicalSize();
  *puLength = static_cast<PRUint32>(m_page.size());
  int rc = m_files[0]->AppendUnit(m_page.data(), *puLength);
  m_page.clear();
  return rc;
}

int ZTDataFieldWriter::Close() {
  int rc = ZT_OK;
  for (auto& file : m_files) rc = ZTFirstError(rc, file->Close());
  return rc;
}

void ZTDataFieldWriter::Declare(std::string* dat) const {
  DeclareLine(dat, nullptr, "DATA");
  DeclareLine(dat, "OFFSET", m_offset.m_pType->m_pcName);
  if (m_count.IsPresent()) DeclareLine(dat, "COUNT", m_count.m_pType->m_pcName);
  if (m_pack.IsPresent()) DeclareLine(dat, "PACKID", m_pack.m_pType->m_pcName);
}

void ZTDataFieldWriter::DeclareSections(std::string* config) const {
  for (PRUint32 pack = 0; pack < m_uPacks; ++pack) {
    *config += "\n[$" + m_name + (pack ? "," + std::to_string(pack) : "") + "]\n";
    *config += "PATH=" + m_leaves[pack] + ".dat\n";
    if (m_bCompressed) *config += "COMPRESSION=ZIP\nCATALOG=" + m_leaves[pack] + ".cat\n";
    if (!m_openMode.empty()) *config += "OPENMODE=" + m_openMode + "\n";
  }
}
