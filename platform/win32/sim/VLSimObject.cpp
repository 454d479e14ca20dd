#include "platform/win32/sim/VLSimObject.h"

VLStatus VLSimObject::Invoke(const std::string& member, std::vector<VLVariant>& args,
                             VLPassing /*passing*/, VLVariant* result) {
  if (m_pFailures->count(member)) {
    return VLStatus::Error(VL_E_FAIL, "Simulated failure of " + member);
  }
  return Answer(member, args, result);
}

bool vlIntArgs(const std::vector<VLVariant>& args, size_t count) {
  if (args.size() != count) return false;
  for (const VLVariant& arg : args) {
    if (arg.GetType() != VLVariant::kInt) return false;
  }
  return true;
}
