#include "platform/win32/api/VLDispatch.h"

void VLDispatch::Release() {
  if (m_iRefCount.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
}

VLStatus vlUnknownMember(const std::string& member) {
  return VLStatus::Error(VL_E_MEMBERNOTFOUND, "Member not found: " + member);
}

VLStatus vlBadArguments(const std::string& member) {
  return VLStatus::Error(VL_E_BADPARAMCOUNT, "Invalid arguments for " + member);
}
