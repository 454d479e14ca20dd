#include "tools/writer/detail/ztColumnTable.h"

#include <prio.h>

#include <algorithm>

#include "core/ZTErrors.h"
#include "tools/writer/ZTTableWriter.h"

namespace {

// The largest values a column holds: numbers or link starts, and the total and largest length
// of its texts or link counts; for links, whether their ranges follow each other.
struct Extent {
  PRUint64 m_uFirst = 0;
  PRUint64 m_uCount = 0;
  bool m_bConsecutive = true;  // links: each range begins where the previous one ends
  PRUint64 m_uEnd = 0;         // links: where the last range ends
};

bool IsData(const ztColumn& column) {
  return column.m_cKind == 't' || column.m_cKind == 'b';
}

Extent Measure(const ztCellRows& rows, size_t c, char kind) {
  Extent extent;
  for (size_t r = 0; r < rows.GetRowCount(); ++r) {
    const ztCell& cell = rows.Get(r, c);
    if (kind == 't' || kind == 'b') {
      const PRUint64 length = cell.Text().size() + (kind == 't' ? 1 : 0);
      extent.m_uFirst += length;
      extent.m_uCount = std::max(extent.m_uCount, length);
      continue;
    }
    if (r > 0 && cell.m_uNum != extent.m_uEnd) extent.m_bConsecutive = false;
    extent.m_uEnd = PRUint64(cell.m_uNum) + cell.m_uCount;
    extent.m_uFirst = std::max<PRUint64>(extent.m_uFirst, cell.m_uNum);
    extent.m_uCount = std::max<PRUint64>(extent.m_uCount, cell.m_uCount);
  }
  return extent;
}

// Without COUNT a range ends where the next one begins, the last one at the sibling's end.
bool NeedsCount(const ztColumn& column, const Extent& extent) {
  return !extent.m_bConsecutive || column.m_iLinkedRows < 0 ||
         extent.m_uEnd != static_cast<PRUint64>(column.m_iLinkedRows);
}

int Declare(ZTTableWriter* writer, const ztColumn& column, const Extent& extent, int* piField) {
  if (IsData(column)) {
    ZTDataFieldSpec spec;
    spec.m_pcOffsetType = ztUnsignedType(extent.m_uFirst);
    spec.m_pcCountType = ztUnsignedType(extent.m_uCount);
    spec.m_pcOpenMode = column.m_pcOpenMode;
    spec.m_bCompressed = column.m_uBlockSize > 0;
    spec.m_iLevel = column.m_iLevel;
    const int rc = spec.m_bCompressed ? writer->SetBlockSize(column.m_uBlockSize) : ZT_OK;
    return rc ? rc : writer->AddDataField(column.m_pcName, spec, piField);
  }
  if (column.m_cKind == 'n') {
    return writer->AddNumField(column.m_pcName, ztUnsignedType(extent.m_uFirst), piField);
  }
  ZTLinkFieldSpec spec;
  std::string table = std::string("../") + column.m_pcTable;
  spec.m_pcOffsetType = ztUnsignedType(extent.m_uFirst);
  spec.m_pcCountType = NeedsCount(column, extent) ? ztUnsignedType(extent.m_uCount) : nullptr;
  spec.m_pcTable = table.c_str();
  return writer->AddLinkField(column.m_pcName, spec, piField);
}

void Fill(ZTWriterRow* out, const std::vector<ztColumn>& columns, const ztCellRows& rows,
          size_t r) {
  for (size_t c = 0; c < columns.size(); ++c) {
    const int field = static_cast<int>(c);
    const ztCell& cell = rows.Get(r, c);
    if (columns[c].m_cKind == 't') out->SetText(field, cell.Text().c_str());
    if (columns[c].m_cKind == 'b') {
      out->SetData(field, cell.Text().data(), static_cast<PRUint32>(cell.Text().size()));
    }
    if (columns[c].m_cKind == 'n') out->SetNum(field, cell.m_uNum);
    if (columns[c].m_cKind == 'l') out->SetLink(field, cell.m_uNum, cell.m_uCount);
  }
}

}  // namespace

const char* ztUnsignedType(PRUint64 max) {
  if (max <= 0xFF) return "UBYTE";
  if (max <= 0xFFFF) return "USHORT";
  if (max <= 0xFFFFFF) return "U24";
  return "ULONG";
}

const std::string& ztCell::Text() const {
  static const std::string s_empty;
  return m_pText ? *m_pText : s_empty;
}

int ztWriteColumnTable(const std::string& path, const std::vector<ztColumn>& columns,
                       const ztCellRows& rows, bool keyed, PRUint32 pageSize, const char* openMode,
                       bool compressed) {
  if (rows.GetColumnCount() != columns.size() || !rows.IsComplete()) {
    return ZTError(ZT_E_INVALID, "[ztWriteColumnTable] %s: the rows do not fit its %u columns",
                   path.c_str(), static_cast<unsigned>(columns.size()));
  }
  ZTTableWriter writer;
  writer.SetRecordCompression(compressed);
  int rc = 0, field = -1;
  for (size_t c = 0; rc == 0 && c < columns.size(); ++c) {
    rc = Declare(&writer, columns[c], Measure(rows, c, columns[c].m_cKind), &field);
  }
  if (rc == 0 && keyed) rc = writer.SetLookupField(0);
  if (rc == 0) rc = writer.SetPageSize(pageSize);
  if (rc == 0 && openMode) rc = writer.SetOpenMode(openMode);
  if (rc == 0) rc = writer.Begin(path.c_str());
  ZTWriterRow out(writer.GetFieldCount());
  for (size_t r = 0; rc == 0 && r < rows.GetRowCount(); ++r) {
    out.Clear();
    Fill(&out, columns, rows, r);
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
