// ztStringUnicodeSimplifier, the string simplifier of the component "simplifier:unicode:...":
// folds one character at a time as its options say (lower case, base characters, spaces,
// chosen replacements), and may let an unaccented capital match an accented letter.
#ifndef MODULES_UNICODE_ZTSTRINGUNICODESIMPLIFIER_H_
#define MODULES_UNICODE_ZTSTRINGUNICODESIMPLIFIER_H_

#include "core/ztIStringSimplifier.h"
#include "modules/unicode/ztUnicodeOptions.h"

class ztStringUnicodeSimplifier : public ztIStringSimplifier {
 public:
  // A new simplifier (one reference) built from the options; 12 when memory runs out.
  static int _CreateInstance(const char* options, ztStringUnicodeSimplifier** ppOut);

  int SimplifyFirstChar(const char* text, PRUint32* puConsumed, char* buffer,
                        PRUint32* puLength) override;
  // Without replacements every character folds to at most four bytes: the output is sized at
  // once and written character by character.
  int SimplifyToNew(const char* text, char** ppcOut, PRUint32* puSize) override;
  // "simplifier:unicode:" followed by the options.
  void ComputeIdentity() override;
  // With "fr_sloppy_uppercase_match", an unaccented capital against an accented letter
  // compares with that letter's base character (both lowered with "uni_case"); every other
  // pair compares as the base class does.
  int CompareFirstChar(const char* a, PRUint32* puUsedA, const char* b, PRUint32* puUsedB,
                       int* piDiff) override;

 private:
  ztStringUnicodeSimplifier();
  ~ztStringUnicodeSimplifier() override;

  PRUint32 Fold(PRUint32 c) const;
  // Whether the sloppy rule applies to ca and cb; if so both become what is compared.
  bool SloppyPair(PRUint32* pCa, PRUint32* pCb) const;

  char* m_pcOptions;
  ztUnicodeOptions m_options;
};

// The create function of the component: 1 for null arguments, 12 when memory runs out.
int CreateUnicodeSimplifier(const char* options, ZTRefCount** ppOut);

#endif  // MODULES_UNICODE_ZTSTRINGUNICODESIMPLIFIER_H_
