// Automation over COM: objects by ProgID, running objects, in-process server registration
// of the module that holds this code.
#ifndef PLATFORM_WIN32_REAL_VLREALAUTOMATION_H_
#define PLATFORM_WIN32_REAL_VLREALAUTOMATION_H_

#include <windows.h>

#include "platform/win32/api/VLAutomation.h"

class VLRealAutomation : public VLAutomation {
 public:
  explicit VLRealAutomation(HINSTANCE module) : m_hModule(module) {}

  bool Initialize() override;
  void Uninitialize() override;
  VLStatus Create(const std::string& progId, VLVariant* object) override;
  VLStatus Running(const std::string& progId, VLVariant* object) override;
  VLStatus RegisterServer(const VLServerInfo& server) override;
  VLStatus UnregisterServer(const VLServerInfo& server) override;

 private:
  HINSTANCE m_hModule;
};

#endif  // PLATFORM_WIN32_REAL_VLREALAUTOMATION_H_
