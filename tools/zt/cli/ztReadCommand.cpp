// zt read: the interactive reader.
#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztLineEditor.h"
#include "tools/zt/cli/ztReader.h"
#include "tools/zt/cli/ztTool.h"
#include "tools/zt/cli/ztWorkArguments.h"
#include "tools/zt/work/ZTWork.h"

namespace {

const size_t kCompletionsMax = 200;

// Line editing handles characters, not bytes, only under a UTF-8 character type.
void UseUtf8Characters() {
  std::setlocale(LC_CTYPE, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

int ztReadCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {}, {}, &line);
  if (rc) return rc;
  if (line.m_positional.size() != 1) return ztTool::Usage("read takes WORK");
  ZTWork work;
  if ((rc = ztOpenWork(line.m_positional[0], false, &work))) return rc;
  UseUtf8Characters();
  ztReader reader(&work);
  ztLineEditor editor(
      "zt", (work.GetName().empty() ? "zt" : work.GetName()) + "> ",
      [&reader](const std::string& typed) { return reader.Complete(typed, kCompletionsMax); });
  if (editor.IsInteractive()) {
    std::printf("%s — type a word, /query to search, ? for help\n", work.GetTitle().c_str());
  }
  for (std::string typed; editor.ReadLine(&typed) && reader.Handle(typed);) {
  }
  return kZtExitOk;
}
