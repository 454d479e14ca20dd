#include "tools/writer/detail/ztHtmlEntity.h"

#include <cstring>
#include <string_view>

namespace {

// The longest reference read: "&#x10FFFF;" and the longest name fit.
const size_t kLongest = 10;

// The Latin-1 entities, U+00A0 to U+00FF in order.
constexpr std::string_view kLatin1[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct Named {
  std::string_view m_name;
  PRUint32 m_uChar;
};

// The markup's own come first: they are the most frequent.
constexpr Named kOthers[] = {
    {"quot", 0x22},     {"amp", 0x26},      {"apos", 0x27},     {"lt", 0x3C},
    {"gt", 0x3E},       {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},
    {"scaron", 0x161},  {"Yuml", 0x178},    {"circ", 0x2C6},    {"tilde", 0x2DC},
    {"ensp", 0x2002},   {"emsp", 0x2003},   {"thinsp", 0x2009}, {"ndash", 0x2013},
    {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"sbquo", 0x201A},
    {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bdquo", 0x201E},  {"dagger", 0x2020},
    {"Dagger", 0x2021}, {"bull", 0x2022},   {"hellip", 0x2026}, {"permil", 0x2030},
    {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"euro", 0x20AC},   {"trade", 0x2122}};

bool ByName(const char* text, size_t length, PRUint32* puChar) {
  const std::string_view name(text, length);
  for (const Named& entity : kOthers) {
    if (entity.m_name == name) {
      *puChar = entity.m_uChar;
      return true;
    }
  }
  for (PRUint32 i = 0; i < 96; ++i) {
    if (kLatin1[i] == name) {
      *puChar = 0xA0 + i;
      return true;
    }
  }
  return false;
}

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// digits: the text between "&#" (and the 'x' of a hexadecimal reference) and ';'.
bool ByNumber(const char* digits, size_t length, int base, PRUint32* puChar) {
  if (length == 0) return false;
  PRUint32 value = 0;
  for (size_t i = 0; i < length; ++i) {
    const int digit = DigitValue(digits[i], base);
    if (digit < 0) return false;
    value = value * base + digit;
    if (value > 0x10FFFF) return false;
  }
  if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return false;
  *puChar = value;
  return true;
}

}  // namespace

bool ztDecodeHtmlEntity(const char* text, size_t length, PRUint32* puChar, size_t* puBytes) {
  if (length < 3 || text[0] != '&') return false;
  const size_t reach = length < kLongest ? length : kLongest;
  const void* found = std::memchr(text, ';', reach);
  if (!found) return false;
  const size_t semicolon = static_cast<const char*>(found) - text;
  bool decoded = false;
  if (text[1] != '#') {
    decoded = ByName(text + 1, semicolon - 1, puChar);
  } else if (semicolon > 2 && (text[2] == 'x' || text[2] == 'X')) {
    decoded = ByNumber(text + 3, semicolon - 3, 16, puChar);
  } else {
    decoded = ByNumber(text + 2, semicolon - 2, 10, puChar);
  }
  if (decoded) *puBytes = semicolon + 1;
  return decoded;
}
