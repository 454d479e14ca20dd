#include "frontends/wordlist/detail/ztRegExpKey.h"

#include <cstring>

#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/detail/ztCharLength.h"

namespace {

bool IsMeta(char c) {
  return c && std::strchr(".+()*?[]|^$", c) != nullptr;
}
bool IsOptional(char c) {
  return c == '?' || c == '*';
}
bool IsAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The bytes of the literal character (or escaped literal) at e, 0 when e does not begin one.
size_t LiteralAt(const char* e) {
  if (e[0] == '\\') {
    if (!e[1] || IsAlnum(e[1])) return 0;
    return 1 + ztCharLength(e + 1);
  }
  return IsMeta(e[0]) ? 0 : ztCharLength(e);
}

// The bytes of the syntax element at e that is not a literal: a metacharacter, or an escape
// of a letter or digit with its braces ("\p{L}", "\x{41}").
size_t SyntaxAt(const char* e) {
  if (e[0] != '\\') return 1;
  if (!e[1]) return 1;
  size_t n = 2;
  if (e[n] == '{') {
    const char* close = std::strchr(e + n, '}');
    n = close ? static_cast<size_t>(close - e) + 1 : std::strlen(e);
  }
  return n;
}

size_t PrefixLength(const char* e) {
  size_t i = 0;
  for (size_t n; (n = LiteralAt(e + i)) != 0 && !IsOptional(e[i + n]); i += n) {
  }
  return i;
}

// Where the literal ending begins: after the last syntax element.
size_t SuffixStart(const char* e) {
  size_t start = 0;
  for (size_t i = 0; e[i];) {
    const size_t n = LiteralAt(e + i);
    if (n) {
      i += n;
    } else {
      i += SyntaxAt(e + i);
      start = i;
    }
  }
  return start;
}

// An alternation outside every group and class.
bool HasTopLevelAlternation(const char* e) {
  int depth = 0;
  bool inClass = false;
  for (size_t i = 0; e[i]; ++i) {
    const char c = e[i];
    if (c == '\\') {
      if (e[i + 1]) ++i;
    } else if (inClass) {
      inClass = c != ']';
    } else if (c == '[') {
      inClass = true;
      if (e[i + 1] == '^') ++i;
      if (e[i + 1] == ']') ++i;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else if (c == '|' && depth == 0) {
      return true;
    }
  }
  return false;
}

// Every expression must cover the whole key, so a leading "^" and a trailing "$" that is not
// escaped say nothing more: the key is derived from what lies between them.
std::string WithoutAnchors(const std::string& e) {
  size_t begin = !e.empty() && e[0] == '^' ? 1 : 0, end = e.size();
  if (end > begin && e[end - 1] == '$') {
    size_t escapes = 0;
    while (end - 1 - escapes > begin && e[end - 2 - escapes] == '\\') ++escapes;
    if (escapes % 2 == 0) --end;
  }
  return e.substr(begin, end - begin);
}

}  // namespace

std::string ztRemoveEscapes(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

void ztDeriveRegExpKey(const char* whole, ztRegExpKey* pKey) {
  pKey->m_iMode = ZTWordList::eBeginsWith;
  pKey->m_key.clear();
  pKey->m_bPlain = false;
  if (HasTopLevelAlternation(whole)) return;
  const std::string expression = WithoutAnchors(whole);
  const char* e = expression.c_str();
  const size_t a = PrefixLength(e);
  if (a == expression.size()) {
    pKey->m_iMode = ZTWordList::eExact;
    pKey->m_key = ztRemoveEscapes(expression);
    pKey->m_bPlain = true;
    return;
  }
  const size_t start = SuffixStart(e);
  const std::string prefix = expression.substr(0, a), suffix = expression.substr(start);
  if (a < suffix.size()) {
    pKey->m_iMode = ZTWordList::eEndsWith;
    pKey->m_key = ztRemoveEscapes(suffix);
    pKey->m_bPlain = expression == ".*" + suffix;
  } else {
    pKey->m_key = ztRemoveEscapes(prefix);
    pKey->m_bPlain = expression == prefix + ".*";
  }
}
