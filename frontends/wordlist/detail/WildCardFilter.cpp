#include "frontends/wordlist/detail/WildCardFilter.h"

#include <plstr.h>
#include <prmem.h>

#include <string>

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

int WildCardFilter::CompareSimplified() {
  if (!m_pSimplifier || !m_pcPattern) return ZT_OK;
  // Each run of letters between wildcards is simplified on its own: the wildcards stay.
  std::string pattern, run;
  int rc = ZT_OK;
  auto flush = [&]() {
    char* simplified = nullptr;
    if (rc == ZT_OK && !run.empty())
      rc = m_pSimplifier->SimplifyToNew(run.c_str(), &simplified, nullptr);
    if (simplified) pattern += simplified;
    PR_Free(simplified);
    run.clear();
  };
  for (const char* p = m_pcPattern; *p;) {
    const PRUint32 wildcard = StartsWith(p, m_pcSingle, m_uSingle)       ? m_uSingle
                              : StartsWith(p, m_pcMultiple, m_uMultiple) ? m_uMultiple
                                                                         : 0;
    if (wildcard) {
      flush();
      pattern.append(p, wildcard);
      p += wildcard;
    } else {
      const PRUint32 n = ztCharLength(p);
      run.append(p, n);
      p += n;
    }
  }
  flush();
  if (rc != ZT_OK) return rc;
  char* copy = PL_strdup(pattern.c_str());
  if (!copy) return ZT_E_NOMEM;
  PL_strfree(m_pcPattern);
  m_pcPattern = copy;
  m_bSimplified = true;
  return ZT_OK;
}

// Whether the first characters of pattern and text are the same bytes (*puUsed of them).
bool WildCardFilter::SameChar(const char* pattern, const char* text, PRUint32* puUsed) const {
  const PRUint32 n = ztCharLength(pattern);
  *puUsed = n;
  return n && PL_strncmp(pattern, text, n) == 0 && ztCharLength(text) == n;
}

bool WildCardFilter::MatchFirstChar(const char* pattern, PRUint32* puPattern, const char* text,
                                    PRUint32* puText) {
  if (m_bSimplified) {
    const bool same = SameChar(pattern, text, puPattern);
    *puText = *puPattern;
    return same;
  }
  int diff = 0;
  return m_pSimplifier->CompareFirstChar(pattern, puPattern, text, puText, &diff) == 0 &&
         (*puPattern || *puText) && diff == 0;
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
    if (*pattern && MatchFirstChar(pattern, &usedPattern, text, &usedText)) {
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
