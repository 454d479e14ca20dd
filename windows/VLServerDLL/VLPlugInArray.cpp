#include "windows/VLServerDLL/VLPlugInArray.h"

#include "windows/VLCommon/VLCompany.h"
#include "windows/VLCommon/VLPlugIn.h"

namespace {

// Calls the plug-in contract; true when the plug-in captured and its texts converted.
bool AskOne(VLDispatch* plugIn, VLWindow window, int32_t msg, int32_t xPos, int32_t yPos,
            VLPlugInAnswer* answer) {
  std::vector<VLVariant> args = vlPlugInArgs(vlWindowToLong(window), msg, xPos, yPos);
  VLVariant result;
  bool captured = false;
  if (plugIn->Invoke("HandleApp", args, VLPassing::kByRef, &result).Failed() ||
      result.ToBool(&captured).Failed() || !captured) {
    return false;
  }
  VLPlugInAnswer texts;
  if (args[4].ToText(&texts.m_sPrevWord).Failed() || args[5].ToText(&texts.m_sWord).Failed() ||
      args[6].ToText(&texts.m_sNextWord).Failed() || args[7].ToText(&texts.m_sInfo).Failed()) {
    return false;
  }
  *answer = std::move(texts);
  return true;
}

}  // namespace

VLStatus VLPlugInArray::Build() {
  std::vector<std::string> names;
  if (!m_rPlatform.m_rRegistry.ValueNames(VL_PLUGIN_KEY, &names) || names.empty()) {
    return VLStatus::Ok();
  }
  m_aPlugIns.assign(names.size() + 1, VLVariant());
  for (size_t i = 0; i < names.size(); ++i) {
    std::string progId;
    if (m_rPlatform.m_rRegistry.ReadString(VL_PLUGIN_KEY, names[i], &progId)) {
      Create(progId, &m_aPlugIns[i]);
    }
  }
  return Create(VL_DEFAULT_PLUGIN, &m_aPlugIns.back());
}

VLStatus VLPlugInArray::Create(const std::string& progId, VLVariant* element) {
  VLVariant plugIn;
  const VLStatus status = m_rPlatform.m_rAutomation.Create(progId, &plugIn);
  if (!status.Failed()) *element = std::move(plugIn);
  return status;
}

bool VLPlugInArray::Ask(VLWindow window, int32_t msg, int32_t xPos, int32_t yPos,
                        VLPlugInAnswer* answer) {
  // A plug-in may re-enter and rebuild the array: ask through a copy.
  const std::vector<VLVariant> plugIns = m_aPlugIns;
  for (const VLVariant& plugIn : plugIns) {
    if (plugIn.GetType() == VLVariant::kObject && plugIn.AsObject() &&
        AskOne(plugIn.AsObject(), window, msg, xPos, yPos, answer)) {
      return true;
    }
  }
  return false;
}
