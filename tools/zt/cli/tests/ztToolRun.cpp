#include "tools/zt/cli/tests/ztToolRun.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "testing/ztTempDir.h"

extern char** environ;

ztToolRun ztRunTool(const std::vector<std::string>& args, const ztToolOptions& options) {
  ztTempDir dir;
  const std::string in = dir.Write("in", options.m_input);
  const std::string out = dir.File("out");
  const std::string err = dir.File("err");
  std::vector<std::string> words = {ZT_TOOL};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (char** e = environ; *e; ++e) {
    if (!options.m_bOwnModulePath || std::strncmp(*e, "ZT_COM_PATH=", 12) != 0) envp.push_back(*e);
  }
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ztToolRun run;
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, ZT_TOOL, &actions, nullptr, argv.data(), envp.data()) == 0 &&
      waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    run.m_iStatus = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.m_out = ztReadFile(out);
  run.m_err = ztReadFile(err);
  return run;
}

ztToolRun ztRunOnTerminal(const std::vector<std::string>& args, const std::string& keys) {
  const int kWaitMs = 30000;  // a guard against a reader that never ends, not a measure
  std::vector<std::string> words = {ZT_TOOL};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);
  ztToolRun run;
  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (pid < 0) return run;
  if (pid == 0) {
    execv(ZT_TOOL, argv.data());
    _exit(127);
  }
  if (write(terminal, keys.data(), keys.size()) < 0) keys.size();
  char buffer[4096];
  pollfd wait = {terminal, POLLIN, 0};
  bool ended = false;  // the terminal closed: the reader is exiting
  while (!ended && poll(&wait, 1, kWaitMs) > 0) {
    const ssize_t n = read(terminal, buffer, sizeof(buffer));
    if (n > 0) run.m_out.append(buffer, static_cast<size_t>(n));
    ended = n <= 0;
  }
  if (!ended) kill(pid, SIGKILL);
  int status = 0;
  if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.m_iStatus = WEXITSTATUS(status);
  close(terminal);
  return run;
}

std::string ztSampleWork() {
  return ZT_SAMPLE_WORK;
}

std::string ztCopySampleWork(const std::string& directory) {
  const std::string copy = directory + "/work";
  std::filesystem::copy(ZT_SAMPLE_WORK, copy, std::filesystem::copy_options::recursive);
  return copy;
}

std::vector<std::string> ztLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}
