#include "core/ztICascadeStringSimplifier.h"

#include <prmem.h>
#include <prprf.h>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"

ZT_DEFINE_ZTIID(ztICascadeStringSimplifier, ztIStringSimplifier,
                {0xff4b5c14, 0x7fbc, 0xbb83, {0x72, 0x3a, 0xe3, 0xe3, 0xa8, 0x39, 0x49, 0xa9}})

ztICascadeStringSimplifier::ztICascadeStringSimplifier() : m_pSurrogate(nullptr) {}

ztICascadeStringSimplifier::~ztICascadeStringSimplifier() {
  ztRelease(m_pSurrogate);
}

int ztICascadeStringSimplifier::CreateSurrogateInstance(const char* pcszUrl) {
  if (!pcszUrl) return ZT_E_INVALID;
  ZTFactory* factory = nullptr;
  if (int rc = ZTFactory::GetFactory(&factory)) return rc;
  SetSurrogate(nullptr);
  void* simplifier = nullptr;
  if (ztCreateComponent(pcszUrl, ztIStringSimplifier::GetZTIID(), &simplifier) != ZT_OK) {
    PR_fprintf(PR_STDOUT, "Can not create simplifier %s\n", pcszUrl);
    return ZT_E_FAILED;
  }
  SetSurrogate(static_cast<ztIStringSimplifier*>(simplifier));
  static_cast<ztIStringSimplifier*>(simplifier)->Release();
  return ZT_OK;
}

int ztICascadeStringSimplifier::GetSurrogate(ztIStringSimplifier** ppOut) {
  if (!ppOut) return ZT_E_INVALID;
  *ppOut = m_pSurrogate;
  if (m_pSurrogate) m_pSurrogate->AddRef();
  return ZT_OK;
}

int ztICascadeStringSimplifier::SetSurrogate(ztIStringSimplifier* pSimplifier) {
  if (pSimplifier) pSimplifier->AddRef();
  ztRelease(m_pSurrogate);
  m_pSurrogate = pSimplifier;
  PR_Free(m_pcIdentity);
  m_pcIdentity = nullptr;
  return ZT_OK;
}
