// A simulated HKEY_LOCAL_MACHINE: keys with string and number values in creation order.
#ifndef PLATFORM_WIN32_SIM_VLSIMREGISTRY_H_
#define PLATFORM_WIN32_SIM_VLSIMREGISTRY_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/api/VLRegistry.h"

class VLSimRegistry : public VLRegistry {
 public:
  bool ValueNames(const std::string& key, std::vector<std::string>* names) override;
  bool ReadString(const std::string& key, const std::string& name, std::string* data) override;
  bool WriteString(const std::string& key, const std::string& name,
                   const std::string& data) override;
  bool DeleteValue(const std::string& key, const std::string& name) override;

  // A value that is a number, not a string.
  void WriteNumber(const std::string& key, const std::string& name, uint32_t data);
  void CreateKey(const std::string& key) { m_keys[key]; }
  bool HasKey(const std::string& key) const { return m_keys.count(key) == 1; }
  // Writes fail while set (no right to write).
  void SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }

 private:
  struct Value {
    std::string m_sName;
    bool m_bString;
    std::string m_sData;
  };
  Value* Find(const std::string& key, const std::string& name);
  void Put(const std::string& key, Value value);

  std::map<std::string, std::vector<Value>> m_keys;
  bool m_bReadOnly = false;
};

#endif  // PLATFORM_WIN32_SIM_VLSIMREGISTRY_H_
