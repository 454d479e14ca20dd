// Builds a Unicode simplifier from arbitrary options text (flags and "map:" entries) and uses
// it on a sample text: every whole-text operation must agree with SimplifyToNew.
#include <plstr.h>
#include <prmem.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/ZTErrors.h"
#include "modules/unicode/ztStringUnicodeSimplifier.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const char kSample[] = "\xC3\x89t\xC3\xA9 \xC5\x92uvre ABC abc 0123 \xE3\x80\x80\xCE\x86\xD0\x99,'";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string options(reinterpret_cast<const char*>(data), size);
  ztStringUnicodeSimplifier* simplifier = nullptr;
  Check(ztStringUnicodeSimplifier::_CreateInstance(options.c_str(), &simplifier) == 0);
  Check(std::strcmp(simplifier->GetSharedIdentity() + 19, options.c_str()) == 0);
  char* once = nullptr;
  Check(simplifier->SimplifyToNew(kSample, &once, nullptr) == 0);
  char* inPlace = PL_strdup(kSample);
  Check(simplifier->SimplifyRealloc(&inPlace, nullptr) == 0 && std::strcmp(inPlace, once) == 0);
  char* output = nullptr;
  PRUint32 size_out = 0;
  Check(simplifier->SimplifyOutputRealloc(kSample, &output, &size_out) == 0 &&
        std::strcmp(output, once) == 0);
  // A replacement longer than the comparison areas is refused, never written past them.
  int diff = 1;
  const int rc = simplifier->Compare(kSample, nullptr, kSample, nullptr, &diff);
  Check(rc == ZT_E_NOMEM || (rc == 0 && diff == 0));
  PR_Free(output);
  PL_strfree(inPlace);
  PR_Free(once);
  simplifier->Release();
  return 0;
}
