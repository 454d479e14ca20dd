#include "modules/speller/ZTSpellError.h"

#include <cstdarg>
#include <cstdio>

long ZTSpellError(long code, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::putchar('\n');
  std::fflush(stdout);
  return code;
}
