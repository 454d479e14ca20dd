#include "tools/zt/cli/ztTool.h"

#include <fcntl.h>
#include <plstr.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "core/ztConsoleLog.h"

namespace {

int s_iError = STDERR_FILENO;  // the real standard error
bool s_bVerbose = false;

bool IsDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The engine modules beside the executable: "ztcomponents" in a build tree (a few levels up),
// or "lib/zt/components" of an installed prefix.
std::string ModuleDirectory() {
  char exe[4096];
  const ssize_t length = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
  if (length <= 0) return "";
  std::string dir(exe, static_cast<size_t>(length));
  for (int up = 0; up < 5; ++up) {
    const size_t slash = dir.rfind('/');
    if (slash == std::string::npos || slash == 0) break;
    dir.erase(slash);
    if (IsDirectory(dir + "/ztcomponents")) return dir + "/ztcomponents";
    if (IsDirectory(dir + "/lib/zt/components")) return dir + "/lib/zt/components";
  }
  return "";
}

void WriteError(const std::string& text) {
  const std::string line = text + "\n";
  if (write(s_iError, line.data(), line.size()) < 0) return;
}

}  // namespace

std::string ztCommandLine::Get(const std::string& option, const std::string& fallback) const {
  const auto found = m_options.find(option);
  return found == m_options.end() ? fallback : found->second;
}

int ztParseCommandLine(int argc, char** argv, int first,
                       const std::vector<std::string>& valueOptions,
                       const std::vector<std::string>& flags, ztCommandLine* pOut) {
  auto listed = [](const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names) {
      if (n == name) return true;
    }
    return false;
  };
  for (int i = first; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      pOut->m_positional.push_back(arg);
    } else if (listed(flags, arg) || arg == "--verbose" || arg == "--json") {
      pOut->m_options[arg] = "";
    } else if (listed(valueOptions, arg) && i + 1 < argc) {
      pOut->m_options[arg] = argv[++i];
    } else {
      return ztTool::Usage(listed(valueOptions, arg) ? "option " + arg + " needs a value"
                                                     : "unknown option " + arg);
    }
  }
  return kZtExitOk;
}

void ztTool::Start(const char* argv0, bool verbose) {
  (void)argv0;
  s_bVerbose = verbose;
  if (!getenv("ZT_COM_PATH")) {
    const std::string modules = ModuleDirectory();
    if (!modules.empty()) setenv("ZT_COM_PATH", modules.c_str(), 1);
  }
  ztConsoleLog::Init();
  if (verbose) return;
  s_iError = dup(STDERR_FILENO);
  char path[] = "/tmp/zt-log-XXXXXX";
  const int log = mkstemp(path);
  if (log < 0) return;
  unlink(path);
  dup2(log, STDERR_FILENO);
  close(log);
}

std::string ztTool::LastEngineMessage() {
  char* log = nullptr;
  ztConsoleLog::GetLog(&log);
  std::string text = log ? log : "";
  if (log) PL_strfree(log);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  const size_t line = text.rfind('\n');
  text = line == std::string::npos ? text : text.substr(line + 1);
  // Engine messages begin with the operation in brackets; the sentence needs only the rest.
  if (!text.empty() && text[0] == '[' && text.find("] ") != std::string::npos) {
    text.erase(0, text.find("] ") + 2);
  }
  return text;
}

void ztTool::ClearEngineLog() {
  ztConsoleLog::ClearLog();
}

int ztTool::Fail(const std::string& sentence, int code, bool json) {
  const std::string reason = LastEngineMessage();
  const std::string text = reason.empty() ? sentence : sentence + ": " + reason;
  if (json) {
    std::printf("%s\n", nlohmann::json({{"error", text}, {"code", code}}).dump().c_str());
  }
  WriteError("zt: " + text);
  return kZtExitFailed;
}

int ztTool::Usage(const std::string& sentence) {
  WriteError("zt: " + sentence + " (see zt --help)");
  return kZtExitUsage;
}

bool ztTool::IsTerminal() {
  return isatty(STDOUT_FILENO) != 0;
}

void ztTool::Progress(const std::string& line) {
  if (isatty(s_iError)) WriteError(line);
}

int ztTool::HideOutput() {
  std::fflush(stdout);
  const int saved = dup(STDOUT_FILENO);
  if (!s_bVerbose) dup2(STDERR_FILENO, STDOUT_FILENO);
  return saved;
}

void ztTool::RestoreOutput(int saved) {
  std::fflush(stdout);
  if (saved < 0) return;
  dup2(saved, STDOUT_FILENO);
  close(saved);
}
