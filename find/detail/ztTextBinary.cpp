#include "find/detail/ztTextBinary.h"

#include <prprf.h>

#include <cstdarg>
#include <cstring>
#include <new>

#include "core/ZTErrors.h"

int ztMakeTextBinary(const char* text, ZTBinary** ppOut) {
  *ppOut = nullptr;
  ZTBinary* binary = new (std::nothrow) ZTBinary();
  if (!binary || binary->SetStringData(text) != ZT_OK) {
    ztRelease(binary);
    return ZTError(ZT_E_NOMEM, "[ztMakeTextBinary] Cannot allocate memory");
  }
  *ppOut = binary;
  return ZT_OK;
}

int ztFormatTextBinary(ZTBinary** ppOut, const char* format, ...) {
  va_list args;
  va_start(args, format);
  char* text = PR_vsmprintf(format, args);
  va_end(args);
  if (!text) {
    *ppOut = nullptr;
    return ZTError(ZT_E_NOMEM, "[ztFormatTextBinary] Cannot allocate memory");
  }
  const int rc = ztMakeTextBinary(text, ppOut);
  PR_smprintf_free(text);
  return rc;
}

const char* ztBinaryText(const ZTBinary* binary) {
  if (!binary || !binary->GetData() || binary->GetLength() == 0) return nullptr;
  const char* text = reinterpret_cast<const char*>(binary->GetData());
  return memchr(text, '\0', binary->GetLength()) ? text : nullptr;
}

bool ztIsUnknownId(const ZTBinary* binary) {
  const char* text = ztBinaryText(binary);
  return text && strcmp(text, "UNKNOWN") == 0;
}
