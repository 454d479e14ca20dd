// Simulated automation: classes registered by ProgID with a function that makes their
// objects, running objects, and the servers' standard registrations.
#ifndef PLATFORM_WIN32_SIM_VLSIMAUTOMATION_H_
#define PLATFORM_WIN32_SIM_VLSIMAUTOMATION_H_

#include <functional>
#include <map>
#include <set>
#include <string>

#include "platform/win32/api/VLAutomation.h"

class VLSimAutomation : public VLAutomation {
 public:
  // Makes a new object (one reference for the caller), or null when creation fails.
  using Factory = std::function<VLDispatch*()>;

  bool Initialize() override;
  void Uninitialize() override { --m_iInitialized; }
  VLStatus Create(const std::string& progId, VLVariant* object) override;
  VLStatus Running(const std::string& progId, VLVariant* object) override;
  VLStatus RegisterServer(const VLServerInfo& server) override;
  VLStatus UnregisterServer(const VLServerInfo& server) override;

  void AddClass(const std::string& progId, Factory factory);
  void SetRunning(const std::string& progId, VLVariant object);
  // How many Initialize calls are not balanced yet.
  int Initialized() const { return m_iInitialized; }
  // Initialize reports that automation was already prepared in another mode.
  void SetInitializeFails(bool fails) { m_bInitializeFails = fails; }
  bool IsRegistered(const std::string& progId) const { return m_servers.count(progId) == 1; }
  void SetRegistrationFails(bool fails) { m_bRegistrationFails = fails; }

 private:
  std::map<std::string, Factory> m_classes;
  std::map<std::string, VLVariant> m_running;
  std::set<std::string> m_servers;
  int m_iInitialized = 0;
  bool m_bInitializeFails = false;
  bool m_bRegistrationFails = false;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMAUTOMATION_H_
