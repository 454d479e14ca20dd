// The module as the factory loads it from the component directory.
#include <gtest/gtest.h>
#include <prmem.h>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"

namespace {

ztIStringSimplifier* Create(const char* url) {
  ZTFactory* factory = nullptr;
  EXPECT_EQ(ZTFactory::GetFactory(&factory), 0);
  ZTRefCount* created = nullptr;
  EXPECT_EQ(factory->CreateInstance(url, &created), 0) << url;
  if (!created) return nullptr;
  void* simplifier = nullptr;
  EXPECT_EQ(created->QueryZTInterface(ztIStringSimplifier::GetZTIID(), &simplifier), 0);
  created->Release();
  return static_cast<ztIStringSimplifier*>(simplifier);
}

TEST(unicodemoduleTest, CreatesSimplifiersByUrl) {
  ztIStringSimplifier* simplifier = Create("simplifier:unicode:uni_case,uni_comp");
  ASSERT_NE(simplifier, nullptr);
  char* out = nullptr;
  ASSERT_EQ(simplifier->SimplifyToNew("\xC3\x89T\xC3\x89 \xCE\x86", &out, nullptr), 0);
  EXPECT_STREQ(out, "ete \xCE\xB1");
  PR_Free(out);
  EXPECT_STREQ(simplifier->GetSharedIdentity(), "simplifier:unicode:uni_case,uni_comp");
  simplifier->Release();
}

TEST(unicodemoduleTest, EmptyArgumentsAreValid) {
  ZTFactory* factory = nullptr;
  ASSERT_EQ(ZTFactory::GetFactory(&factory), 0);
  PRBool has = PR_FALSE;
  EXPECT_EQ(factory->HasComponent("simplifier:unicode:", &has), 0);
  EXPECT_TRUE(has);
  ztIStringSimplifier* plain = Create("simplifier:unicode:");
  ASSERT_NE(plain, nullptr);
  EXPECT_STREQ(plain->GetSharedIdentity(), "simplifier:unicode:");
  plain->Release();
  ZTRefCount* created = nullptr;
  EXPECT_EQ(factory->CreateInstance("simplifier:unicode", &created), ZT_E_FAILED);
}

}  // namespace
