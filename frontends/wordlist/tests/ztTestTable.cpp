#include "frontends/wordlist/tests/ztTestTable.h"

#include "tools/writer/ZTTableWriter.h"

namespace {

int Declare(ZTTableWriter* writer, const ztTestColumn& column, int* piField) {
  if (column.m_cKind == 't')
    return writer->AddDataField(column.m_pcName, ZTDataFieldSpec(), piField);
  if (column.m_cKind == 'n') return writer->AddNumField(column.m_pcName, "ULONG", piField);
  ZTLinkFieldSpec spec;
  std::string table = std::string("../") + column.m_pcTable;
  spec.m_pcTable = table.c_str();
  return writer->AddLinkField(column.m_pcName, spec, piField);
}

void Fill(ZTWriterRow* out, const std::vector<ztTestColumn>& columns, const ztTestRow& row) {
  for (size_t c = 0; c < columns.size(); ++c) {
    const int field = static_cast<int>(c);
    if (columns[c].m_cKind == 't') out->SetText(field, row[c].m_text.c_str());
    if (columns[c].m_cKind == 'n') out->SetNum(field, row[c].m_uNum);
    if (columns[c].m_cKind == 'l') out->SetLink(field, row[c].m_uNum, row[c].m_uCount);
  }
}

}  // namespace

int ztWriteTestTable(const ztTempDir& dir, const char* name,
                     const std::vector<ztTestColumn>& columns, const std::vector<ztTestRow>& rows,
                     bool keyed, PRUint32 pageSize) {
  ZTTableWriter writer;
  int rc = 0, field = -1;
  for (size_t c = 0; rc == 0 && c < columns.size(); ++c) rc = Declare(&writer, columns[c], &field);
  if (rc == 0 && keyed) rc = writer.SetLookupField(0);
  if (rc == 0) rc = writer.SetPageSize(pageSize);
  if (rc == 0) rc = writer.Begin(dir.File(name).c_str());
  ZTWriterRow out(writer.GetFieldCount());
  for (size_t r = 0; rc == 0 && r < rows.size(); ++r) {
    out.Clear();
    Fill(&out, columns, rows[r]);
    rc = writer.AddRow(out);
  }
  return rc == 0 ? writer.Finish() : rc;
}
