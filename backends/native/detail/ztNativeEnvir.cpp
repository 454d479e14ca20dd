#include "backends/native/detail/ztNativeEnvir.h"

#include <plstr.h>

#include <cstdlib>

#include "core/ZTEnvir.h"

int ztNativeEnvirValue(const char* name, char** ppcValue) {
  *ppcValue = nullptr;
  ZTEnvir* envir = nullptr;
  int rc = ZTEnvir::GetEnvir(&envir);
  return rc ? rc : envir->GetValue(name, ppcValue);
}

PRUint32 ztNativeEnvirNumber(const char* name) {
  char* value = nullptr;
  PRUint32 number = 0;
  if (ztNativeEnvirValue(name, &value) == 0 && value) {
    number = static_cast<PRUint32>(std::strtoul(value, nullptr, 10));
  }
  PL_strfree(value);
  return number;
}
