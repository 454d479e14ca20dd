// Text helpers of the Windows lookup layer. Automation texts are UTF-16; window classes,
// titles, registry names and trace lines are narrow.
#ifndef PLATFORM_WIN32_API_VLTEXT_H_
#define PLATFORM_WIN32_API_VLTEXT_H_

#include <cstdint>
#include <string>

// Equal when they differ only in the case of ASCII letters.
bool vlSameNoCase(const std::u16string& a, const std::u16string& b);
bool vlSameNoCase(const std::string& a, const std::string& b);

// Without the leading and trailing characters whose code is 32 or lower.
std::u16string vlTrim(const std::u16string& text);

// The decimal form of value.
std::u16string vlDecimal(int64_t value);

// Parses an optionally signed decimal integer that fills the whole text.
bool vlParseDecimal(const std::u16string& text, int64_t* value);

// UTF-8 from UTF-16; unpaired surrogates become U+FFFD.
std::string vlUtf8(const std::u16string& text);

#endif  // PLATFORM_WIN32_API_VLTEXT_H_
