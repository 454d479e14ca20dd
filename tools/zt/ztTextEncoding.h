// Dictionaries made before UTF-8 was common store Latin-1 text; the work keeps UTF-8 only.
#ifndef TOOLS_ZT_ZTTEXTENCODING_H_
#define TOOLS_ZT_ZTTEXTENCODING_H_

#include <string>

// Whether the text is UTF-8 of code points up to U+10FFFF.
bool ztIsUtf8(const std::string& text);
// Leaves UTF-8 text alone and reads any other text as Latin-1, converting it to UTF-8.
void ztEnsureUtf8(std::string* text);

#endif  // TOOLS_ZT_ZTTEXTENCODING_H_
