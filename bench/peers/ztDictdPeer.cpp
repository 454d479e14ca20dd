#include "bench/peers/ztDictdPeer.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

const char* const kDatabase = "gcide";

const char* Strategy(ztPeerQueryKind kind) {
  switch (kind) {
    case ztPeerQueryKind::kPrefix:
      return "prefix";
    case ztPeerQueryKind::kWildCard:
    case ztPeerQueryKind::kRegExp:
      return "re";
    default:
      return "exact";
  }
}

}  // namespace

ztDictdPeer::~ztDictdPeer() {
  std::string bye;
  // The server's child for this connection ends on QUIT, before the server itself is stopped.
  if (m_iSocket >= 0 && Send("QUIT")) ReadLine(&bye);
  if (m_iSocket >= 0) close(m_iSocket);
  m_server.Stop();
}

bool ztDictdPeer::Build(const ztPeerCorpus&, const std::string&) {
  std::string banner;
  if (!m_server.Start(kDatabase, m_indexPath, m_dataPath)) return false;
  m_iSocket = ztConnectLocal(m_server.GetPort());
  const int on = 1;
  if (m_iSocket >= 0) setsockopt(m_iSocket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
  if (m_iSocket < 0 || !ReadLine(&banner) || banner.compare(0, 3, "220") != 0) {
    std::fprintf(stderr, "peers: dictd answered \"%s\"\n", banner.c_str());
    return false;
  }
  return true;
}

bool ztDictdPeer::ReadLine(std::string* pLine) {
  size_t end = 0;
  while ((end = m_buffer.find("\r\n")) == std::string::npos) {
    // dictd writes a reply in pieces: acknowledging each at once keeps its Nagle delay (and
    // our delayed acknowledgement) out of the figures.
    const int on = 1;
    setsockopt(m_iSocket, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof(on));
    char chunk[65536];
    const ssize_t got = recv(m_iSocket, chunk, sizeof(chunk), 0);
    if (got <= 0) return false;
    m_buffer.append(chunk, static_cast<size_t>(got));
  }
  pLine->assign(m_buffer, 0, end);
  m_buffer.erase(0, end + 2);
  return true;
}

bool ztDictdPeer::Send(const std::string& command) {
  const std::string line = command + "\r\n";
  return send(m_iSocket, line.data(), line.size(), 0) == static_cast<ssize_t>(line.size());
}

long ztDictdPeer::ReadMatches() {
  long found = 0;
  std::string line;
  while (ReadLine(&line) && line != ".") ++found;
  return ReadLine(&line) && line.compare(0, 3, "250") == 0 ? found : -1;
}

long ztDictdPeer::Run(ztPeerQueryKind kind, const std::string& text) {
  if (kind == ztPeerQueryKind::kFullText) return -1;
  std::string status;
  if (!Send(std::string("MATCH ") + kDatabase + " " + Strategy(kind) + " \"" + text + "\"") ||
      !ReadLine(&status)) {
    return -1;
  }
  if (status.compare(0, 3, "552") == 0) return 0;  // no match
  if (status.compare(0, 3, "152") != 0) return -1;
  const long found = ReadMatches();
  return kind == ztPeerQueryKind::kPrefix ? std::min(found, kPeerPrefixLimit) : found;
}
