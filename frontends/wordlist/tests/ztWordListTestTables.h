// A word list written by the table writer into a test's temporary directory: the word table
// (WORD, a cross reference SEE and a LINK VARIANTS to the table "variants"), its exact lookup
// table, the byte-reversed exact table and, when asked, the simplified and reverse simplified
// tables, with the configuration file "wordlist.cfg" that names them.
#ifndef FRONTENDS_WORDLIST_TESTS_ZTWORDLISTTESTTABLES_H_
#define FRONTENDS_WORDLIST_TESTS_ZTWORDLISTTESTTABLES_H_

#include <prtypes.h>

#include <string>
#include <vector>

#include "testing/ztTempDir.h"

class ZTCursor;
class ZTIRecordSet;
class ztIStringSimplifier;

struct ztTestWord {
  std::string m_text;
  int m_iSee = -1;              // the word SEE points to; the word itself when negative
  std::vector<int> m_variants;  // the words VARIANTS links to
};

struct ztWordListTables {
  std::vector<ztTestWord> m_words;
  // Simplifies the keys of the simplified tables; none are written when null.
  ztIStringSimplifier* m_pSimplifier = nullptr;
  PRUint32 m_uPageSize = 4;
  // Extra configuration lines appended to the file.
  std::string m_extra;
};

// Writes the tables and the configuration; the configuration's path, empty on failure.
std::string ztWriteWordList(const ztTempDir& dir, const ztWordListTables& tables);

// Words made of plain texts without links.
std::vector<ztTestWord> ztPlainWords(const std::vector<std::string>& texts);

// The WORD texts of the cursor's word-table records, in cursor order.
std::vector<std::string> ztWordTexts(ZTIRecordSet* words, ZTCursor* cursor);

// A simplifier created through the factory; null when it cannot be.
ztIStringSimplifier* ztCreateSimplifier(const char* url);

#endif  // FRONTENDS_WORDLIST_TESTS_ZTWORDLISTTESTTABLES_H_
