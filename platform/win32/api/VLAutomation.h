// Automation: objects by ProgID, running objects, in-process server registration.
#ifndef PLATFORM_WIN32_API_VLAUTOMATION_H_
#define PLATFORM_WIN32_API_VLAUTOMATION_H_

#include <string>

#include "platform/win32/api/VLStatus.h"
#include "platform/win32/api/VLVariant.h"

// What the standard registration of an in-process automation server names: the class, its
// ProgID and description; the type library travels inside the server's module.
struct VLServerInfo {
  const char* m_szClassId;
  const char* m_szProgId;
  const char* m_szDescription;
};

class VLAutomation {
 public:
  virtual ~VLAutomation() = default;
  // Prepares automation for the calling thread; true when Uninitialize must balance it.
  virtual bool Initialize() = 0;
  virtual void Uninitialize() = 0;
  // A new object of the class registered under progId.
  virtual VLStatus Create(const std::string& progId, VLVariant* object) = 0;
  // The running object registered for the class of progId.
  virtual VLStatus Running(const std::string& progId, VLVariant* object) = 0;
  // Registers (or removes) the class with the apartment threading model, its ProgID and the
  // type library of the calling server's module.
  virtual VLStatus RegisterServer(const VLServerInfo& server) = 0;
  virtual VLStatus UnregisterServer(const VLServerInfo& server) = 0;
};

#endif  // PLATFORM_WIN32_API_VLAUTOMATION_H_
