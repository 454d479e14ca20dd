#include "platform/win32/sim/VLSimAutomation.h"

namespace {

VLStatus ClassMissing(const std::string& progId) {
  return VLStatus::Error(static_cast<int32_t>(0x800401F3u), "Invalid class string: " + progId);
}

VLStatus RegistrationDenied() {
  return VLStatus::Error(static_cast<int32_t>(0x80070005u), "Access is denied");
}

}  // namespace

bool VLSimAutomation::Initialize() {
  if (m_bInitializeFails) return false;
  ++m_iInitialized;
  return true;
}

VLStatus VLSimAutomation::Create(const std::string& progId, VLVariant* object) {
  const auto it = m_classes.find(progId);
  if (it == m_classes.end()) return ClassMissing(progId);
  VLDispatch* created = it->second();
  if (!created) return VLStatus::Error(VL_E_FAIL, "Cannot create " + progId);
  *object = VLVariant::Adopt(created);
  return VLStatus::Ok();
}

VLStatus VLSimAutomation::Running(const std::string& progId, VLVariant* object) {
  const auto it = m_running.find(progId);
  if (it == m_running.end()) {
    return VLStatus::Error(static_cast<int32_t>(0x800401E3u), "Operation unavailable");
  }
  *object = it->second;
  return VLStatus::Ok();
}

VLStatus VLSimAutomation::RegisterServer(const VLServerInfo& server) {
  if (m_bRegistrationFails) return RegistrationDenied();
  m_servers.insert(server.m_szProgId);
  return VLStatus::Ok();
}

VLStatus VLSimAutomation::UnregisterServer(const VLServerInfo& server) {
  if (m_bRegistrationFails) return RegistrationDenied();
  m_servers.erase(server.m_szProgId);
  return VLStatus::Ok();
}

void VLSimAutomation::AddClass(const std::string& progId, Factory factory) {
  m_classes[progId] = std::move(factory);
}

void VLSimAutomation::SetRunning(const std::string& progId, VLVariant object) {
  m_running[progId] = std::move(object);
}
