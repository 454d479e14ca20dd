// ztSqlitePeer: SQLite with FTS5: a headword table with a plain and a folded index, and an
// FTS5 table over title and text (unicode61, diacritics removed) ranked by bm25. Regular
// expressions over headwords go through a REGEXP function made with PCRE2.
#ifndef BENCH_PEERS_ZTSQLITEPEER_H_
#define BENCH_PEERS_ZTSQLITEPEER_H_

#include <sqlite3.h>

#include "bench/peers/ztPeerEngine.h"

class ztSqlitePeer : public ztPeerEngine {
 public:
  ~ztSqlitePeer() override;
  bool Build(const ztPeerCorpus& corpus, const std::string& dir) override;
  long Run(ztPeerQueryKind kind, const std::string& text) override;

 private:
  bool Exec(const char* sql);
  bool Fill(const ztPeerCorpus& corpus);
  bool Prepare();
  // Steps the statement with its first parameter (and the second, when not null) bound.
  long Count(sqlite3_stmt* statement, const std::string& first, const std::string* second);

  const ztPeerCorpus* m_pCorpus = nullptr;
  sqlite3* m_pDb = nullptr;
  sqlite3_stmt* m_statements[6] = {};  // one per query kind
};

#endif  // BENCH_PEERS_ZTSQLITEPEER_H_
