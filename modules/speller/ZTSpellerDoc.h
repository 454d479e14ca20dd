// Checks running text mistake by mistake: write text, then ask for mistakes until none is left.
#ifndef MODULES_SPELLER_ZTSPELLERDOC_H_
#define MODULES_SPELLER_ZTSPELLERDOC_H_

#include "modules/speller/ZTSpellExport.h"

struct AspellDocumentChecker;

class ZTSPELL_API ZTSpellerDoc {
 public:
  // Takes ownership of checker (may be null: every operation then answers 2000).
  explicit ZTSpellerDoc(AspellDocumentChecker* checker) : m_pChecker(checker) {}
  virtual ~ZTSpellerDoc();
  ZTSpellerDoc(const ZTSpellerDoc&) = delete;
  ZTSpellerDoc& operator=(const ZTSpellerDoc&) = delete;

  long reset();
  long write(const char* text);
  // The next misspelling's offset and length as Aspell reports them; length 0 when none is
  // left.
  long getNextMistake(long* offset, long* length);

 private:
  AspellDocumentChecker* m_pChecker;
};

#endif  // MODULES_SPELLER_ZTSPELLERDOC_H_
