#include "tools/zt/work/ztHeadwordTables.h"

#include <algorithm>

#include "tools/writer/detail/ztColumnTable.h"
#include "tools/zt/work/ztWorkLayout.h"

PRUint32 ztHeadwordTables::Word(const std::string& text) {
  const auto found = m_numbers.find(text);
  if (found != m_numbers.end()) return found->second;
  const PRUint32 number = static_cast<PRUint32>(m_words.size());
  m_numbers.emplace(text, number);
  ZTBuilderWord word;
  word.m_text = text;
  m_words.push_back(word);
  m_entries.emplace_back();
  return number;
}

void ztHeadwordTables::AddEntry(const ZTSourceEntry& entry, PRUint32 number) {
  if (entry.m_headwords.empty()) return;
  const PRUint32 main = Word(entry.m_headwords[0]);
  std::vector<std::string> spellings(entry.m_headwords.begin() + 1, entry.m_headwords.end());
  spellings.insert(spellings.end(), entry.m_variants.begin(), entry.m_variants.end());
  for (const std::string& spelling : spellings) {
    const PRUint32 other = Word(spelling);
    if (other == main) continue;
    std::vector<int>& variants = m_words[main].m_variants;
    if (std::find(variants.begin(), variants.end(), static_cast<int>(other)) == variants.end()) {
      variants.push_back(static_cast<int>(other));
    }
    if (m_words[other].m_iSee < 0) m_words[other].m_iSee = static_cast<int>(main);
    m_entries[other].push_back(number);
  }
  m_entries[main].push_back(number);
}

int ztHeadwordTables::Write(const std::string& directory, ztIStringSimplifier* simplifier) const {
  ZTWordListBuilder builder;
  std::vector<ztCellRow> rows;
  std::vector<ZTBuilderWord> words = m_words;
  for (size_t w = 0; w < words.size(); ++w) {
    std::vector<PRUint32> entries = m_entries[w];
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    words[w].m_uLinkFirst = static_cast<PRUint32>(rows.size());
    words[w].m_uLinkCount = static_cast<PRUint32>(entries.size());
    for (PRUint32 entry : entries) rows.push_back(ztRow({}, {entry}));
    builder.AddWord(words[w]);
  }
  int rc = ztWriteColumnTable(directory + "/" + kZtEntryTable, {{kZtEntryField, 'n', nullptr}},
                              rows, false, 64);
  if (rc) return rc;
  builder.SetSimplifier(simplifier);
  builder.SetPageSize(32);
  builder.SetTextBlockSize(kZtTextBlock);
  builder.SetWordLink(kZtEntryLink, kZtEntryTable, static_cast<PRUint32>(rows.size()));
  builder.AddConfiguration("[WILDCARDS]\nSINGLEWILDCARD=0x3f\nMULTIPLEWILDCARD=0x2a\n");
  builder.SetConfigDirectory(".");
  std::string config;
  return builder.Write(directory, &config);
}
