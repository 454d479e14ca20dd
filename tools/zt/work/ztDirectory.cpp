#include "tools/zt/work/ztDirectory.h"

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "core/ZTErrors.h"

int ztInDirectory(const std::string& directory, const std::function<int()>& step) {
  char* previous = getcwd(nullptr, 0);
  if (!previous || chdir(directory.c_str()) != 0) {
    free(previous);
    return ZTError(ZT_E_FAILED, "Could not enter %s", directory.c_str());
  }
  const int rc = step();
  const bool back = chdir(previous) == 0;
  free(previous);
  return rc     ? rc
         : back ? ZT_OK
                : ZTError(ZT_E_FAILED, "Could not return from %s", directory.c_str());
}

namespace {

PRUint64 s_uTreeBytes = 0;

int RemoveOne(const char* path, const struct stat*, int, struct FTW*) {
  remove(path);
  return 0;
}

int CountOne(const char*, const struct stat* info, int type, struct FTW*) {
  if (type == FTW_F) s_uTreeBytes += static_cast<PRUint64>(info->st_size);
  return 0;
}

}  // namespace

void ztRemoveTree(const std::string& path) {
  nftw(path.c_str(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS);
}

int ztCopyFile(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  if (in && out) out << in.rdbuf();
  if (in && out && out.flush()) return ZT_OK;
  return ZTError(ZT_E_FAILED, "Could not copy %s to %s", from.c_str(), to.c_str());
}

PRUint64 ztTreeSize(const std::string& path) {
  s_uTreeBytes = 0;
  nftw(path.c_str(), CountOne, 16, FTW_PHYS);
  return s_uTreeBytes;
}

bool ztExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}
