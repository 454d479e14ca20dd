#include "tools/zt/work/ztHeadwordTables.h"

#include <algorithm>
#include <utility>

#include "tools/writer/detail/ztColumnTable.h"
#include "tools/writer/detail/ztTextOrder.h"
#include "tools/zt/work/ztWorkLayout.h"

PRUint32 ztHeadwordTables::Word(const std::string& text) {
  const PRUint32 number = m_numbers.Number(text);
  if (number < m_words.size()) return number;
  m_words.emplace_back();  // its text stays in m_numbers until the words are sorted
  m_entries.emplace_back();
  return number;
}

void ztHeadwordTables::AddEntry(const ZTSourceEntry& entry, PRUint32 number) {
  if (entry.m_headwords.empty()) return;
  const PRUint32 main = Word(entry.m_headwords[0]);
  for (size_t i = 1; i < entry.m_headwords.size(); ++i) {
    AddSpelling(main, entry.m_headwords[i], number);
  }
  for (const std::string& variant : entry.m_variants) AddSpelling(main, variant, number);
  m_entries[main].push_back(number);
}

void ztHeadwordTables::AddSpelling(PRUint32 main, const std::string& spelling, PRUint32 number) {
  const PRUint32 other = Word(spelling);
  if (other == main) return;
  std::vector<int>& variants = m_words[main].m_variants;
  if (std::find(variants.begin(), variants.end(), static_cast<int>(other)) == variants.end()) {
    variants.push_back(static_cast<int>(other));
  }
  if (m_words[other].m_iSee < 0) m_words[other].m_iSee = static_cast<int>(main);
  m_entries[other].push_back(number);
}

// The words renumbered in the byte order of their texts, their links renumbered with them;
// *pOrder gets the old number of each new one.
std::vector<ZTBuilderWord> ztHeadwordTables::SortedWords(std::vector<PRUint32>* pOrder) const {
  std::vector<PRUint32>& order = *pOrder;
  order.resize(m_words.size());
  for (PRUint32 w = 0; w < order.size(); ++w) order[w] = w;
  ztSortByText(&order, [this](PRUint32 n) -> const std::string& { return m_numbers.Word(n); });
  std::vector<int> renumbered(order.size());
  for (PRUint32 w = 0; w < order.size(); ++w) renumbered[order[w]] = static_cast<int>(w);
  std::vector<ZTBuilderWord> words;
  words.reserve(order.size());
  for (PRUint32 old : order) {
    words.push_back(m_words[old]);
    ZTBuilderWord& word = words.back();
    word.m_text = m_numbers.Word(old);
    if (word.m_iSee >= 0) word.m_iSee = renumbered[word.m_iSee];
    for (int& variant : word.m_variants) variant = renumbered[variant];
  }
  return words;
}

int ztHeadwordTables::Write(const std::string& directory, ztIStringSimplifier* simplifier,
                            const char* simplifierUrl) const {
  ZTWordListBuilder builder;
  ztCellRows rows(1);
  std::vector<PRUint32> order;
  std::vector<ZTBuilderWord> words = SortedWords(&order);
  builder.ReserveWords(words.size());
  for (size_t w = 0; w < words.size(); ++w) {
    // An entry comes once however many of its spellings are this word's (they come together).
    const std::vector<PRUint32>& entries = m_entries[order[w]];
    const PRUint32 first = static_cast<PRUint32>(rows.GetRowCount());
    for (size_t e = 0; e < entries.size(); ++e) {
      if (e == 0 || entries[e] != entries[e - 1]) rows.AddNumber(entries[e]);
    }
    words[w].m_uLinkFirst = first;
    words[w].m_uLinkCount = static_cast<PRUint32>(rows.GetRowCount()) - first;
    builder.AddWord(std::move(words[w]));
  }
  // Read whole when the work opens: every look-up follows links into it.
  int rc = ztWriteColumnTable(directory + "/" + kZtEntryTable, {{kZtEntryField, 'n', nullptr}},
                              rows, false, 64, "PREMAPPED");
  if (rc) return rc;
  builder.SetSimplifier(simplifier);
  builder.SetPageSize(32);
  builder.SetTextBlockSize(kZtTextBlock);
  builder.SetWordLink(kZtEntryLink, kZtEntryTable, static_cast<PRUint32>(rows.GetRowCount()));
  builder.AddConfiguration("[WILDCARDS]\nSINGLEWILDCARD=0x3f\nMULTIPLEWILDCARD=0x2a\n");
  // The simplifier the simplified tables' keys were made with.
  builder.AddConfiguration(std::string("[CAPLOOKUPTABLE]\nSIMPURL=") + simplifierUrl + "\n");
  builder.SetConfigDirectory(".");
  std::string config;
  return builder.Write(directory, &config);
}
