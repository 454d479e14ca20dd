// ztZtPeer: our own engine: the work compiler builds a work, look-ups go through ZTWork and
// full-text queries through its index, ranked by the pertinence scorer (without the snippets
// ZTWork::Search adds, which no other engine makes).
#ifndef BENCH_PEERS_ZTZTPEER_H_
#define BENCH_PEERS_ZTZTPEER_H_

#include "bench/peers/ztPeerEngine.h"
#include "tools/zt/work/ZTWork.h"

class ZTIndex;
class ztIStringSimplifier;

class ztZtPeer : public ztPeerEngine {
 public:
  ~ztZtPeer() override;
  bool Build(const ztPeerCorpus& corpus, const std::string& dir) override;
  long Run(ztPeerQueryKind kind, const std::string& text) override;
  // The full-text query as the reader runs it: ZTWork::Search of the first results with their
  // titles, paths and highlighted snippets. The number of results, -1 on failure.
  long SearchWithSnippets(const std::string& text);

 private:
  bool OpenIndex();
  long Lookup(ztPeerQueryKind kind, const std::string& text);
  long Search(const std::string& text);

  ZTWork m_work;
  ZTIndex* m_pIndex = nullptr;
  ztIStringSimplifier* m_pSimplifier = nullptr;
};

#endif  // BENCH_PEERS_ZTZTPEER_H_
