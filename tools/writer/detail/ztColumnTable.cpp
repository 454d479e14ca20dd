#include "tools/writer/detail/ztColumnTable.h"

#include <prio.h>

#include "core/ZTErrors.h"
#include "tools/writer/ZTTableWriter.h"

namespace {

int Declare(ZTTableWriter* writer, const ztColumn& column, int* piField) {
  if (column.m_cKind == 't') {
    ZTDataFieldSpec spec;
    spec.m_pcOpenMode = column.m_pcOpenMode;
    return writer->AddDataField(column.m_pcName, spec, piField);
  }
  if (column.m_cKind == 'n') return writer->AddNumField(column.m_pcName, "ULONG", piField);
  ZTLinkFieldSpec spec;
  std::string table = std::string("../") + column.m_pcTable;
  spec.m_pcTable = table.c_str();
  return writer->AddLinkField(column.m_pcName, spec, piField);
}

void Fill(ZTWriterRow* out, const std::vector<ztColumn>& columns, const ztCellRow& row) {
  for (size_t c = 0; c < columns.size(); ++c) {
    const int field = static_cast<int>(c);
    if (columns[c].m_cKind == 't') out->SetText(field, row[c].m_text.c_str());
    if (columns[c].m_cKind == 'n') out->SetNum(field, row[c].m_uNum);
    if (columns[c].m_cKind == 'l') out->SetLink(field, row[c].m_uNum, row[c].m_uCount);
  }
}

}  // namespace

ztCellRow ztRow(const std::vector<std::string>& texts, const std::vector<PRUint32>& numbers) {
  ztCellRow row;
  for (const std::string& text : texts) {
    row.emplace_back();
    row.back().m_text = text;
  }
  for (PRUint32 n : numbers) {
    row.emplace_back();
    row.back().m_uNum = n;
  }
  return row;
}

ztCell ztLinkCell(PRUint32 first, PRUint32 count) {
  ztCell cell;
  cell.m_uNum = first;
  cell.m_uCount = count;
  return cell;
}

int ztWriteColumnTable(const std::string& path, const std::vector<ztColumn>& columns,
                       const std::vector<ztCellRow>& rows, bool keyed, PRUint32 pageSize,
                       const char* openMode) {
  ZTTableWriter writer;
  int rc = 0, field = -1;
  for (size_t c = 0; rc == 0 && c < columns.size(); ++c) rc = Declare(&writer, columns[c], &field);
  if (rc == 0 && keyed) rc = writer.SetLookupField(0);
  if (rc == 0) rc = writer.SetPageSize(pageSize);
  if (rc == 0 && openMode) rc = writer.SetOpenMode(openMode);
  if (rc == 0) rc = writer.Begin(path.c_str());
  ZTWriterRow out(writer.GetFieldCount());
  for (size_t r = 0; rc == 0 && r < rows.size(); ++r) {
    out.Clear();
    Fill(&out, columns, rows[r]);
    rc = writer.AddRow(out);
  }
  return rc == 0 ? writer.Finish() : rc;
}

int ztWriteTextFile(const std::string& path, const std::string& text, const char* who) {
  PRFileDesc* fd = PR_Open(path.c_str(), PR_WRONLY | PR_CREATE_FILE | PR_TRUNCATE, 0644);
  if (!fd) return ZTError(ZT_E_FAILED, "[%s] Could not create %s", who, path.c_str());
  const PRInt32 length = static_cast<PRInt32>(text.size());
  const bool written = PR_Write(fd, text.data(), length) == length;
  const bool closed = PR_Close(fd) == PR_SUCCESS;
  if (written && closed) return ZT_OK;
  return ZTError(ZT_E_FAILED, "[%s] Could not write %s", who, path.c_str());
}
