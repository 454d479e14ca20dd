// Words of a captured text: runs of characters that are no delimiters.
#ifndef WINDOWS_VLCOMMON_VLWORDS_H_
#define WINDOWS_VLCOMMON_VLWORDS_H_

#include <cstddef>
#include <string>

// Carriage return, line feed, space and the punctuation " ' ! # $ % & ( ) . * + , / ; < = >
// ? @ [ ] \ ^ _ ` { } ~; the hyphen, the colon and the vertical bar belong to words.
bool vlIsDelimiter(char16_t c);

// The word that begins at start or after the delimiters that follow start.
std::u16string vlWordAfter(const std::u16string& text, size_t start);

// The word that ends at end (exclusive) or before the delimiters that precede end.
std::u16string vlWordBefore(const std::u16string& text, size_t end);

#endif  // WINDOWS_VLCOMMON_VLWORDS_H_
