#include "windows/VLCommon/VLPlugIn.h"

VLStatus VLPlugIn::Invoke(const std::string& member, std::vector<VLVariant>& args,
                          VLPassing /*passing*/, VLVariant* result) {
  if (member != "HandleApp") return vlUnknownMember(member);
  if (args.size() != 8) return vlBadArguments(member);
  for (size_t i = 0; i < 4; ++i) {
    if (args[i].GetType() != VLVariant::kInt) return vlBadArguments(member);
  }
  const int32_t code = HandleApp(args[0].AsInt(), args[1].AsInt(), args[2].AsInt(), args[3].AsInt(),
                                 &args[4], &args[5], &args[6], &args[7], result);
  return code < 0 ? VLStatus::Error(code, "HandleApp failed") : VLStatus::Ok();
}

std::vector<VLVariant> vlPlugInArgs(int32_t handle, int32_t msg, int32_t xPos, int32_t yPos) {
  return {VLVariant::Int(handle), VLVariant::Int(msg),  VLVariant::Int(xPos), VLVariant::Int(yPos),
          VLVariant::Text(u""),   VLVariant::Text(u""), VLVariant::Text(u""), VLVariant::Text(u"")};
}
