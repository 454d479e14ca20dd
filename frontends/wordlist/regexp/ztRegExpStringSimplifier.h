// ztRegExpStringSimplifier: the cascade simplifier of regular expressions, component
// "simplifier" / "regexp". Its surrogate simplifies the literal characters (also inside
// character classes and after a backslash that makes a character beyond ASCII literal); the
// syntax stays as it is: ASCII punctuation (metacharacters, quantifiers, class brackets and
// ranges, groups) and escapes of ASCII characters, such as "\d" or "\p{Lu}" with its braces.
// Without a surrogate the expression is copied.
#ifndef FRONTENDS_WORDLIST_REGEXP_ZTREGEXPSTRINGSIMPLIFIER_H_
#define FRONTENDS_WORDLIST_REGEXP_ZTREGEXPSTRINGSIMPLIFIER_H_

#include "core/ztICascadeStringSimplifier.h"

class ztRegExpStringSimplifier : public ztICascadeStringSimplifier {
 public:
  int SimplifyFirstChar(const char* text, PRUint32* puConsumed, char* buffer,
                        PRUint32* puLength) override;
  // "simplifier:regexp:" followed by the surrogate's identity.
  void ComputeIdentity() override;

 private:
  // The length of the element at text that is copied unchanged, 0 for a literal character.
  static PRUint32 SyntaxLength(const char* text);
  static int Copy(const char* text, PRUint32 bytes, char* buffer, PRUint32* puLength);
};

// The create function of the component.
int CreateRegExpSimplifier(const char* pcszArgs, ZTRefCount** ppOut);

#endif  // FRONTENDS_WORDLIST_REGEXP_ZTREGEXPSTRINGSIMPLIFIER_H_
