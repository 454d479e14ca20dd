// The lookup that bounds the candidates of a regular expression: its longest literal
// beginning or ending, or the whole expression when it is literal.
#ifndef FRONTENDS_WORDLIST_DETAIL_ZTREGEXPKEY_H_
#define FRONTENDS_WORDLIST_DETAIL_ZTREGEXPKEY_H_

#include <string>

#include "frontends/wordlist/ZTWordListExport.h"

struct ztRegExpKey {
  int m_iMode;        // ZTWordList::eSearchMode
  std::string m_key;  // the literal text, without its escapes
  // Every key of the range matches: the expression is the literal, the literal followed by
  // ".*" (beginning) or ".*" followed by the literal (ending).
  bool m_bPlain;
};

// Derives the lookup. A backslash makes the next character literal unless it is a letter or a
// digit (a class or a reference); a character followed by "?" or "*" is optional and ends the
// literal; an alternation outside groups leaves no literal part at all. A leading "^" and a
// trailing unescaped "$" are left out (every match covers the whole key anyway).
ZTFINDFEWORDLIST_API void ztDeriveRegExpKey(const char* expression, ztRegExpKey* pKey);

// The text with every backslash removed (each keeps the character after it).
std::string ztRemoveEscapes(const std::string& text);

#endif  // FRONTENDS_WORDLIST_DETAIL_ZTREGEXPKEY_H_
