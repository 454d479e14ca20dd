// ztPeerQuery: one query class of the comparison and its text in each engine's own syntax;
// an empty text means the engine has no such query.
#ifndef BENCH_PEERS_ZTPEERQUERY_H_
#define BENCH_PEERS_ZTPEERQUERY_H_

#include <string>
#include <vector>

enum class ztPeerQueryKind {
  kExact,     // headword as spelt
  kPrefix,    // headwords beginning with, the first 50
  kFolded,    // headword, case- and accent-insensitive
  kWildCard,  // headwords matching a pattern with ? and *
  kRegExp,    // headwords matching a regular expression
  kFullText,  // ranked documents, the first 20
};

enum ztPeerEngineId { kZt, kSqlite, kXapian, kDictd, kEngineCount };

struct ztPeerQuery {
  const char* m_name;
  ztPeerQueryKind m_kind;
  std::string m_text[kEngineCount];
};

// Headwords wanted by a prefix look-up, ranked documents by a full-text query.
constexpr long kPeerPrefixLimit = 50;
constexpr long kPeerRankLimit = 20;

const std::vector<ztPeerQuery>& ztPeerQueries();
const char* ztPeerEngineName(int engine);

#endif  // BENCH_PEERS_ZTPEERQUERY_H_
