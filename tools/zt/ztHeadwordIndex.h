// ztHeadwordIndex: the headwords of a work, to resolve the words an article refers to. A word
// is found as written, else with ASCII letters folded to lower case and runs of white space
// taken as one space.
#ifndef TOOLS_ZT_ZTHEADWORDINDEX_H_
#define TOOLS_ZT_ZTHEADWORDINDEX_H_

#include <string>
#include <unordered_map>
#include <unordered_set>

class ztHeadwordIndex {
 public:
  // Records a headword; under a folded form the first headword added stays.
  void Add(const std::string& headword);
  // The headword a reference names, or null when there is none.
  const std::string* Find(const std::string& word) const;

 private:
  static std::string Fold(const std::string& word);

  std::unordered_set<std::string> m_exact;
  std::unordered_map<std::string, std::string> m_folded;
};

#endif  // TOOLS_ZT_ZTHEADWORDINDEX_H_
