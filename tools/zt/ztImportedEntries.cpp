#include "tools/zt/ztImportedEntries.h"

#include <algorithm>

#include "core/ZTErrors.h"

namespace {

bool Has(const std::vector<std::string>& list, const std::string& word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

// Drops the references of an entry to its own headwords.
void DropSelfReferences(ZTSourceEntry* entry) {
  auto own = [entry](const std::string& word) { return Has(entry->m_headwords, word); };
  entry->m_see.erase(std::remove_if(entry->m_see.begin(), entry->m_see.end(), own),
                     entry->m_see.end());
}

}  // namespace

size_t ztImportedEntries::Add(const std::string& headword, const ztArticleSpan& span) {
  ++m_pSummary->m_uRead;
  auto found = m_bySpan.emplace(std::make_pair(span.m_uOffset, span.m_uSize), m_entries.size());
  if (!found.second) {
    ++m_pSummary->m_uMerged;
    ZTSourceEntry& entry = m_entries[found.first->second];
    if (!Has(entry.m_headwords, headword)) entry.m_headwords.push_back(headword);
    return found.first->second;
  }
  ++m_pSummary->m_uKept;
  m_entries.emplace_back();
  m_entries.back().m_headwords.push_back(headword);
  m_spans.push_back(span);
  return m_entries.size() - 1;
}

void ztImportedEntries::AddVariant(size_t i, const std::string& form) {
  ZTSourceEntry& entry = m_entries[i];
  if (Has(entry.m_headwords, form) || Has(entry.m_variants, form)) return;
  entry.m_variants.push_back(form);
  ++m_pSummary->m_uVariants;
}

int ztImportedEntries::Build(const Converter& convert, std::vector<ZTSourceEntry>* out) {
  ztHeadwordIndex headwords;
  for (const ZTSourceEntry& entry : m_entries) {
    for (const std::string& word : entry.m_headwords) headwords.Add(word);
  }
  for (size_t i = 0; i < m_entries.size(); ++i) {
    ZTSourceEntry& entry = m_entries[i];
    entry.m_id = std::to_string(i + 1);
    entry.m_title = entry.m_headwords[0];
    int rv = convert(i, headwords, &entry);
    if (rv != ZT_OK) return rv;
    DropSelfReferences(&entry);
  }
  *out = std::move(m_entries);
  m_entries.clear();
  m_spans.clear();
  m_bySpan.clear();
  return ZT_OK;
}
