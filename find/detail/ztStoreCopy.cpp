#include "find/detail/ztStoreCopy.h"

#include <plstr.h>

#include "core/ZTErrors.h"

int ztStoreCopy(char** ppcField, const char* text, const char* where) {
  char* copy = text ? PL_strdup(text) : nullptr;
  if (text && !copy) return ZTError(ZT_E_NOMEM, "[%s] Cannot allocate memory", where);
  if (*ppcField) PL_strfree(*ppcField);
  *ppcField = copy;
  return ZT_OK;
}
