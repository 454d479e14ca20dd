// zt info: the work's description, and each table with its records and size on disk.
#include <dirent.h>

#include <cstdio>
#include <string>

#include "find/ZTIRecordSet.h"
#include "find/ztCreateRecordSet.h"
#include "tools/zt/cli/ztCommands.h"
#include "tools/zt/cli/ztTool.h"
#include "tools/zt/cli/ztWorkArguments.h"
#include "tools/zt/work/ZTWork.h"
#include "tools/zt/work/ztDirectory.h"

namespace {

void PrintTables(const std::string& directory, const std::string& part) {
  DIR* dir = opendir((directory + "/" + part).c_str());
  if (!dir) return;
  while (const dirent* item = readdir(dir)) {
    const std::string table = directory + "/" + part + "/" + item->d_name;
    if (item->d_name[0] == '.' || !ztExists(table + "/config.cft")) continue;
    ZTIRecordSet* set = nullptr;
    PRUint32 count = 0;
    const bool counted =
        ztCreateRecordSet(("native:" + table).c_str(), &set) == 0 && set->GetCount(&count) == 0;
    ztRelease(set);
    std::printf("  %-24s %10s records %12llu bytes\n", (part + "/" + item->d_name).c_str(),
                counted ? std::to_string(count).c_str() : "?",
                static_cast<unsigned long long>(ztTreeSize(table)));
  }
  closedir(dir);
}

}  // namespace

int ztInfoCommand(int argc, char** argv) {
  ztCommandLine line;
  int rc = ztParseCommandLine(argc, argv, 2, {}, {}, &line);
  if (rc) return rc;
  if (line.m_positional.size() != 1) return ztTool::Usage("info takes WORK");
  ZTWork work;
  if ((rc = ztOpenWork(line.m_positional[0], false, &work))) return rc;
  for (const auto& item : work.GetDescription()) {
    std::printf("%-20s %s\n", item.first.c_str(), item.second.c_str());
  }
  std::printf("tables:\n");
  for (const char* part : {"headwords", "index", "articles"}) {
    PrintTables(work.GetDirectory(), part);
  }
  std::printf("total %llu bytes\n",
              static_cast<unsigned long long>(ztTreeSize(work.GetDirectory())));
  return kZtExitOk;
}
