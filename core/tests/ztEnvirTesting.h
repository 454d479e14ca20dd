// Helpers of the environment and file tests: the process-wide engine environment.
#ifndef CORE_TESTS_ZTENVIRTESTING_H_
#define CORE_TESTS_ZTENVIRTESTING_H_

#include <gtest/gtest.h>
#include <plstr.h>

#include <string>

#include "core/ZTEnvir.h"
#include "core/detail/ZTRealEnvir.h"

inline ZTEnvir* ztTestEnvir() {
  ZTEnvir* envir = nullptr;
  EXPECT_EQ(ZTEnvir::GetEnvir(&envir), 0);
  return envir;
}

// The value of an engine variable, or "<null>" if GetValue gave no string.
inline std::string ztTestValue(const char* name) {
  char* value = nullptr;
  EXPECT_EQ(ztTestEnvir()->GetValue(name, &value), 0);
  std::string text = value ? value : "<null>";
  PL_strfree(value);
  return text;
}

inline int ztTestContexts() {
  return dynamic_cast<ZTRealEnvir*>(ztTestEnvir())->GetContextCount();
}

#endif  // CORE_TESTS_ZTENVIRTESTING_H_
