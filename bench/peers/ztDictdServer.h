// ztDictdServer: a dictd of our own for one database: it writes its configuration in a
// directory of its own, picks a free port on 127.0.0.1, runs dictd there as a child process in
// the foreground, and stops that process by its id. The system's dictd service is never
// touched.
#ifndef BENCH_PEERS_ZTDICTDSERVER_H_
#define BENCH_PEERS_ZTDICTDSERVER_H_

#include <sys/types.h>

#include <string>

class ztDictdServer {
 public:
  ztDictdServer() = default;
  ~ztDictdServer() { Stop(); }
  ztDictdServer(const ztDictdServer&) = delete;
  ztDictdServer& operator=(const ztDictdServer&) = delete;

  // Serves the database name (index and data files) and waits until it accepts connections.
  // False, with dictd's messages on standard error, on failure.
  bool Start(const std::string& name, const std::string& indexPath, const std::string& dataPath);
  // Terminates the child, waits for it and removes its directory; nothing when it is not
  // running.
  void Stop();
  int GetPort() const { return m_iPort; }

 private:
  bool MakeDirectory();
  bool WaitUntilServing();

  std::string m_dir;  // configuration and log
  pid_t m_pid = -1;
  int m_iPort = 0;
};

// A connected TCP socket to 127.0.0.1:port, or -1.
int ztConnectLocal(int port);

#endif  // BENCH_PEERS_ZTDICTDSERVER_H_
