#include "windows/VLCommon/VLWords.h"

bool vlIsDelimiter(char16_t c) {
  static const char16_t kDelimiters[] = u"\r\n\"'!#$%&().*+,/;<=>?@[]\\^_`{}~ ";
  for (const char16_t* d = kDelimiters; *d; ++d) {
    if (*d == c) return true;
  }
  return false;
}

std::u16string vlWordAfter(const std::u16string& text, size_t start) {
  while (start < text.size() && vlIsDelimiter(text[start])) ++start;
  size_t end = start;
  while (end < text.size() && !vlIsDelimiter(text[end])) ++end;
  return text.substr(start, end - start);
}

std::u16string vlWordBefore(const std::u16string& text, size_t end) {
  if (end > text.size()) end = text.size();
  while (end > 0 && vlIsDelimiter(text[end - 1])) --end;
  size_t start = end;
  while (start > 0 && !vlIsDelimiter(text[start - 1])) --start;
  return text.substr(start, end - start);
}
