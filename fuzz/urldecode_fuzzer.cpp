// URL decoding in place: any bytes as the encoded text. The result never outgrows its input,
// and a failure ends the output with '?' (decoded "%00" bytes may end it earlier for strlen).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/ZTFactory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const size_t length = std::strlen(text.c_str());
  const int rc = ZTFactory::UrlDecode(text.data());
  const size_t decoded = std::strlen(text.c_str());
  if (decoded > length) std::abort();
  // The '?' and its NUL lie within the input's bytes and its terminator.
  const std::string_view output(text.c_str(), length + 1);
  if (rc != 0 && output.find(std::string_view("?\0", 2)) == std::string_view::npos) std::abort();
  return 0;
}
