// ztLineEditor: the lines of an interactive session. On a terminal they are read with libedit
// (a prompt, line editing, history, and Tab completing through the caller's function);
// otherwise they are read from standard input as they come, without prompts.
#ifndef TOOLS_ZT_CLI_ZTLINEEDITOR_H_
#define TOOLS_ZT_CLI_ZTLINEEDITOR_H_

#include <functional>
#include <string>
#include <vector>

struct editline;
struct history;

class ztLineEditor {
 public:
  // The candidates that complete the text before the cursor.
  using Completer = std::function<std::vector<std::string>(const std::string&)>;

  ztLineEditor(const char* name, const std::string& prompt, Completer completer);
  ~ztLineEditor();
  ztLineEditor(const ztLineEditor&) = delete;
  ztLineEditor& operator=(const ztLineEditor&) = delete;

  bool IsInteractive() const { return m_pEditLine != nullptr; }
  // The next line without its line ending; false at the end of the input (Ctrl-D).
  bool ReadLine(std::string* pLine);

 private:
  static char* Prompt(editline* el);
  static unsigned char CompleteKey(editline* el, int key);
  unsigned char Complete(editline* el);

  std::string m_prompt;
  Completer m_completer;
  editline* m_pEditLine = nullptr;
  history* m_pHistory = nullptr;
};

#endif  // TOOLS_ZT_CLI_ZTLINEEDITOR_H_
