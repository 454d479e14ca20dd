#include "find/ztKeyString.h"

#include <algorithm>
#include <cstring>

char* zt_upper(char* text) {
  if (!text) return text;
  for (char* p = text; *p; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  }
  return text;
}

char* zt_invertString(char* text) {
  if (text) std::reverse(text, text + strlen(text));
  return text;
}

char* zt_nextString(char* text) {
  if (!text) return text;
  size_t length = strlen(text);
  while (length > 0 && static_cast<unsigned char>(text[length - 1]) == 0xFF) {
    text[--length] = '\0';
  }
  if (length > 0) text[length - 1] = static_cast<char>(text[length - 1] + 1);
  return text;
}
