#include "bench/peers/ztDictdServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

sockaddr_in Local(int port) {
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// A port nobody listens on now: the one the system gives a socket bound to port 0.
int FreePort() {
  const int sock = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Local(0);
  socklen_t length = sizeof(address);
  int port = 0;
  if (sock >= 0 && bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
      getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  if (sock >= 0) close(sock);
  return port;
}

bool WriteConfiguration(const std::string& path, const std::string& name,
                        const std::string& indexPath, const std::string& dataPath) {
  std::ofstream out(path);
  // No limits on the number of queries and matches of a connection, nor on its time.
  out << "global {\n  limit_queries 0\n  limit_matches 0\n  limit_time 86400\n}\n"
      << "access {\n  allow 127.0.0.1\n}\n"
      << "database " << name << " {\n  data \"" << dataPath << "\"\n  index \"" << indexPath
      << "\"\n}\n";
  return static_cast<bool>(out);
}

}  // namespace

int ztConnectLocal(int port) {
  const int sock = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Local(port);
  if (sock >= 0 && connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
    return sock;
  }
  if (sock >= 0) close(sock);
  return -1;
}

// Run as root, dictd reads its configuration after it dropped to its own user: the directory
// is one anybody may read.
bool ztDictdServer::MakeDirectory() {
  char path[] = "/tmp/zt-dictd-XXXXXX";
  if (!mkdtemp(path)) return false;
  m_dir = path;
  std::error_code error;
  std::filesystem::permissions(
      m_dir,
      std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
          std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
          std::filesystem::perms::others_exec,
      error);
  return !error;
}

bool ztDictdServer::Start(const std::string& name, const std::string& indexPath,
                          const std::string& dataPath) {
  const std::string config = MakeDirectory() ? m_dir + "/dictd.conf" : "";
  m_iPort = FreePort();
  if (config.empty() || !m_iPort || !WriteConfiguration(config, name, indexPath, dataPath)) {
    std::fprintf(stderr, "peers: cannot write the dictd configuration or find a free port\n");
    Stop();
    return false;
  }
  const std::string port = std::to_string(m_iPort);
  const std::string log = m_dir + "/dictd.log";
  const std::string pidFile = m_dir + "/dictd.pid";
  m_pid = fork();
  if (m_pid == 0) {
    // Run as root, dictd drops to its own user before it opens its log: its messages reach
    // the log through its standard descriptors, and queries are not logged. A pid file of our
    // own keeps it off the system service's.
    const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
      dup2(fd, STDOUT_FILENO);
      dup2(fd, STDERR_FILENO);
    }
    execlp("dictd", "dictd", "-d", "nodetach", "-l", "none", "-c", config.c_str(), "-p",
           port.c_str(), "--listen-to", "127.0.0.1", "--pid-file", pidFile.c_str(), "-f",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  if (m_pid < 0 || !WaitUntilServing()) {
    std::ifstream messages(log);
    std::fprintf(stderr, "peers: dictd did not start:\n%s\n",
                 std::string(std::istreambuf_iterator<char>(messages), {}).c_str());
    Stop();
    return false;
  }
  return true;
}

bool ztDictdServer::WaitUntilServing() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
      m_pid = -1;
      return false;
    }
    const int sock = ztConnectLocal(m_iPort);
    if (sock >= 0) {
      close(sock);
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

void ztDictdServer::Stop() {
  if (m_pid > 0) {
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
  }
  std::error_code error;
  if (!m_dir.empty()) std::filesystem::remove_all(m_dir, error);
  m_dir.clear();
}
