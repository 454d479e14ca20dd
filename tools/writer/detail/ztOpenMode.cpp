#include "tools/writer/detail/ztOpenMode.h"

#include <cstring>

#include "core/ZTErrors.h"

int ztCheckOpenMode(const char* mode, const char* who, const char* what) {
  static const char* const kModes[] = {"STANDARD", "DELAYED", "TRANSIENT", "MAPPED", "PREMAPPED"};
  for (const char* known : kModes) {
    if (mode && std::strcmp(mode, known) == 0) return ZT_OK;
  }
  return ZTError(ZT_E_INVALID, "[%s] %s: unknown open mode '%s'", who, what,
                 mode ? mode : "(null)");
}
