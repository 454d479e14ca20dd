// ztDictdPeer: dictd, for look-ups only: it serves the dictd files the corpus came from (its
// database is those files; building it is starting our own server, which keeps its
// configuration in a directory of its own), and each look-up is a MATCH over one kept
// connection: strategies "exact", "prefix", and "re" (POSIX extended regular expressions) for
// wildcards and regular expressions. dictd folds case by itself.
#ifndef BENCH_PEERS_ZTDICTDPEER_H_
#define BENCH_PEERS_ZTDICTDPEER_H_

#include "bench/peers/ztDictdServer.h"
#include "bench/peers/ztPeerEngine.h"

class ztDictdPeer : public ztPeerEngine {
 public:
  ztDictdPeer(const std::string& indexPath, const std::string& dataPath)
      : m_indexPath(indexPath), m_dataPath(dataPath) {}
  ~ztDictdPeer() override;
  bool Build(const ztPeerCorpus& corpus, const std::string& dir) override;
  long Run(ztPeerQueryKind kind, const std::string& text) override;

 private:
  bool ReadLine(std::string* pLine);
  bool Send(const std::string& command);
  // Reads a reply after the status line: its text lines up to ".", then the closing status.
  long ReadMatches();

  std::string m_indexPath, m_dataPath;
  ztDictdServer m_server;
  int m_iSocket = -1;
  std::string m_buffer;  // bytes received and not read yet
};

#endif  // BENCH_PEERS_ZTDICTDPEER_H_
