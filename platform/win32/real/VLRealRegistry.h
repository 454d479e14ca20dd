// Values under HKEY_LOCAL_MACHINE over the advapi32 registry functions.
#ifndef PLATFORM_WIN32_REAL_VLREALREGISTRY_H_
#define PLATFORM_WIN32_REAL_VLREALREGISTRY_H_

#include "platform/win32/api/VLRegistry.h"

class VLRealRegistry : public VLRegistry {
 public:
  bool ValueNames(const std::string& key, std::vector<std::string>* names) override;
  bool ReadString(const std::string& key, const std::string& name, std::string* data) override;
  bool WriteString(const std::string& key, const std::string& name,
                   const std::string& data) override;
  bool DeleteValue(const std::string& key, const std::string& name) override;
};

#endif  // PLATFORM_WIN32_REAL_VLREALREGISTRY_H_
