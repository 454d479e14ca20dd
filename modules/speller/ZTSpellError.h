// The speller's own error convention: messages go to standard output, not to the engine log.
#ifndef MODULES_SPELLER_ZTSPELLERROR_H_
#define MODULES_SPELLER_ZTSPELLERROR_H_

#include "modules/speller/ZTSpellExport.h"

enum : long {
  ZTSPELL_OK = 0,
  ZTSPELL_E_ARGUMENT = 2000,  // a required argument or the underlying Aspell object is missing
  ZTSPELL_E_STATE = 2004,     // not ready, word correct, index out of range, nothing created
  ZTSPELL_E_ASPELL = 2005,    // Aspell reported an error (its message is printed)
};

// Prints the formatted message and a line feed on standard output; returns code.
ZTSPELL_API long ZTSpellError(long code, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

#endif  // MODULES_SPELLER_ZTSPELLERROR_H_
