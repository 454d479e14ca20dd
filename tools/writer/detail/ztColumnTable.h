// A small native table written from column declarations and rows: the builders' common code.
// Every number, offset and count takes the narrowest unsigned type its largest value fits; links
// whose ranges follow each other to the end of their sibling table have no COUNT.
#ifndef TOOLS_WRITER_DETAIL_ZTCOLUMNTABLE_H_
#define TOOLS_WRITER_DETAIL_ZTCOLUMNTABLE_H_

#include <prtypes.h>

#include <string>
#include <vector>

// One column: a text (stored with its NUL), bytes (stored as they are, with their length), a
// number or a link (first, count) into a sibling table.
struct ztColumn {
  const char* m_pcName;
  char m_cKind;           // 't', 'b', 'n' or 'l'
  const char* m_pcTable;  // links: the sibling table's directory name
  // texts and bytes: how the reader opens the content file (ZTTableWriter::SetOpenMode); null:
  // its default.
  const char* m_pcOpenMode = nullptr;
  // texts and bytes: compressed in blocks of this many logical bytes; 0: plain. The columns of
  // one table that are compressed share one block size.
  PRUint32 m_uBlockSize = 0;
  int m_iLevel = -1;  // deflate level of those blocks; negative: the table writer's default
  // links: the sibling table's record count when known (negative: unknown). Ranges that follow
  // each other up to its end need no COUNT: each one ends where the next begins.
  PRInt64 m_iLinkedRows = -1;
};

// A text (borrowed: it must outlive the table's writing), a number or a link (count records
// from m_uNum).
struct ztCell {
  const std::string* m_pText;
  PRUint32 m_uNum;
  PRUint32 m_uCount;

  const std::string& Text() const;  // empty for a number or a link
};

// The rows of a table, their cells one after another in one array: each row has a cell for
// every column, added in column order.
class ztCellRows {
 public:
  explicit ztCellRows(size_t columns) : m_uColumns(columns) {}

  void Reserve(size_t rows) { m_cells.reserve(rows * m_uColumns); }
  void AddText(const std::string& text) { m_cells.push_back({&text, 0, 0}); }
  void AddNumber(PRUint32 number) { m_cells.push_back({nullptr, number, 0}); }
  void AddLink(PRUint32 first, PRUint32 count) { m_cells.push_back({nullptr, first, count}); }

  size_t GetColumnCount() const { return m_uColumns; }
  // The rows whose cells are all there.
  size_t GetRowCount() const { return m_uColumns ? m_cells.size() / m_uColumns : 0; }
  // Whether the last row has all its cells.
  bool IsComplete() const { return m_uColumns && m_cells.size() % m_uColumns == 0; }
  const ztCell& Get(size_t row, size_t column) const { return m_cells[row * m_uColumns + column]; }

 private:
  size_t m_uColumns;
  std::vector<ztCell> m_cells;
};

// The narrowest unsigned field type holding max: "UBYTE", "USHORT", "U24" or "ULONG".
const char* ztUnsignedType(PRUint64 max);

// Writes the table whose directory is path; the first column is the lookup field when keyed
// is set (rows then come in key order). openMode, when given, is the record file's open mode;
// with compressed, the record file is compressed in blocks of whole pages
// (ZTTableWriter::SetRecordCompression). Rows whose cells do not match the columns are refused
// (ZT_E_INVALID).
int ztWriteColumnTable(const std::string& path, const std::vector<ztColumn>& columns,
                       const ztCellRows& rows, bool keyed, PRUint32 pageSize,
                       const char* openMode = nullptr, bool compressed = false);

// Writes text to the file path; who names the caller in the error message.
int ztWriteTextFile(const std::string& path, const std::string& text, const char* who);

#endif  // TOOLS_WRITER_DETAIL_ZTCOLUMNTABLE_H_
