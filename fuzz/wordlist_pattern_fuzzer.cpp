// Wildcard patterns and regular expressions against a fixed small word list. The first byte
// chooses the kind of pattern and whether letters compare without case and accents; the rest
// is the pattern.
#include <cstddef>
#include <cstdint>
#include <string>

#include "frontends/wordlist/detail/RegExpFilter.h"
#include "frontends/wordlist/detail/WildCardFilter.h"
#include "frontends/wordlist/detail/ztRegExpKey.h"
#include "modules/unicode/ztStringUnicodeSimplifier.h"

namespace {

const char* const kWords[] = {"",        "a",     "ab",     "abc",
                              "Château", "chat",  "chalet", "action",
                              "nation",  "ça va", "x\xff",  "aaaaaaaaaaaaaaaaaaaaaaaa!",
                              "a?b*c",   "\\d",   "日本語", "straße"};

ztIStringSimplifier* Simplifier() {
  static ZTRefCount* s_simplifier = nullptr;
  if (!s_simplifier) CreateUnicodeSimplifier("uni_case,uni_comp", &s_simplifier);
  return static_cast<ztIStringSimplifier*>(s_simplifier);
}

void Wildcards(const std::string& pattern, ztIStringSimplifier* simplifier) {
  WildCardFilter* filter =
      new WildCardFilter(nullptr, nullptr, nullptr, "?", "*", simplifier, pattern.c_str());
  for (const char* word : kWords) filter->Match(pattern.c_str(), word);
  filter->Release();
}

void RegularExpression(const std::string& expression, ztIStringSimplifier* simplifier) {
  ztRegExpKey key;
  ztDeriveRegExpKey(expression.c_str(), &key);
  RegExpFilter* filter = new RegExpFilter(nullptr, nullptr, nullptr, simplifier);
  if (filter->Compile(expression.c_str()) == 0) {
    for (const char* word : kWords) {
      int match = 0;
      filter->Match(word, static_cast<PRUint32>(std::char_traits<char>::length(word)), &match);
    }
  }
  filter->Release();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 512) return 0;
  std::string pattern(reinterpret_cast<const char*>(data) + 1, size - 1);
  pattern.resize(pattern.find('\0') == std::string::npos ? pattern.size() : pattern.find('\0'));
  ztIStringSimplifier* simplifier = (data[0] & 2) ? Simplifier() : nullptr;
  if (data[0] & 1) {
    Wildcards(pattern, simplifier ? simplifier : Simplifier());
  } else {
    RegularExpression(pattern, simplifier);
  }
  return 0;
}
