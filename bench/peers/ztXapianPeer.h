// ztXapianPeer: Xapian with positional documents of title and text (kept as the document's
// data) ranked by BM25; each headword is a boolean term as spelt ("X") and folded ("H"), so
// exact and folded look-ups read one posting list and prefix look-ups walk the term list.
// Xapian has no wildcard or regular expression look-up inside a term.
#ifndef BENCH_PEERS_ZTXAPIANPEER_H_
#define BENCH_PEERS_ZTXAPIANPEER_H_

#include <xapian.h>

#include <memory>

#include "bench/peers/ztPeerEngine.h"

class ztXapianPeer : public ztPeerEngine {
 public:
  bool Build(const ztPeerCorpus& corpus, const std::string& dir) override;
  long Run(ztPeerQueryKind kind, const std::string& text) override;

 private:
  long Postings(const std::string& term) const;
  long Prefix(const std::string& prefix) const;
  long Search(const std::string& text) const;

  const ztPeerCorpus* m_pCorpus = nullptr;
  std::unique_ptr<Xapian::Database> m_pDb;
};

#endif  // BENCH_PEERS_ZTXAPIANPEER_H_
