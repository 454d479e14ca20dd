// The objects of the test modules: a ZTBinary holding "<tag>|<arguments>", so a test sees
// which module created it and which arguments reached the create function.
#ifndef CORE_TESTS_MODULES_ZTECHO_H_
#define CORE_TESTS_MODULES_ZTECHO_H_

#include <plstr.h>
#include <prprf.h>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"

inline int ztEchoCreate(const char* tag, const char* args, ZTRefCount** ppOut) {
  if (!args || !ppOut) return ZT_E_INVALID;
  *ppOut = nullptr;
  char* text = PR_smprintf("%s|%s", tag, args);
  if (!text) return ZT_E_NOMEM;
  ZTBinary* echo = ZTBinary::_CreateInstance(nullptr, 0);
  int rc = echo->SetStringData(text);
  PR_smprintf_free(text);
  if (rc) {
    echo->Release();
    return rc;
  }
  *ppOut = echo;
  return ZT_OK;
}

#endif  // CORE_TESTS_MODULES_ZTECHO_H_
