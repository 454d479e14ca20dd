#include "core/ZTRefCount.h"

#include <cstring>

#include "core/ZTErrors.h"

bool operator==(const ztID& a, const ztID& b) {
  return a.m0 == b.m0 && a.m1 == b.m1 && a.m2 == b.m2 && std::memcmp(a.m3, b.m3, 8) == 0;
}

ZTRefCount::ZTRefCount() : m_pRefLock(nullptr), m_iRefCount(1), m_iRefWarn(-1) {}

ZTRefCount::~ZTRefCount() {
  if (m_pRefLock) PR_DestroyLock(m_pRefLock);
}

const ztID& ZTRefCount::GetZTIID() {
  static const ztID s_id = {0x7c13ea80, 0x2ea6, 0x4750,
                            {0xa2, 0x64, 0x7b, 0x84, 0x25, 0x3c, 0xa1, 0x7a}};
  return s_id;
}

int ZTRefCount::QueryZTInterface(const ztID& iid, void** ppOut) {
  if (!ppOut) return ZT_E_INVALID;
  if (iid == GetZTIID()) {
    AddRef();
    *ppOut = this;
    return ZT_OK;
  }
  *ppOut = nullptr;
  return ZT_E_INVALID;
}

const ztID* ZTRefCount::GetLastZTIID() { return &GetZTIID(); }

int ZTRefCount::Lock() {
  if (!m_pRefLock) {
    m_pRefLock = PR_NewLock();
    if (!m_pRefLock) return ZTError(ZT_E_NOMEM, "[ZTRefCount::Lock] Cannot allocate a new PRLock");
  }
  PR_Lock(m_pRefLock);
  return ZT_OK;
}

int ZTRefCount::Unlock() {
  if (!m_pRefLock) return ZTError(ZT_E_STATE, "[ZTRefCount::Unlock] Have never been locked");
  if (PR_Unlock(m_pRefLock) != PR_SUCCESS)
    return ZTError(ZT_E_FAILED, "[ZTRefCount::Unlock] Error while unlocking");
  return ZT_OK;
}
