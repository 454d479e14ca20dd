#include "tools/zt/cli/ztReader.h"

#include <cstdio>

#include "tools/zt/cli/ztTool.h"
#include "tools/zt/cli/ztWorkArguments.h"
#include "tools/zt/work/ztHtmlRender.h"

namespace {

const PRUint32 kResultsShown = 20;
const PRUint32 kNearestShown = 10;

const char kHelp[] =
    "  WORD      the article of WORD (accents and case do not matter); Tab completes\n"
    "  /QUERY    full-text search: words, wildcards ? and *, \"phrases\", or, and, not,\n"
    "            near, before; the results are numbered\n"
    "  N         open result N of the last search, its hits highlighted\n"
    "  ? :help   this help\n"
    "  :q        quit (or Ctrl-D)\n";

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void DropLastCharacter(std::string* pText) {
  while (!pText->empty() && (static_cast<unsigned char>(pText->back()) & 0xC0) == 0x80) {
    pText->pop_back();
  }
  if (!pText->empty()) pText->pop_back();
}

}  // namespace

void ztReader::PrintHelp() {
  std::fputs(kHelp, stdout);
}

bool ztReader::Handle(const std::string& typed) {
  const std::string line = Trimmed(typed);
  PRUint32 number = 0;
  if (line.empty()) return true;
  if (line == ":q" || line == ":quit") {
    return false;
  } else if (line == "?" || line == ":help") {
    PrintHelp();
  } else if (line[0] == '/') {
    RunSearch(Trimmed(line.substr(1)));
  } else if (!m_query.empty() && ztParseNumber(line, &number)) {
    OpenResult(number);
  } else if (line[0] == ':') {
    std::printf("unknown command %s; ? shows the help\n", line.c_str());
  } else {
    ShowWord(line);
  }
  std::fflush(stdout);
  return true;
}

std::vector<std::string> ztReader::Complete(const std::string& prefix, size_t limit) const {
  std::vector<ZTWorkHeadword> hits;
  std::vector<std::string> words;
  if (prefix.empty() || prefix[0] == '/' || prefix[0] == ':') return words;
  ztTool::ClearEngineLog();
  if (m_pWork->Lookup(prefix, ZTWork::kBegins, false, static_cast<PRUint32>(limit), &hits)) {
    return words;
  }
  for (const ZTWorkHeadword& hit : hits) {
    if (words.empty() || words.back() != hit.m_headword) words.push_back(hit.m_headword);
  }
  return words;
}

// Every entry the word leads to, one after the other.
void ztReader::ShowWord(const std::string& word) {
  std::vector<ZTWorkHeadword> hits;
  ztTool::ClearEngineLog();
  if (const int rc = m_pWork->Lookup(word, ZTWork::kExact, false, kResultsShown, &hits)) {
    ztTool::Fail("could not look up " + word, rc, false);
    return;
  }
  if (hits.empty()) return ShowNearest(word);
  for (size_t i = 0; i < hits.size(); ++i) {
    if (i > 0 && hits[i].m_uFile == hits[i - 1].m_uFile) continue;
    if (i > 0) std::fputs("\n", stdout);
    ShowArticle(hits[i].m_uFile, "");
  }
}

// The headwords beginning like the word, the word shortened until some are found.
void ztReader::ShowNearest(const std::string& word) {
  std::vector<std::string> nearest;
  for (std::string prefix = word; !prefix.empty() && nearest.empty(); DropLastCharacter(&prefix)) {
    nearest = Complete(prefix, kNearestShown);
  }
  std::printf("no entry for %s", word.c_str());
  for (size_t i = 0; i < nearest.size(); ++i) {
    std::printf("%s%s", i == 0 ? "; nearest: " : ", ", nearest[i].c_str());
  }
  std::fputs("\n", stdout);
}

void ztReader::ShowArticle(PRUint32 file, const std::string& query) {
  std::string html;
  ztTool::ClearEngineLog();
  if (const int rc = m_pWork->Article(file, query, &html)) {
    ztTool::Fail("could not show document " + std::to_string(file), rc, false);
    return;
  }
  std::printf("%s\n", ztHtmlToText(html, ztMarkOpen(), ztMarkClose()).c_str());
}

void ztReader::RunSearch(const std::string& query) {
  if (query.empty()) {
    std::fputs("/ takes a query, such as /butter and sauce\n", stdout);
    return;
  }
  PRUint32 total = 0;
  std::vector<ZTWorkHit> hits;
  ztTool::ClearEngineLog();
  if (const int rc = m_pWork->Search(query, kResultsShown, &total, &hits)) {
    ztTool::Fail("could not search for " + query, rc, false);
    return;
  }
  m_query = query;
  m_results = hits;
  std::printf("%u found%s\n", total, total > hits.size() ? ", the best shown" : "");
  for (size_t i = 0; i < hits.size(); ++i) {
    std::printf("%2zu. %s  (%s)\n    %s\n", i + 1, hits[i].m_title.c_str(), hits[i].m_path.c_str(),
                ztMarked(hits[i].m_snippet).c_str());
  }
}

void ztReader::OpenResult(PRUint32 number) {
  if (number == 0 || number > m_results.size()) {
    std::printf("no result %u: the last search listed %zu\n", number, m_results.size());
    return;
  }
  ShowArticle(m_results[number - 1].m_uDocument, m_query);
}
