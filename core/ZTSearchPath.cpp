#include "core/ZTSearchPath.h"

#include <plstr.h>
#include <prio.h>
#include <prmem.h>

#include <cstring>

#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"

namespace {

const char kUp[] = "../";
const size_t kUpLength = sizeof(kUp) - 1;

bool Exists(const char* path) {
  return PR_Access(path, PR_ACCESS_EXISTS) == PR_SUCCESS;
}

// The number of "../" prefixes at the start of name.
size_t CountUps(const char* name) {
  size_t ups = 0;
  while (std::strncmp(name + ups * kUpLength, kUp, kUpLength) == 0) ++ups;
  return ups;
}

// dir (its first n bytes), a '/' unless dir is empty or already ends with one, then name; a
// new string from the NSPR allocator.
char* Join(const char* dir, size_t n, const char* name) {
  size_t m = std::strlen(name);
  size_t slash = (n > 0 && dir[n - 1] != '/') ? 1 : 0;
  char* joined = static_cast<char*>(PR_Malloc(n + slash + m + 1));
  if (!joined) return nullptr;
  std::memcpy(joined, dir, n);
  if (slash) joined[n] = '/';
  std::memcpy(joined + n + slash, name, m + 1);
  return joined;
}

bool IsDotComponent(const char* start, size_t length) {
  return (length == 1 && start[0] == '.') || (length == 2 && start[0] == '.' && start[1] == '.');
}

// Takes the last component off dir (its first *pn bytes): false when there is none that can
// be removed (the root, an empty directory, "." or ".."). The root stays the root.
bool RemoveComponent(const char* dir, size_t* pn) {
  size_t end = *pn;
  while (end > 1 && dir[end - 1] == '/') --end;  // a trailing '/' is not a component
  size_t start = end;
  while (start > 0 && dir[start - 1] != '/') --start;
  if (start == end || IsDotComponent(dir + start, end - start)) return false;
  while (start > 1 && dir[start - 1] == '/') --start;
  *pn = start;
  return true;
}

// The candidate for name in the first directory: each leading "../" removes one component of
// the directory. Prefixes that find no component to remove stay on the name, except above the
// root, whose parent is itself.
char* FirstCandidate(const char* dir, size_t n, const char* name) {
  size_t ups = CountUps(name);
  size_t applied = 0;
  while (applied < ups && RemoveComponent(dir, &n)) ++applied;
  if (n == 1 && dir[0] == '/') applied = ups;
  return Join(dir, n, name + applied * kUpLength);
}

char* LaterCandidate(const char* dir, size_t n, const char* name) {
  return Join(dir, n, name + CountUps(name) * kUpLength);
}

}  // namespace

int FindFileInPath(const char* name, const char* list, char** ppcPath) {
  if (!list || !ppcPath) return ZT_E_INVALID;
  *ppcPath = nullptr;
  if (!name || !*name) return ZT_E_INVALID;
  if (Exists(name)) {
    *ppcPath = PL_strdup(name);
    return *ppcPath ? ZT_OK : ZT_E_NOMEM;
  }
  bool first = true;
  for (const char* dir = list; *dir;) {
    size_t n = std::strcspn(dir, ";");
    if (n > 0) {
      char* candidate = first ? FirstCandidate(dir, n, name) : LaterCandidate(dir, n, name);
      first = false;
      if (!candidate) return ZT_E_NOMEM;
      if (Exists(candidate)) {
        *ppcPath = candidate;
        return ZT_OK;
      }
      PR_Free(candidate);
    }
    dir += n;
    if (*dir == ';') ++dir;
  }
  return ZT_E_NOTFOUND;
}

int FindFileInEnvirPath(const char* name, char** ppcPath) {
  if (ppcPath) *ppcPath = nullptr;
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  if (rc) return rc;
  char* path = nullptr;
  rc = envir->GetValue("PATH", &path);
  if (rc) return rc;
  rc = FindFileInPath(name, path, ppcPath);
  PL_strfree(path);
  return rc;
}

char* ZTGetPath() {
  ZTEnvir* envir = nullptr;
  char* path = nullptr;
  if (ZTEnvir::GetEnvir(&envir) || envir->GetValue("PATH", &path)) return nullptr;
  return path;
}
