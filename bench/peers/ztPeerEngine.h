// ztPeerEngine: one engine of the comparison: it builds its database from the corpus once,
// then answers the queries written in its own syntax.
#ifndef BENCH_PEERS_ZTPEERENGINE_H_
#define BENCH_PEERS_ZTPEERENGINE_H_

#include <string>

#include "bench/peers/ztPeerQuery.h"

class ztPeerCorpus;

class ztPeerEngine {
 public:
  virtual ~ztPeerEngine() = default;

  // Builds the database in the directory dir (which does not exist yet) and opens it for
  // queries. False, with a message on standard error, on failure.
  virtual bool Build(const ztPeerCorpus& corpus, const std::string& dir) = 0;
  // Runs the query text of the given kind: the number of headwords found (a prefix look-up
  // stops at kPeerPrefixLimit) or of ranked documents read (at most kPeerRankLimit). -1 on
  // failure.
  virtual long Run(ztPeerQueryKind kind, const std::string& text) = 0;
};

#endif  // BENCH_PEERS_ZTPEERENGINE_H_
