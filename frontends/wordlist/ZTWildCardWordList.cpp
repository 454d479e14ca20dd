#include "frontends/wordlist/ZTWildCardWordList.h"

#include <plstr.h>
#include <prmem.h>
#include <prprf.h>

#include "core/ZTErrors.h"
#include "core/ztUTF8.h"
#include "find/ZTIField.h"
#include "frontends/wordlist/detail/WildCardFilter.h"
#include "frontends/wordlist/detail/ztCharLength.h"

ZT_DEFINE_ZTIID(ZTWildCardWordList, ZTWordList,
                {0x2f59c5a2, 0xe2bc, 0x4ef3, {0x9f, 0xd4, 0xc5, 0x2e, 0xec, 0x04, 0x46, 0x06}})

namespace {

void Replace(char** ppcField, const char* value) {
  if (*ppcField) PL_strfree(*ppcField);
  *ppcField = value ? PL_strdup(value) : nullptr;
}

// "0x" and hexadecimal digits, nothing else, as the UTF-8 text of that code point.
int ParseWildCard(const char* value, char* buffer) {
  if (!value || value[0] != '0' || (value[1] != 'x' && value[1] != 'X') || !value[2]) {
    return ZT_E_INVALID;
  }
  PRUint32 c = 0;
  for (const char* p = value + 2; *p; ++p) {
    const char d = *p;
    const int digit = d >= '0' && d <= '9'   ? d - '0'
                      : d >= 'a' && d <= 'f' ? d - 'a' + 10
                      : d >= 'A' && d <= 'F' ? d - 'A' + 10
                                             : -1;
    if (digit < 0 || c > 0x7FFFFFF) return ZT_E_INVALID;
    c = c * 16 + digit;
  }
  PRUint32 bytes = 0;
  return c == 0 || CharUCS4ToUTF8(buffer, c, &bytes) != 0 ? ZT_E_INVALID : ZT_OK;
}

bool StartsWith(const char* text, const char* prefix) {
  return prefix && *prefix && PL_strncmp(text, prefix, PL_strlen(prefix)) == 0;
}

}  // namespace

ZTWildCardWordList::ZTWildCardWordList() : m_pcSingle(nullptr), m_pcMultiple(nullptr) {}

ZTWildCardWordList::~ZTWildCardWordList() {
  Replace(&m_pcSingle, nullptr);
  Replace(&m_pcMultiple, nullptr);
}

int ZTWildCardWordList::ConfigureItem(const char* section, const char* key, const char* value) {
  const bool single = key && PL_strcmp(key, "SINGLEWILDCARD") == 0;
  if (!single && !(key && PL_strcmp(key, "MULTIPLEWILDCARD") == 0)) {
    return ZTWordList::ConfigureItem(section, key, value);
  }
  char buffer[ZT_UTF8_CHAR_MAX] = {0};
  const int rc = ParseWildCard(value, buffer);
  if (rc != ZT_OK) return rc;
  return single ? SetSingleWildCard(buffer) : SetMultipleWildCard(buffer);
}

int ZTWildCardWordList::SetSingleWildCard(const char* wildcard) {
  Replace(&m_pcSingle, wildcard);
  return ZT_OK;
}

int ZTWildCardWordList::SetMultipleWildCard(const char* wildcard) {
  Replace(&m_pcMultiple, wildcard);
  return ZT_OK;
}

void ZTWildCardWordList::FindWildCards(const char* word, PRInt32* piFirst,
                                       PRInt32* piLastEnd) const {
  *piFirst = *piLastEnd = -1;
  for (const char* p = word; *p;) {
    const char* wildcard = StartsWith(p, m_pcSingle)     ? m_pcSingle
                           : StartsWith(p, m_pcMultiple) ? m_pcMultiple
                                                         : nullptr;
    if (!wildcard) {
      p += ztCharLength(p);
      continue;
    }
    if (*piFirst < 0) *piFirst = static_cast<PRInt32>(p - word);
    p += PL_strlen(wildcard);
    *piLastEnd = static_cast<PRInt32>(p - word);
  }
}

// The same pattern over the keys of the simplified table the search reads, or null.
WildCardFilter* ZTWildCardWordList::MakeKeyFilter(int mode, ztIStringSimplifier* simplifier,
                                                  const char* word) {
  ZTIField* field = GetSimplifiedKeyField(mode, simplifier);
  if (!field) return nullptr;
  WildCardFilter* keys =
      new WildCardFilter(field, nullptr, GetStopFlag(), m_pcSingle, m_pcMultiple, simplifier, word);
  keys->SetReversed(mode == eEndsWith);
  field->Release();
  // The keys are the simplifier's own output; when the pattern cannot be simplified, letters
  // are compared through the simplifier as before.
  keys->CompareSimplified();
  return keys;
}

int ZTWildCardWordList::GetWildCardWords(ztIStringSimplifier* simplifier, const char* links,
                                         const char* word, ZTIRecordFilter* filter,
                                         ZTCursor** ppOut) {
  if (!word || !ppOut) {
    return ZTError(ZT_E_INVALID, "[ZTWildCardWordList::GetWildCardWords] Invalid arguments");
  }
  PRInt32 first = -1, lastEnd = -1;
  FindWildCards(word, &first, &lastEnd);
  const PRInt32 length = static_cast<PRInt32>(PL_strlen(word));
  if (first == 0 && lastEnd == length && PL_strlen(word) <= 1) {
    return ZTError(ZT_E_INVALID,
                   "[ZTWildCardWordList::GetWildCardWords] Invalid request contains only a "
                   "wildcard");
  }
  int mode = eExact;
  char* key = nullptr;
  if (first > 0) {
    mode = eBeginsWith;
    key = PL_strndup(word, first);
  } else if (first == 0) {
    mode = lastEnd < length ? eEndsWith : eBeginsWith;
    key = PL_strdup(lastEnd < length ? word + lastEnd : "");
  } else {
    key = PL_strdup(word);
  }
  if (!key) return ZT_E_NOMEM;
  int rc = ZT_OK;
  if (simplifier) {
    char* simplified = nullptr;
    rc = SimplifyKey(key, &simplified);
    PL_strfree(key);
    key = simplified ? PL_strdup(simplified) : nullptr;
    PR_Free(simplified);
    if (rc == ZT_OK && !key) rc = ZT_E_NOMEM;
  }
  WildCardFilter *wildcards = nullptr, *keys = nullptr;
  if (rc == ZT_OK && (mode != eExact || simplifier)) {
    wildcards = new WildCardFilter(GetTextTokenField(), filter, GetStopFlag(), m_pcSingle,
                                   m_pcMultiple, simplifier, word);
    filter = wildcards;
  }
  if (rc == ZT_OK && mode != eExact) keys = MakeKeyFilter(mode, simplifier, word);
  if (rc == ZT_OK) {
    rc = GetFilteredWords(mode, simplifier == nullptr, keys, filter, links, key, ppOut);
  }
  ztRelease(keys);
  ztRelease(wildcards);
  if (key) PL_strfree(key);
  return rc;
}
