#include "frontends/wordlist/regexp/ztRegExpStringSimplifier.h"

#include <gtest/gtest.h>
#include <prmem.h>

#include <string>

#include "core/ZTFactory.h"

namespace {

ztIStringSimplifier* Unicode() {
  ZTFactory* factory = nullptr;
  ZTRefCount* object = nullptr;
  if (ZTFactory::GetFactory(&factory) != 0 ||
      factory->CreateInstance("simplifier:unicode:uni_case,uni_comp", &object) != 0) {
    return nullptr;
  }
  void* simplifier = nullptr;
  object->QueryZTInterface(ztIStringSimplifier::GetZTIID(), &simplifier);
  object->Release();
  return static_cast<ztIStringSimplifier*>(simplifier);
}

std::string Simplify(ztIStringSimplifier* simplifier, const char* text) {
  char* out = nullptr;
  if (simplifier->SimplifyToNew(text, &out, nullptr) != 0) return "<error>";
  std::string result(out);
  PR_Free(out);
  return result;
}

TEST(ztRegExpStringSimplifier, SimplifiesLiteralsAndKeepsTheSyntax) {
  ztIStringSimplifier* unicode = Unicode();
  ASSERT_NE(unicode, nullptr);
  ztRegExpStringSimplifier* regexp = new ztRegExpStringSimplifier();
  ASSERT_EQ(regexp->SetSurrogate(unicode), 0);
  const struct {
    const char* m_pcIn;
    const char* m_pcOut;
  } cases[] = {
      {"Château", "chateau"},
      {"CH(A|Â)T.*", "ch(a|a)t.*"},
      {"[À-Ü]+É?", "[a-u]+e?"},
      {"\\d\\W\\.\\?É", "\\d\\W\\.\\?e"},
      {"\\p{Lu}X{2,3}", "\\p{Lu}x{2,3}"},
      {"\\É\\", "\\e\\"},
      {"(?:ÉTÉ)*$", "(?:ete)*$"},
  };
  for (const auto& c : cases) EXPECT_EQ(Simplify(regexp, c.m_pcIn), c.m_pcOut) << c.m_pcIn;
  EXPECT_STREQ(regexp->GetSharedIdentity(),
               "simplifier:regexp:simplifier:unicode:uni_case,uni_comp");
  regexp->Release();
  unicode->Release();
}

TEST(ztRegExpStringSimplifier, CopiesWithoutSurrogate) {
  ztRegExpStringSimplifier* regexp = new ztRegExpStringSimplifier();
  EXPECT_EQ(Simplify(regexp, "Ça\\d[É]"), "Ça\\d[É]");
  regexp->Release();
}

}  // namespace
