#include "tools/zt/work/ztDirectory.h"

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/ZTErrors.h"

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

PRUint64 ztTreeSize(const std::string& path) {
  s_uTreeBytes = 0;
  nftw(path.c_str(), CountOne, 16, FTW_PHYS);
  return s_uTreeBytes;
}

bool ztExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}
