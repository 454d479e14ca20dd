// zt show: one article, for the terminal or as HTML, with the hits of a query highlighted.
#include <cstdio>
#include <string>

#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztTool.h"
#include "tools/zt/cli/ztWorkArguments.h"
#include "tools/zt/work/ZTWork.h"
#include "tools/zt/work/ztHtmlRender.h"

namespace {

// The article's file record from --doc, --path or the headword.
int FindFile(ZTWork* work, const ztCommandLine& line, PRUint32* puFile) {
  if (line.Has("--doc")) {
    if (!ztParseNumber(line.Get("--doc"), puFile)) {
      return ztTool::Usage("--doc takes a document number");
    }
    return kZtExitOk;
  }
  if (line.Has("--path")) {
    if (work->FindArticle(line.Get("--path"), puFile)) {
      return ztTool::Fail("no article at " + line.Get("--path"), 11, false);
    }
    return kZtExitOk;
  }
  if (line.m_positional.size() != 2) {
    return ztTool::Usage("show takes WORK and a HEADWORD, --path PATH or --doc N");
  }
  std::vector<ZTWorkHeadword> hits;
  const int rc = work->Lookup(line.m_positional[1], ZTWork::kExact, false, 1, &hits);
  if (rc) return ztTool::Fail("could not look up " + line.m_positional[1], rc, false);
  if (hits.empty()) return ztTool::Fail("no entry for " + line.m_positional[1], 11, false);
  *puFile = hits[0].m_uFile;
  return kZtExitOk;
}

}  // namespace

int ztShowCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {"--path", "--doc", "--query"}, {"--html"}, &line);
  if (rc) return rc;
  if (line.m_positional.empty()) {
    return ztTool::Usage("show takes WORK and a HEADWORD, --path PATH or --doc N");
  }
  ZTWork work;
  if ((rc = ztOpenWork(line.m_positional[0], false, &work))) return rc;
  PRUint32 file = 0;
  if ((rc = FindFile(&work, line, &file))) return rc;
  std::string html;
  ztTool::ClearEngineLog();
  if ((rc = work.Article(file, line.Get("--query"), &html))) {
    return ztTool::Fail("could not show document " + std::to_string(file), rc, false);
  }
  const std::string out =
      line.Has("--html") ? html : ztHtmlToText(html, ztMarkOpen(), ztMarkClose());
  std::printf("%s\n", out.c_str());
  return kZtExitOk;
}
