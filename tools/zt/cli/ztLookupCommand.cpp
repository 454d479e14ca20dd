// zt lookup: headwords in every search mode.
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztTool.h"
#include "tools/zt/cli/ztWorkArguments.h"
#include "tools/zt/work/ZTWork.h"

namespace {

bool ParseMode(const std::string& name, ZTWork::Mode* pMode) {
  const struct {
    const char* m_pcName;
    ZTWork::Mode m_eMode;
  } kModes[] = {{"exact", ZTWork::kExact},
                {"begins", ZTWork::kBegins},
                {"ends", ZTWork::kEnds},
                {"wildcard", ZTWork::kWildCard},
                {"regex", ZTWork::kRegExp}};
  for (const auto& mode : kModes) {
    if (name == mode.m_pcName) {
      *pMode = mode.m_eMode;
      return true;
    }
  }
  return false;
}

}  // namespace

int ztLookupCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {"--mode", "--limit"}, {"--case-sensitive"}, &line);
  if (rc) return rc;
  if (line.m_positional.size() != 2) return ztTool::Usage("lookup takes WORK and WORD");
  ZTWork::Mode mode = ZTWork::kExact;
  if (!ParseMode(line.Get("--mode", "exact"), &mode)) {
    return ztTool::Usage("unknown mode " + line.Get("--mode"));
  }
  PRUint32 limit = 0;
  if (!ztParseLimit(line, &limit)) return ztTool::Usage("--limit takes a positive number");
  const bool json = line.Has("--json");
  ZTWork work;
  if ((rc = ztOpenWork(line.m_positional[0], json, &work))) return rc;
  std::vector<ZTWorkHeadword> hits;
  rc = work.Lookup(line.m_positional[1], mode, line.Has("--case-sensitive"), limit, &hits);
  if (rc) return ztTool::Fail("could not look up " + line.m_positional[1], rc, json);
  std::vector<std::string> ids(hits.size());
  for (size_t i = 0; rc == 0 && i < hits.size(); ++i) rc = work.ArticleId(hits[i].m_uFile, &ids[i]);
  if (rc) return ztTool::Fail("could not look up " + line.m_positional[1], rc, json);
  if (json) {
    nlohmann::json out = nlohmann::json::array();
    for (size_t i = 0; i < hits.size(); ++i) {
      out.push_back({{"id", ids[i]}, {"headword", hits[i].m_headword}});
    }
    std::printf("%s\n", out.dump().c_str());
  } else {
    for (size_t i = 0; i < hits.size(); ++i) {
      std::printf("%s\t%s\n", hits[i].m_headword.c_str(), ids[i].c_str());
    }
  }
  return kZtExitOk;
}
