#include "tools/writer/ZTWordListBuilder.h"

#include <prmem.h>

#include <algorithm>
#include <utility>

#include "core/ZTErrors.h"
#include "core/ztIStringSimplifier.h"
#include "tools/writer/detail/ztColumnTable.h"
#include "tools/writer/detail/ztTextOrder.h"

namespace {

const char kWho[] = "ZTWordListBuilder::Write";
const PRUint32 kLinkPageSize = 64;
// The tables that links lead to hold only numbers: read whole when they open, each link's
// records are then shared from memory.
const char kLinkTableMode[] = "PREMAPPED";
// Blocks of sorted words and keys: their repeats are short and near, which level 1 finds as
// well as level 2 (it stores them 1 % smaller, in less time).
const int kTextLevel = 1;

typedef ZTWordListBuilder::Keys Keys;

// Sorted by key (bytes), then by number. Builders mostly give their words in order already.
void Sort(Keys* keys) {
  if (std::is_sorted(keys->begin(), keys->end())) return;
  std::vector<PRUint32> order(keys->size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<PRUint32>(i);
  // Equal keys keep their order, which is that of their numbers wherever keys are made here.
  ztSortByText(&order, [keys](PRUint32 i) -> const std::string& { return (*keys)[i].first; });
  Keys sorted(keys->size());
  for (size_t i = 0; i < order.size(); ++i) sorted[i] = std::move((*keys)[order[i]]);
  keys->swap(sorted);
}

// Every key reversed byte by byte, with the number of the record it comes from.
Keys Reversed(const Keys& keys) {
  Keys reversed(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    reversed[i].first.assign(keys[i].first.rbegin(), keys[i].first.rend());
    reversed[i].second = static_cast<PRUint32>(i);
  }
  Sort(&reversed);
  return reversed;
}

std::string Section(const std::string& directory, const char* section, const char* table,
                    const char* lines) {
  return std::string("[") + section + "]\nRSURL=native:" + directory + "/" + table + "\n" + lines;
}

bool ValidWord(int word, size_t count) {
  return word >= 0 && static_cast<size_t>(word) < count;
}

}  // namespace

int ZTWordListBuilder::CheckLinks() const {
  for (size_t i = 0; i < m_words.size(); ++i) {
    const ZTBuilderWord& word = m_words[i];
    if (word.m_iSee >= 0 && !ValidWord(word.m_iSee, m_words.size())) {
      return ZTError(ZT_E_INVALID, "[%s] word %u refers to word %d; there are %u words", kWho,
                     static_cast<unsigned>(i), word.m_iSee, static_cast<unsigned>(m_words.size()));
    }
    if (!m_bCrossReferences && (word.m_iSee >= 0 || !word.m_variants.empty())) {
      return ZTError(ZT_E_INVALID, "[%s] word %u has links but the list has no cross references",
                     kWho, static_cast<unsigned>(i));
    }
    for (int variant : word.m_variants) {
      if (!ValidWord(variant, m_words.size())) {
        return ZTError(ZT_E_INVALID, "[%s] word %u has the variant %d; there are %u words", kWho,
                       static_cast<unsigned>(i), variant, static_cast<unsigned>(m_words.size()));
      }
    }
  }
  return ZT_OK;
}

int ZTWordListBuilder::WriteKeyed(const std::string& path, const char* numField,
                                  const Keys& keys) const {
  ztCellRows rows(2);
  rows.Reserve(keys.size());
  for (const auto& key : keys) {
    rows.AddText(key.first);
    rows.AddNumber(key.second);
  }
  return ztWriteColumnTable(
      path, {{"KEY", 't', nullptr, nullptr, m_uTextBlock, kTextLevel}, {numField, 'n', nullptr}},
      rows, true, m_uPageSize, nullptr, m_bCompressRecords);
}

void ZTWordListBuilder::SetWordLink(const std::string& field, const std::string& table,
                                    PRInt64 linkedRows) {
  m_linkField = field;
  m_linkTable = table;
  m_iLinkRows = linkedRows;
}

int ZTWordListBuilder::WriteWords(const std::string& directory) const {
  const bool linked = !m_linkField.empty();
  ztCellRows rows(1 + (m_bCrossReferences ? 2 : 0) + (linked ? 1 : 0)), variants(1);
  rows.Reserve(m_words.size());
  for (size_t i = 0; i < m_words.size(); ++i) {
    const ZTBuilderWord& word = m_words[i];
    const PRUint32 see = word.m_iSee < 0 ? static_cast<PRUint32>(i) : word.m_iSee;
    rows.AddText(word.m_text);
    if (m_bCrossReferences) {
      rows.AddNumber(see);
      rows.AddLink(static_cast<PRUint32>(variants.GetRowCount()),
                   static_cast<PRUint32>(word.m_variants.size()));
    }
    if (linked) rows.AddLink(word.m_uLinkFirst, word.m_uLinkCount);
    for (int v : word.m_variants) variants.AddNumber(static_cast<PRUint32>(v));
  }
  std::vector<ztColumn> columns = {{"WORD", 't', nullptr, nullptr, m_uTextBlock, kTextLevel}};
  if (m_bCrossReferences) {
    columns.push_back({"SEE", 'n', nullptr});
    columns.push_back({"VARIANTS", 'l', "variants", nullptr, 0, -1,
                       static_cast<PRInt64>(variants.GetRowCount())});
  }
  if (linked) {
    columns.push_back({m_linkField.c_str(), 'l', m_linkTable.c_str(), nullptr, 0, -1, m_iLinkRows});
  }
  int rc = m_bCrossReferences
               ? ztWriteColumnTable(directory + "/variants", {{"WORDNO", 'n', nullptr}}, variants,
                                    false, kLinkPageSize, kLinkTableMode)
               : ZT_OK;
  if (rc) return rc;
  return ztWriteColumnTable(directory + "/words", columns, rows, false, kLinkPageSize, nullptr,
                            m_bCompressRecords);
}

// The simplified text goes through *ppcBuffer (an NSPR buffer of *puSize bytes, grown as
// needed, which the caller frees) into *pOut.
int ZTWordListBuilder::Simplified(const std::string& text, char** ppcBuffer, PRUint32* puSize,
                                  std::string* pOut) const {
  const int rc = m_pSimplifier->SimplifyOutputRealloc(text.c_str(), ppcBuffer, puSize);
  if (rc) return ZTError(rc, "[%s] Could not simplify the key %s", kWho, text.c_str());
  pOut->assign(*ppcBuffer);
  return ZT_OK;
}

// The simplified keys, each with the range of its exact lookup records in "caplinks".
int ZTWordListBuilder::WriteSimplified(const std::string& directory, const Keys& exact) const {
  // Every exact record under its simplified key; sorted, the records of one key follow each
  // other in ascending order.
  Keys simplified(exact.size());
  char* buffer = nullptr;
  PRUint32 size = 0;
  int rc = ZT_OK;
  for (size_t i = 0; !rc && i < exact.size(); ++i) {
    rc = Simplified(exact[i].first, &buffer, &size, &simplified[i].first);
    simplified[i].second = static_cast<PRUint32>(i);
  }
  PR_Free(buffer);
  if (rc) return rc;
  Sort(&simplified);
  ztCellRows caps(2), links(1);
  Keys capKeys;
  links.Reserve(simplified.size());
  for (size_t i = 0; i < simplified.size();) {
    size_t end = i + 1;
    while (end < simplified.size() && simplified[end].first == simplified[i].first) ++end;
    capKeys.emplace_back(simplified[i].first, static_cast<PRUint32>(capKeys.size()));
    caps.AddText(simplified[i].first);
    caps.AddLink(static_cast<PRUint32>(links.GetRowCount()), static_cast<PRUint32>(end - i));
    for (; i < end; ++i) links.AddNumber(simplified[i].second);
  }
  rc = ztWriteColumnTable(directory + "/caplinks", {{"LOOKUPNO", 'n', nullptr}}, links, false,
                          kLinkPageSize, kLinkTableMode);
  if (!rc) {
    rc = ztWriteColumnTable(
        directory + "/caplookup",
        {{"KEY", 't', nullptr, nullptr, m_uTextBlock, kTextLevel},
         {"TARGETS", 'l', "caplinks", nullptr, 0, -1, static_cast<PRInt64>(links.GetRowCount())}},
        caps, true, m_uPageSize, nullptr, m_bCompressRecords);
  }
  if (!rc) rc = WriteKeyed(directory + "/revcaplookup", "CAPNO", Reversed(capKeys));
  return rc;
}

std::string ZTWordListBuilder::Configuration(const std::string& directory) const {
  std::string text = Section(directory, "WORDTABLE", "words", "");
  text += Section(directory, "LOOKUPTABLE", "lookup", "FIELD=WORDNO\nTEXTTOKENFIELD=KEY\n");
  text += Section(directory, "REVLOOKUPTABLE", "revlookup", "FIELD=LOOKUPNO\n");
  if (m_pSimplifier) {
    text += Section(directory, "CAPLOOKUPTABLE", "caplookup", "FIELD=TARGETS\nSUBFIELD=LOOKUPNO\n");
    text += Section(directory, "REVCAPLOOKUPTABLE", "revcaplookup", "FIELD=CAPNO\n");
  }
  return text + m_extra;
}

int ZTWordListBuilder::Write(const std::string& directory, std::string* pConfigPath) const {
  int rc = CheckLinks();
  Keys exact;
  exact.reserve(m_words.size());
  for (size_t i = 0; i < m_words.size(); ++i) {
    exact.emplace_back(m_words[i].m_text, static_cast<PRUint32>(i));
  }
  Sort(&exact);
  if (!rc) rc = WriteWords(directory);
  if (!rc) rc = WriteKeyed(directory + "/lookup", "WORDNO", exact);
  if (!rc) rc = WriteKeyed(directory + "/revlookup", "LOOKUPNO", Reversed(exact));
  if (!rc && m_pSimplifier) rc = WriteSimplified(directory, exact);
  const std::string path = directory + "/wordlist.cfg";
  if (!rc) {
    rc = ztWriteTextFile(path, Configuration(m_configDir.empty() ? directory : m_configDir), kWho);
  }
  if (!rc) *pConfigPath = path;
  return rc;
}
