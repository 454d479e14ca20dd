// A small native table written from column declarations and rows: the builders' common code.
#ifndef TOOLS_WRITER_DETAIL_ZTCOLUMNTABLE_H_
#define TOOLS_WRITER_DETAIL_ZTCOLUMNTABLE_H_

#include <prtypes.h>

#include <string>
#include <vector>

// One column: a text, a number or a link (first, count) into a sibling table.
struct ztColumn {
  const char* m_pcName;
  char m_cKind;           // 't', 'n' or 'l'
  const char* m_pcTable;  // links: the sibling table's directory name
  // texts: how the reader opens the content file (ZTTableWriter::SetOpenMode); null: its
  // default.
  const char* m_pcOpenMode = nullptr;
};

struct ztCell {
  std::string m_text;
  PRUint32 m_uNum = 0;
  PRUint32 m_uCount = 0;
};

typedef std::vector<ztCell> ztCellRow;

// A row of texts followed by numbers.
ztCellRow ztRow(const std::vector<std::string>& texts, const std::vector<PRUint32>& numbers);
// A link cell: count records from first.
ztCell ztLinkCell(PRUint32 first, PRUint32 count);

// Writes the table whose directory is path; the first column is the lookup field when keyed
// is set (rows then come in key order). openMode, when given, is the record file's open mode.
int ztWriteColumnTable(const std::string& path, const std::vector<ztColumn>& columns,
                       const std::vector<ztCellRow>& rows, bool keyed, PRUint32 pageSize,
                       const char* openMode = nullptr);

// Writes text to the file path; who names the caller in the error message.
int ztWriteTextFile(const std::string& path, const std::string& text, const char* who);

#endif  // TOOLS_WRITER_DETAIL_ZTCOLUMNTABLE_H_
