#include "platform/win32/real/VLRealRegistry.h"

#include <windows.h>

namespace {

// An open key, closed at the end of the scope.
class Key {
 public:
  Key(const std::string& path, REGSAM access, bool create) {
    const LONG result = create
                            ? RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                                              access, nullptr, &m_hKey, nullptr)
                            : RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &m_hKey);
    if (result != ERROR_SUCCESS) m_hKey = nullptr;
  }
  ~Key() {
    if (m_hKey) RegCloseKey(m_hKey);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY Get() const { return m_hKey; }

 private:
  HKEY m_hKey = nullptr;
};

}  // namespace

bool VLRealRegistry::ValueNames(const std::string& key, std::vector<std::string>* names) {
  Key open(key, KEY_READ, false);
  if (!open.Get()) return false;
  DWORD count = 0, longest = 0;
  if (RegQueryInfoKeyA(open.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                       &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  names->clear();
  std::string name(longest + 1, '\0');
  for (DWORD i = 0; i < count; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumValueA(open.Get(), i, &name[0], &length, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS) {
      names->push_back(name.substr(0, length));
    }
  }
  return true;
}

bool VLRealRegistry::ReadString(const std::string& key, const std::string& name,
                                std::string* data) {
  Key open(key, KEY_READ, false);
  DWORD type = 0, bytes = 0;
  if (!open.Get() ||
      RegQueryValueExA(open.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  std::string value(bytes + 1, '\0');
  if (RegQueryValueExA(open.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value[0]),
                       &bytes) != ERROR_SUCCESS) {
    return false;
  }
  value.resize(bytes < value.size() ? bytes : value.size());
  // The stored data may or may not end with its NUL.
  *data = value.substr(0, value.find('\0'));
  return true;
}

bool VLRealRegistry::WriteString(const std::string& key, const std::string& name,
                                 const std::string& data) {
  Key open(key, KEY_SET_VALUE, true);
  return open.Get() && RegSetValueExA(open.Get(), name.c_str(), 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(data.c_str()),
                                      static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool VLRealRegistry::DeleteValue(const std::string& key, const std::string& name) {
  Key open(key, KEY_SET_VALUE, false);
  return open.Get() && RegDeleteValueA(open.Get(), name.c_str()) == ERROR_SUCCESS;
}
