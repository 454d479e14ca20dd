// ztImportedEntries: the entries of an imported dictionary as its index lists them. Records
// pointing at the same article (same offset and size in the data) make one entry with several
// headwords. Once all records are in, Build gives each entry an identifier ("1", "2", ...) and
// its title, and has the importer convert its article knowing every headword, so that
// references become cross-references.
#ifndef TOOLS_ZT_ZTIMPORTEDENTRIES_H_
#define TOOLS_ZT_ZTIMPORTEDENTRIES_H_

#include <prtypes.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/zt/ZTImportSummary.h"
#include "tools/zt/ZTSourceEntry.h"
#include "tools/zt/ztHeadwordIndex.h"

// Where an article lies in the dictionary's data.
struct ztArticleSpan {
  PRUint64 m_uOffset = 0;
  PRUint64 m_uSize = 0;
};

class ztImportedEntries {
 public:
  // Fills the article (html, see) of entry number i from its span.
  using Converter =
      std::function<int(size_t i, const ztHeadwordIndex& headwords, ZTSourceEntry* entry)>;

  explicit ztImportedEntries(ZTImportSummary* summary) : m_pSummary(summary) {}

  // Adds a headword record and answers its entry's number; counts it read and kept or merged.
  size_t Add(const std::string& headword, const ztArticleSpan& span);
  // Adds another spelling to entry i unless the entry has it already.
  void AddVariant(size_t i, const std::string& form);

  size_t GetCount() const { return m_entries.size(); }
  const ztArticleSpan& GetSpan(size_t i) const { return m_spans[i]; }

  // Moves the entries to *out, each converted; the first code the converter returns stops it.
  int Build(const Converter& convert, std::vector<ZTSourceEntry>* out);

 private:
  ZTImportSummary* m_pSummary;
  std::vector<ZTSourceEntry> m_entries;
  std::vector<ztArticleSpan> m_spans;
  std::map<std::pair<PRUint64, PRUint64>, size_t> m_bySpan;
};

#endif  // TOOLS_ZT_ZTIMPORTEDENTRIES_H_
