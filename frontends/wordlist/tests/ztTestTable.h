// Small native tables for tests, written by the table writer from columns and rows.
#ifndef FRONTENDS_WORDLIST_TESTS_ZTTESTTABLE_H_
#define FRONTENDS_WORDLIST_TESTS_ZTTESTTABLE_H_

#include <prtypes.h>

#include <string>
#include <vector>

#include "testing/ztTempDir.h"

// One column of a test table: a text, a number or a link (first, count) into a sibling.
struct ztTestColumn {
  const char* m_pcName;
  char m_cKind;           // 't', 'n' or 'l'
  const char* m_pcTable;  // links: the sibling table's directory name
};

struct ztTestCell {
  std::string m_text;
  PRUint32 m_uNum = 0;
  PRUint32 m_uCount = 0;
};

typedef std::vector<ztTestCell> ztTestRow;

// The table dir/name; the first column is the lookup field when keyed is set. The writer's
// code.
int ztWriteTestTable(const ztTempDir& dir, const char* name,
                     const std::vector<ztTestColumn>& columns, const std::vector<ztTestRow>& rows,
                     bool keyed, PRUint32 pageSize);

#endif  // FRONTENDS_WORDLIST_TESTS_ZTTESTTABLE_H_
