// Values of keys under HKEY_LOCAL_MACHINE.
#ifndef PLATFORM_WIN32_API_VLREGISTRY_H_
#define PLATFORM_WIN32_API_VLREGISTRY_H_

#include <string>
#include <vector>

class VLRegistry {
 public:
  virtual ~VLRegistry() = default;
  // The names of the key's values, in the registry's order; false when the key cannot be
  // opened for reading.
  virtual bool ValueNames(const std::string& key, std::vector<std::string>* names) = 0;
  // The data of a string value; false when it is missing or not a string.
  virtual bool ReadString(const std::string& key, const std::string& name, std::string* data) = 0;
  // Writes a string value, creating the key when it is missing.
  virtual bool WriteString(const std::string& key, const std::string& name,
                           const std::string& data) = 0;
  virtual bool DeleteValue(const std::string& key, const std::string& name) = 0;
};

#endif  // PLATFORM_WIN32_API_VLREGISTRY_H_
