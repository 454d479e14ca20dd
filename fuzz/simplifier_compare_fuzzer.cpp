// Runs the simplifier's per-character and whole-text operations on arbitrary bytes: the input
// is cut at its first NUL into two texts that are simplified and compared. Invalid UTF-8 must
// be refused with 10, never read past or written past.
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

ztStringUnicodeSimplifier* Simplifier() {
  static ztStringUnicodeSimplifier* s_simplifier = [] {
    ztStringUnicodeSimplifier* made = nullptr;
    ztStringUnicodeSimplifier::_CreateInstance(
        "uni_case,uni_comp,uni_space,fr_sloppy_uppercase_match,map:0x153:'oe'0x61:''"
        "0xDF:'ssssssssssssssssssss'",
        &made);
    return made;
  }();
  return s_simplifier;
}

void FirstCharacters(ztStringUnicodeSimplifier* simplifier, const char* text) {
  for (PRUint32 capacity = 0; capacity < 4; ++capacity) {
    char buffer[4];
    PRUint32 used = 0, length = capacity;
    const int rc = simplifier->SimplifyFirstChar(text, &used, buffer, &length);
    Check(rc == 0 || rc == ZT_E_NOMEM || rc == ZT_E_FAILED);
    Check(used <= std::strlen(text));
    if (rc == 0) Check(length <= capacity);
  }
}

void WholeText(ztStringUnicodeSimplifier* simplifier, const char* text) {
  char* once = nullptr;
  const int rc = simplifier->SimplifyToNew(text, &once, nullptr);
  Check(rc == 0 || rc == ZT_E_FAILED);
  char* inPlace = PL_strdup(text);
  Check(simplifier->SimplifyRealloc(&inPlace, nullptr) == rc);
  char* output = nullptr;
  PRUint32 size = 0;
  Check(simplifier->SimplifyOutputRealloc(text, &output, &size) == rc);
  if (rc == 0) Check(std::strcmp(once, inPlace) == 0 && std::strcmp(once, output) == 0);
  PR_Free(output);
  PL_strfree(inPlace);
  PR_Free(once);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string a = input.substr(0, input.find('\0'));
  const std::string b = a.size() < input.size() ? input.substr(a.size() + 1) : std::string();
  ztStringUnicodeSimplifier* simplifier = Simplifier();
  FirstCharacters(simplifier, a.c_str());
  WholeText(simplifier, a.c_str());
  PRUint32 usedA = 0, usedB = 0;
  int diff = 0;
  if (simplifier->CompareFirstChar(a.c_str(), &usedA, b.c_str(), &usedB, &diff) == 0)
    Check(usedA <= a.size() && usedB <= std::strlen(b.c_str()));
  if (simplifier->Compare(a.c_str(), &usedA, b.c_str(), &usedB, &diff) == 0)
    Check(usedA <= a.size() && usedB <= std::strlen(b.c_str()));
  if (simplifier->Compare(a.c_str(), &usedA, a.c_str(), &usedB, &diff) == 0)
    Check(diff == 0 && usedA == a.size() && usedB == a.size());
  return 0;
}
