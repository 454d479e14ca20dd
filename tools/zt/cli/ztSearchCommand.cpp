// zt search: full-text queries ranked by pertinence.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztTool.h"
#include "tools/zt/cli/ztWorkArguments.h"
#include "tools/zt/work/ZTWork.h"

int ztSearchCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {"--limit"}, {}, &line);
  if (rc) return rc;
  if (line.m_positional.size() != 2) return ztTool::Usage("search takes WORK and QUERY");
  PRUint32 limit = 0;
  if (!ztParseLimit(line, &limit)) return ztTool::Usage("--limit takes a positive number");
  const bool json = line.Has("--json");
  ZTWork work;
  if ((rc = ztOpenWork(line.m_positional[0], json, &work))) return rc;
  std::vector<ZTWorkHit> hits;
  PRUint32 total = 0;
  ztTool::ClearEngineLog();
  if ((rc = work.Search(line.m_positional[1], limit, &total, &hits))) {
    return ztTool::Fail("could not search for " + line.m_positional[1], rc, json);
  }
  if (json) {
    nlohmann::json results = nlohmann::json::array();
    for (const ZTWorkHit& hit : hits) {
      results.push_back({{"doc", hit.m_uDocument},
                         {"title", hit.m_title},
                         {"path", hit.m_path},
                         {"score", hit.m_uScore},
                         {"snippet", hit.m_snippet}});
    }
    std::printf("%s\n", nlohmann::json({{"total", total}, {"results", results}}).dump().c_str());
    return kZtExitOk;
  }
  std::printf("%u found\n", total);
  for (size_t i = 0; i < hits.size(); ++i) {
    std::printf("%zu. %s  (%s, doc %u, score %u)\n   %s\n", i + 1, hits[i].m_title.c_str(),
                hits[i].m_path.c_str(), hits[i].m_uDocument, hits[i].m_uScore,
                ztMarked(hits[i].m_snippet).c_str());
  }
  return kZtExitOk;
}
