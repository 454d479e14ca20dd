#include "tools/zt/ztTextEncoding.h"

#include "core/ZTErrors.h"
#include "core/ztUTF8.h"

namespace {

constexpr PRUint32 kLastCodePoint = 0x10FFFF;

}  // namespace

bool ztIsUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    PRUint32 c = 0;
    PRUint32 bytes = 0;
    // The string's terminating NUL stops the decoder at the end of the text.
    if (CharUTF8ToUCS4(&c, text.c_str() + i, &bytes) != ZT_OK || c > kLastCodePoint) {
      return false;
    }
    i += bytes;
  }
  return true;
}

void ztEnsureUtf8(std::string* text) {
  if (ztIsUtf8(*text)) return;
  std::string out;
  out.reserve(text->size() + text->size() / 8);
  for (unsigned char c : *text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  text->swap(out);
}
