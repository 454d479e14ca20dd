// Runs the real zt binary for a test: its arguments, what it reads on standard input, and its
// exit status, standard output and standard error.
#ifndef TOOLS_ZT_CLI_TESTS_ZTTOOLRUN_H_
#define TOOLS_ZT_CLI_TESTS_ZTTOOLRUN_H_

#include <string>
#include <vector>

struct ztToolRun {
  int m_iStatus = -1;  // the exit status, or -1 when the process did not exit normally
  std::string m_out;
  std::string m_err;
};

struct ztToolOptions {
  std::string m_input;            // standard input
  bool m_bOwnModulePath = false;  // leave ZT_COM_PATH unset, so the tool finds its modules
};

ztToolRun ztRunTool(const std::vector<std::string>& args, const ztToolOptions& options = {});

// Runs zt on a new pseudo-terminal, types keys into it and returns all it printed there until
// it exited.
ztToolRun ztRunOnTerminal(const std::vector<std::string>& args, const std::string& keys);

// The compiled sample work, and a copy of it in directory (for tests that damage it).
std::string ztSampleWork();
std::string ztCopySampleWork(const std::string& directory);

// The lines of text, without their line endings.
std::vector<std::string> ztLines(const std::string& text);

#endif  // TOOLS_ZT_CLI_TESTS_ZTTOOLRUN_H_
