// The process-wide table of the five operator words, matched without regard to ASCII case.
// Codes are slot numbers: 1 union, 2 intersection, 3 difference, 4 near, 5 before.
#ifndef FRONTENDS_INDEX_DETAIL_ZTOPERATORTABLE_H_
#define FRONTENDS_INDEX_DETAIL_ZTOPERATORTABLE_H_

#include <prtypes.h>

const int kOperatorSlots = 5;

// Splits a copy of list (cut at 63 bytes) at each '(' into the slots; the number of words
// found.
int ztFillOperatorTable(const char* list);
// The code of the first slot whose word begins text (its length in *puLength), else 0.
int ztOperatorPrefix(const char* text, PRUint32* puLength);
// The code of the first slot whose word is word, else 0.
int ztOperatorWord(const char* word);

#endif  // FRONTENDS_INDEX_DETAIL_ZTOPERATORTABLE_H_
