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
  int m_iLevel = -1;  // zlib level of those blocks; negative: the table writer's default
  // links: the sibling table's record count when known (negative: unknown). Ranges that follow
  // each other up to its end need no COUNT: each one ends where the next begins.
  PRInt64 m_iLinkedRows = -1;
};

struct ztCell {
  std::string m_text;
  const std::string* m_pText = nullptr;  // when set, the text, borrowed in place of m_text
  PRUint32 m_uNum = 0;
  PRUint32 m_uCount = 0;

  const std::string& Text() const { return m_pText ? *m_pText : m_text; }
};

typedef std::vector<ztCell> ztCellRow;

// A row of texts followed by numbers.
ztCellRow ztRow(const std::vector<std::string>& texts, const std::vector<PRUint32>& numbers);
// A row beginning with text, borrowed (it must outlive the table's writing), with room for
// cells cells in all: the cells that follow are the caller's to add.
ztCellRow ztTextRow(const std::string& text, size_t cells);
// A row of one number.
ztCellRow ztNumberRow(PRUint32 number);
ztCell ztNumberCell(PRUint32 number);
// A link cell: count records from first.
ztCell ztLinkCell(PRUint32 first, PRUint32 count);

// The narrowest unsigned field type holding max: "UBYTE", "USHORT", "U24" or "ULONG".
const char* ztUnsignedType(PRUint64 max);

// Writes the table whose directory is path; the first column is the lookup field when keyed
// is set (rows then come in key order). openMode, when given, is the record file's open mode.
int ztWriteColumnTable(const std::string& path, const std::vector<ztColumn>& columns,
                       const std::vector<ztCellRow>& rows, bool keyed, PRUint32 pageSize,
                       const char* openMode = nullptr);

// Writes text to the file path; who names the caller in the error message.
int ztWriteTextFile(const std::string& path, const std::string& text, const char* who);

#endif  // TOOLS_WRITER_DETAIL_ZTCOLUMNTABLE_H_
