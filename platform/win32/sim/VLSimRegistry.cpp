#include "platform/win32/sim/VLSimRegistry.h"

bool VLSimRegistry::ValueNames(const std::string& key, std::vector<std::string>* names) {
  const auto it = m_keys.find(key);
  if (it == m_keys.end()) return false;
  names->clear();
  for (const Value& value : it->second) names->push_back(value.m_sName);
  return true;
}

bool VLSimRegistry::ReadString(const std::string& key, const std::string& name, std::string* data) {
  const Value* value = Find(key, name);
  if (!value || !value->m_bString) return false;
  *data = value->m_sData;
  return true;
}

bool VLSimRegistry::WriteString(const std::string& key, const std::string& name,
                                const std::string& data) {
  if (m_bReadOnly) return false;
  Put(key, Value{name, true, data});
  return true;
}

bool VLSimRegistry::DeleteValue(const std::string& key, const std::string& name) {
  const auto it = m_keys.find(key);
  if (m_bReadOnly || it == m_keys.end()) return false;
  for (auto value = it->second.begin(); value != it->second.end(); ++value) {
    if (value->m_sName == name) {
      it->second.erase(value);
      return true;
    }
  }
  return false;
}

void VLSimRegistry::WriteNumber(const std::string& key, const std::string& name, uint32_t data) {
  Put(key, Value{name, false, std::to_string(data)});
}

VLSimRegistry::Value* VLSimRegistry::Find(const std::string& key, const std::string& name) {
  const auto it = m_keys.find(key);
  if (it == m_keys.end()) return nullptr;
  for (Value& value : it->second) {
    if (value.m_sName == name) return &value;
  }
  return nullptr;
}

void VLSimRegistry::Put(const std::string& key, Value value) {
  if (Value* old = Find(key, value.m_sName)) {
    *old = std::move(value);
  } else {
    m_keys[key].push_back(std::move(value));
  }
}
