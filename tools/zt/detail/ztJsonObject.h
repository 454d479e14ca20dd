// ztJsonObject: reads the fields of one JSON object with their types checked, remembering the
// first fault as a sentence ("'headwords' must be an array of strings").
#ifndef TOOLS_ZT_DETAIL_ZTJSONOBJECT_H_
#define TOOLS_ZT_DETAIL_ZTJSONOBJECT_H_

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

class ztJsonObject {
 public:
  // What a text may hold: a name is an identifier (letters, digits, '-', '_', '.', not first);
  // a line has no control characters; any text is any string.
  enum class Text { Name, Line, Any };

  explicit ztJsonObject(const nlohmann::json& value);

  // Each reader leaves *out unchanged when the key is absent and not required, and returns
  // false once a fault was found (by it or an earlier reader).
  bool String(const char* key, bool required, Text text, std::string* out);
  // A list of non-empty lines; at least min of them.
  bool Lines(const char* key, size_t min, std::vector<std::string>* out);
  bool Integer(const char* key, int low, int high, int* out);
  // The raw value of an optional key, or null; the caller checks its form.
  const nlohmann::json* Value(const char* key);
  // Records a fault found by the caller.
  bool Fail(const std::string& error);
  // Refuses keys no reader asked for; false on any fault.
  bool Finish();

  const std::string& GetError() const { return m_error; }
  static bool IsName(const std::string& text);
  static bool IsLine(const std::string& text);

 private:
  const nlohmann::json* Find(const char* key, bool required);

  const nlohmann::json& m_value;
  std::set<std::string> m_known;
  std::string m_error;
};

#endif  // TOOLS_ZT_DETAIL_ZTJSONOBJECT_H_
