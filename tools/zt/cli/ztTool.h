// What every command of the zt tool shares: finding the engine modules, keeping the engine's
// log lines out of the tool's output (shown with --verbose), reporting errors as one sentence
// (or as JSON), and the options of a command line.
#ifndef TOOLS_ZT_CLI_ZTTOOL_H_
#define TOOLS_ZT_CLI_ZTTOOL_H_

#include <map>
#include <string>
#include <vector>

// Exit statuses.
constexpr int kZtExitOk = 0;
constexpr int kZtExitFailed = 1;
constexpr int kZtExitUsage = 2;

struct ztCommandLine {
  std::vector<std::string> m_positional;
  std::map<std::string, std::string> m_options;  // "--limit" -> "20"; flags map to ""

  bool Has(const std::string& option) const { return m_options.count(option) != 0; }
  std::string Get(const std::string& option, const std::string& fallback = "") const;
};

// Splits argv after the command; valueOptions take the next argument. 2 (with a message) for an
// unknown option or a missing value.
int ztParseCommandLine(int argc, char** argv, int first,
                       const std::vector<std::string>& valueOptions,
                       const std::vector<std::string>& flags, ztCommandLine* pOut);

class ztTool {
 public:
  // Sets ZT_COM_PATH from the executable's place unless the user set it, starts the engine's
  // log, and unless verbose sends standard error (where the engine logs) to a private file.
  static void Start(const char* argv0, bool verbose);
  // The tool's own message on the real standard error ("zt: " + sentence), or with json the
  // object {"error", "code"} on standard output; the engine's last message is added as the
  // reason. Returns kZtExitFailed.
  static int Fail(const std::string& sentence, int code, bool json);
  // A usage error: the sentence and a pointer to --help; returns kZtExitUsage.
  static int Usage(const std::string& sentence);
  // Forgets the engine messages logged so far.
  static void ClearEngineLog();
  // Runs step with standard output sent to the engine's log (the speller prints there).
  template <class Step>
  static int Quietly(Step step) {
    const int saved = HideOutput();
    const int rc = step();
    RestoreOutput(saved);
    return rc;
  }
  static bool IsTerminal();
  // Progress lines go to the real standard error when it is a terminal.
  static void Progress(const std::string& line);

 private:
  static int HideOutput();
  static void RestoreOutput(int saved);
  static std::string LastEngineMessage();
};

#endif  // TOOLS_ZT_CLI_ZTTOOL_H_
