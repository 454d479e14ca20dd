#include "frontends/wordlist/detail/WildCardFilter.h"

#include <plstr.h>

#include "core/ZTErrors.h"
#include "core/ZTFactory.h"
#include "core/ztIStringSimplifier.h"
#include "frontends/wordlist/detail/ztCharLength.h"
#include "frontends/wordlist/detail/ztWordListTables.h"

namespace {

bool StartsWith(const char* text, const char* prefix, PRUint32 length) {
  return length && PL_strncmp(text, prefix, length) == 0;
}

}  // namespace

WildCardFilter::WildCardFilter(ZTIField* textField, ZTIRecordFilter* inner, const int* piStop,
                               const char* single, const char* multiple,
                               ztIStringSimplifier* simplifier, const char* pattern)
    : ztKeyTextFilter(textField, inner, piStop),
      m_pcSingle(single),
      m_pcMultiple(multiple),
      m_uSingle(single ? PL_strlen(single) : 0),
      m_uMultiple(multiple ? PL_strlen(multiple) : 0),
      m_pSimplifier(simplifier),
      m_pcPattern(PL_strdup(pattern)) {
  if (m_pSimplifier) m_pSimplifier->AddRef();
}

WildCardFilter::~WildCardFilter() {
  PL_strfree(m_pcPattern);
  ztRelease(m_pSimplifier);
}

int WildCardFilter::MatchKey(const char* text, PRUint32, int* pbMatch) {
  *pbMatch = m_pcPattern ? Match(m_pcPattern, text) : 0;
  return ZT_OK;
}

int WildCardFilter::Match(const char* pattern, const char* text) {
  if (!m_pSimplifier) {
    void* simplifier = nullptr;
    if (ztCreateComponent("simplifier:unicode:", ztIStringSimplifier::GetZTIID(), &simplifier)) {
      return 0;
    }
    m_pSimplifier = static_cast<ztIStringSimplifier*>(simplifier);
  }
  // The pattern after the last multiple wildcard met, and the text it is tried against.
  const char* retryPattern = nullptr;
  const char* retryText = nullptr;
  for (;;) {
    if (*text && StartsWith(pattern, m_pcSingle, m_uSingle)) {
      pattern += m_uSingle;
      text += ztCharLength(text);
      continue;
    }
    if (StartsWith(pattern, m_pcMultiple, m_uMultiple)) {
      pattern += m_uMultiple;
      retryPattern = pattern;
      retryText = text;
      continue;
    }
    if (!*pattern && !*text) return 1;
    if (*pattern && !*text) return 0;
    PRUint32 usedPattern = 0, usedText = 0;
    int diff = 0;
    if (*pattern &&
        m_pSimplifier->CompareFirstChar(pattern, &usedPattern, text, &usedText, &diff) == 0 &&
        (usedPattern || usedText) && diff == 0) {
      pattern += usedPattern;
      text += usedText;
      continue;
    }
    // A mismatch: the last multiple wildcard takes one more character, if there is one.
    if (!retryPattern || !*retryText) return 0;
    retryText += ztCharLength(retryText);
    pattern = retryPattern;
    text = retryText;
  }
}
