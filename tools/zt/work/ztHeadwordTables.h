// The headword list of a work: one word per distinct headword or variant spelling, linked to
// the entries (article file numbers) that carry it; a main headword links to its variants, a
// variant refers to the main headword of its first entry.
#ifndef TOOLS_ZT_WORK_ZTHEADWORDTABLES_H_
#define TOOLS_ZT_WORK_ZTHEADWORDTABLES_H_

#include <prtypes.h>

#include <string>
#include <vector>

#include "tools/writer/ZTWordListBuilder.h"
#include "tools/writer/detail/ztWordNumbers.h"
#include "tools/zt/ZTSourceEntry.h"

class ztIStringSimplifier;

class ztHeadwordTables {
 public:
  // Entry number n is article file n.
  void AddEntry(const ZTSourceEntry& entry, PRUint32 number);
  PRUint32 GetWordCount() const { return static_cast<PRUint32>(m_words.size()); }
  // Writes the word list and its entry table into the existing directory; the configuration
  // names the tables relative to itself. Word numbers follow the byte order of the words' texts.
  // The simplified tables' keys are made by simplifier, which simplifierUrl creates.
  int Write(const std::string& directory, ztIStringSimplifier* simplifier,
            const char* simplifierUrl) const;

 private:
  PRUint32 Word(const std::string& text);
  // Another spelling of the word main in entry number: a variant of main, which it sees.
  void AddSpelling(PRUint32 main, const std::string& spelling, PRUint32 number);
  std::vector<ZTBuilderWord> SortedWords(std::vector<PRUint32>* pOrder) const;

  std::vector<ZTBuilderWord> m_words;            // links only: the texts are in m_numbers
  std::vector<std::vector<PRUint32>> m_entries;  // word -> entry numbers
  ztWordNumbers m_numbers;                       // text <-> word number
};

#endif  // TOOLS_ZT_WORK_ZTHEADWORDTABLES_H_
