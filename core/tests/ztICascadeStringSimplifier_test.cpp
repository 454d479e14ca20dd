#include "core/ztICascadeStringSimplifier.h"

#include <gtest/gtest.h>
#include <plstr.h>
#include <prmem.h>
#include <prprf.h>

#include <cstring>
#include <string>

#include "core/ZTEnvir.h"
#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztUTF8.h"

namespace {

// Hands every character to its surrogate, or copies it without one; its identity names the
// surrogate's.
class ztTestCascade : public ztICascadeStringSimplifier {
 public:
  int SimplifyFirstChar(const char* text, PRUint32* puConsumed, char* buffer,
                        PRUint32* puLength) override {
    if (m_pSurrogate) return m_pSurrogate->SimplifyFirstChar(text, puConsumed, buffer, puLength);
    PRUint32 c = 0;
    if (int rc = CharUTF8ToUCS4(&c, text, puConsumed)) return rc;
    if (!*text) *puConsumed = 0;
    if (*puLength < *puConsumed) return ZT_E_NOMEM;
    std::memcpy(buffer, text, *puConsumed);
    *puLength = *puConsumed;
    return ZT_OK;
  }
  void ComputeIdentity() override {
    m_pcIdentity =
        PR_smprintf("cascade(%s)", m_pSurrogate ? m_pSurrogate->GetSharedIdentity() : "");
  }
};

std::string Simplified(ztIStringSimplifier* simplifier, const char* text) {
  char* out = nullptr;
  EXPECT_EQ(simplifier->SimplifyToNew(text, &out, nullptr), 0);
  std::string result = out ? out : "<null>";
  PR_Free(out);
  return result;
}

class ztICascadeStringSimplifierTest : public testing::Test {
 protected:
  void SetUp() override {
    // Browsed once after the component directory, when the factory is first asked for.
    ZTEnvir* envir = nullptr;
    ASSERT_EQ(ZTEnvir::GetEnvir(&envir), 0);
    envir->SetValue("ZT_COM_PATH_APPEND", ZT_BINARY_DIR "/testmodules/valid");
  }
  ~ztICascadeStringSimplifierTest() override { m_pCascade->Release(); }
  ztTestCascade* m_pCascade = new ztTestCascade();
};

TEST_F(ztICascadeStringSimplifierTest, SurrogateCreatedByUrl) {
  EXPECT_STREQ(m_pCascade->GetSharedIdentity(), "cascade()");
  EXPECT_EQ(Simplified(m_pCascade, "\xC3\x89t\xC3\xA9"), "\xC3\x89t\xC3\xA9");
  ASSERT_EQ(m_pCascade->CreateSurrogateInstance("simplifier:unicode:uni_case,uni_comp"), 0);
  EXPECT_EQ(Simplified(m_pCascade, "\xC3\x89t\xC3\xA9"), "ete");
  EXPECT_STREQ(m_pCascade->GetSharedIdentity(), "cascade(simplifier:unicode:uni_case,uni_comp)");
  ztIStringSimplifier* surrogate = nullptr;
  ASSERT_EQ(m_pCascade->GetSurrogate(&surrogate), 0);
  ASSERT_NE(surrogate, nullptr);
  EXPECT_STREQ(surrogate->GetSharedIdentity(), "simplifier:unicode:uni_case,uni_comp");
  ASSERT_EQ(m_pCascade->CreateSurrogateInstance("simplifier:unicode:uni_comp"), 0);
  EXPECT_STREQ(m_pCascade->GetSharedIdentity(), "cascade(simplifier:unicode:uni_comp)");
  EXPECT_EQ(Simplified(surrogate, "\xC3\x89"), "e");  // the old surrogate lives on with us
  surrogate->Release();
}

TEST_F(ztICascadeStringSimplifierTest, AnswersBothIdentifiers) {
  void* asked = nullptr;
  ASSERT_EQ(m_pCascade->QueryZTInterface(ztICascadeStringSimplifier::GetZTIID(), &asked), 0);
  EXPECT_EQ(asked, static_cast<ztICascadeStringSimplifier*>(m_pCascade));
  m_pCascade->Release();
  ASSERT_EQ(m_pCascade->QueryZTInterface(ztIStringSimplifier::GetZTIID(), &asked), 0);
  EXPECT_EQ(asked, static_cast<ztIStringSimplifier*>(m_pCascade));
  m_pCascade->Release();
  EXPECT_EQ(*m_pCascade->GetLastZTIID(), ztICascadeStringSimplifier::GetZTIID());
}

TEST_F(ztICascadeStringSimplifierTest, FailedCreationLeavesNoSurrogate) {
  ASSERT_EQ(m_pCascade->CreateSurrogateInstance("simplifier:unicode:uni_case"), 0);
  ZTFactory* factory = nullptr;
  ASSERT_EQ(ZTFactory::GetFactory(&factory), 0);
  PRBool has = PR_FALSE;
  ASSERT_EQ(factory->HasComponent("test:echo:", &has), 0);
  ASSERT_TRUE(has);
  const char* urls[] = {"simplifier:nosuch:", "simplifier", "test:echo:not a simplifier"};
  for (const char* url : urls) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(m_pCascade->CreateSurrogateInstance(url), ZT_E_FAILED) << url;
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              std::string("Can not create simplifier ") + url + "\n");
    ztIStringSimplifier* surrogate = reinterpret_cast<ztIStringSimplifier*>(1);
    EXPECT_EQ(m_pCascade->GetSurrogate(&surrogate), 0);
    EXPECT_EQ(surrogate, nullptr);
  }
  EXPECT_STREQ(m_pCascade->GetSharedIdentity(), "cascade()");
  EXPECT_EQ(m_pCascade->CreateSurrogateInstance(nullptr), ZT_E_INVALID);
}

TEST_F(ztICascadeStringSimplifierTest, SetSurrogateKeepsAReference) {
  ztTestCascade* inner = new ztTestCascade();
  EXPECT_EQ(m_pCascade->SetSurrogate(inner), 0);
  inner->Release();  // the cascade's reference keeps it alive
  EXPECT_STREQ(m_pCascade->GetSharedIdentity(), "cascade(cascade())");
  EXPECT_EQ(m_pCascade->SetSurrogate(nullptr), 0);
  EXPECT_STREQ(m_pCascade->GetSharedIdentity(), "cascade()");
}

}  // namespace
