#include "tools/zt/ztHeadwordIndex.h"

void ztHeadwordIndex::Add(const std::string& headword) {
  m_exact.insert(headword);
  m_folded.emplace(Fold(headword), headword);
}

const std::string* ztHeadwordIndex::Find(const std::string& word) const {
  auto exact = m_exact.find(word);
  if (exact != m_exact.end()) return &*exact;
  auto folded = m_folded.find(Fold(word));
  return folded == m_folded.end() ? nullptr : &folded->second;
}

std::string ztHeadwordIndex::Fold(const std::string& word) {
  std::string out;
  bool space = false;
  for (char c : word) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return out;
}
