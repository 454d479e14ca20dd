#include "tools/zt/detail/ztJsonObject.h"

ztJsonObject::ztJsonObject(const nlohmann::json& value) : m_value(value) {
  if (!value.is_object()) m_error = "not a JSON object";
}

const nlohmann::json* ztJsonObject::Find(const char* key, bool required) {
  if (!m_error.empty()) return nullptr;
  m_known.insert(key);
  auto it = m_value.find(key);
  if (it == m_value.end()) {
    if (required) Fail(std::string("'") + key + "' is missing");
    return nullptr;
  }
  return &*it;
}

bool ztJsonObject::String(const char* key, bool required, Text text, std::string* out) {
  const nlohmann::json* value = Find(key, required);
  if (!value) return m_error.empty();
  if (!value->is_string()) return Fail(std::string("'") + key + "' must be a string");
  const std::string& s = value->get_ref<const std::string&>();
  if (text == Text::Name && !IsName(s)) {
    return Fail(std::string("'") + key + "' must be letters, digits, '-', '_' or '.'");
  }
  if (text == Text::Line && !IsLine(s)) {
    return Fail(std::string("'") + key + "' must be one line of text");
  }
  *out = s;
  return true;
}

bool ztJsonObject::Lines(const char* key, size_t min, std::vector<std::string>* out) {
  const nlohmann::json* value = Find(key, min > 0);
  if (!value) return m_error.empty();
  std::string fault = std::string("'") + key + "' must be an array of non-empty lines";
  if (!value->is_array()) return Fail(fault);
  std::vector<std::string> lines;
  for (const nlohmann::json& item : *value) {
    if (!item.is_string() || item.get_ref<const std::string&>().empty() ||
        !IsLine(item.get_ref<const std::string&>())) {
      return Fail(fault);
    }
    lines.push_back(item.get<std::string>());
  }
  if (lines.size() < min) return Fail(std::string("'") + key + "' is empty");
  *out = std::move(lines);
  return true;
}

bool ztJsonObject::Integer(const char* key, int low, int high, int* out) {
  const nlohmann::json* value = Find(key, false);
  if (!value) return m_error.empty();
  if (!value->is_number_integer() || value->get<long long>() < low ||
      value->get<long long>() > high) {
    return Fail(std::string("'") + key + "' must be an integer from " + std::to_string(low) +
                " to " + std::to_string(high));
  }
  *out = static_cast<int>(value->get<long long>());
  return true;
}

const nlohmann::json* ztJsonObject::Value(const char* key) {
  return Find(key, false);
}

bool ztJsonObject::Fail(const std::string& error) {
  if (m_error.empty()) m_error = error;
  return false;
}

bool ztJsonObject::Finish() {
  if (!m_error.empty()) return false;
  for (auto it = m_value.begin(); it != m_value.end(); ++it) {
    if (!m_known.count(it.key())) return Fail("unknown key '" + it.key() + "'");
  }
  return true;
}

bool ztJsonObject::IsName(const std::string& text) {
  if (text.empty() || text[0] == '.') return false;
  for (char c : text) {
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '-' || c == '_' || c == '.';
    if (!ok) return false;
  }
  return true;
}

bool ztJsonObject::IsLine(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
  }
  return true;
}
