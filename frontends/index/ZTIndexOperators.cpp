// The operator words shared by every index of the process.
#include <plstr.h>

#include "core/ZTErrors.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/ztOperatorTable.h"

namespace {

const PRUint32 kBufferSize = 64;

char s_szOper[kBufferSize];
const char* s_pszOper[kOperatorSlots];

}  // namespace

const char* const ZTIndex::kDefaultOperators = "or(and(not(near(before";
char* ZTIndex::m_pszOperators = nullptr;

int ztFillOperatorTable(const char* list) {
  PL_strncpyz(s_szOper, list, kBufferSize);
  int words = 0;
  int segment = 0;
  char* p = s_szOper;
  for (int slot = 0; slot < kOperatorSlots; ++slot) s_pszOper[slot] = nullptr;
  for (; p; ++segment) {
    char* next = PL_strchr(p, '(');
    if (next) *next++ = '\0';
    if (segment < kOperatorSlots && *p) s_pszOper[segment] = p;
    if (*p) ++words;
    p = next;
  }
  return words;
}

int ztOperatorPrefix(const char* text, PRUint32* puLength) {
  for (int slot = 0; slot < kOperatorSlots; ++slot) {
    const char* word = s_pszOper[slot];
    if (!word) continue;
    const PRUint32 length = PL_strlen(word);
    if (PL_strncasecmp(text, word, length) == 0) {
      *puLength = length;
      return slot + 1;
    }
  }
  return 0;
}

int ztOperatorWord(const char* word) {
  for (int slot = 0; slot < kOperatorSlots; ++slot) {
    if (s_pszOper[slot] && PL_strcasecmp(word, s_pszOper[slot]) == 0) return slot + 1;
  }
  return 0;
}

int ZTIndex::SetOperators(const char* list) {
  if (!list) list = kDefaultOperators;
  char* copy = PL_strdup(list);
  if (copy) {
    if (m_pszOperators) PL_strfree(m_pszOperators);
    m_pszOperators = copy;
  }
  const int words = ztFillOperatorTable(list);
  if (words != kOperatorSlots) {
    ZTError(600, "[SetOperators] Expected %d operators, got %d instead", kOperatorSlots, words);
  }
  return ZT_OK;
}
