// ztReader: the session of `zt read` over one open work. Each line the person types is a
// command: a word shows its article (or the nearest headwords when there is none), "/query"
// lists the ranked results of a full-text search, a number opens one of those results with
// the query's hits highlighted, "?" or ":help" shows the help and ":q" ends the session.
#ifndef TOOLS_ZT_CLI_ZTREADER_H_
#define TOOLS_ZT_CLI_ZTREADER_H_

#include <string>
#include <vector>

#include "tools/zt/work/ZTWork.h"

class ztReader {
 public:
  explicit ztReader(ZTWork* work) : m_pWork(work) {}

  // Carries out one line on standard output; false when the session should end.
  bool Handle(const std::string& line);
  // The headwords that begin like prefix (accent- and case-insensitive), sorted, without
  // repeats, at most limit of them.
  std::vector<std::string> Complete(const std::string& prefix, size_t limit) const;
  static void PrintHelp();

 private:
  void ShowWord(const std::string& word);
  void ShowNearest(const std::string& word);
  void ShowArticle(PRUint32 file, const std::string& query);
  void RunSearch(const std::string& query);
  void OpenResult(PRUint32 number);

  ZTWork* m_pWork;
  std::string m_query;               // the last full-text query
  std::vector<ZTWorkHit> m_results;  // its results, numbered from 1
};

#endif  // TOOLS_ZT_CLI_ZTREADER_H_
