#include "tools/zt/detail/ztJsonSyntax.h"

#include <cstring>

namespace {

// Reads nothing but the first syntax error.
class ztSyntaxCheck : public nlohmann::json_sax<nlohmann::json> {
 public:
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override { return true; }
  bool key(string_t&) override { return true; }
  bool end_object() override { return true; }
  bool start_array(std::size_t) override { return true; }
  bool end_array() override { return true; }
  bool parse_error(std::size_t, const std::string&,
                   const nlohmann::detail::exception& ex) override {
    m_error = ex.what();
    return false;
  }

  // The message from its position on ("line 3, column 2: ..."), without the line when the
  // text is one line.
  std::string GetError(bool oneLine) const {
    const char* from = oneLine ? "at line 1, " : "at ";
    size_t at = m_error.find(from);
    return at == std::string::npos ? m_error : m_error.substr(at + std::strlen(from));
  }

 private:
  std::string m_error;
};

}  // namespace

bool ztParseJson(const char* begin, const char* end, bool oneLine, nlohmann::json* out,
                 std::string* pError) {
  *out = nlohmann::json::parse(begin, end, nullptr, false);
  if (!out->is_discarded()) return true;
  ztSyntaxCheck check;
  nlohmann::json::sax_parse(begin, end, &check);
  *pError = "not valid JSON: " + check.GetError(oneLine);
  return false;
}
