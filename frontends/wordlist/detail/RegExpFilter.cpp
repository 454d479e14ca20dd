#include "frontends/wordlist/detail/RegExpFilter.h"

#include <plstr.h>
#include <prmem.h>

#include "core/ZTErrors.h"
#include "core/ztIStringSimplifier.h"

namespace {

// ASCII letters, digits and punctuation keep their backslash.
bool KeepsEscape(char c) {
  return c > ' ' && c < 0x7F;
}

}  // namespace

char* ztPreparePattern(const char* expression) {
  const PRUint32 length = PL_strlen(expression);
  char* out = static_cast<char*>(PR_Malloc(length + 1));
  if (!out) return nullptr;
  PRUint32 n = 0;
  for (PRUint32 i = 0; i < length; ++i) {
    if (expression[i] == '\\' && i + 1 < length && !KeepsEscape(expression[i + 1])) continue;
    out[n++] = expression[i];
    if (expression[i] == '\\' && i + 1 < length) out[n++] = expression[++i];
  }
  out[n] = '\0';
  return out;
}

RegExpFilter::RegExpFilter(ZTIField* textField, ZTIRecordFilter* inner, const int* piStop,
                           ztIStringSimplifier* simplifier)
    : ztKeyTextFilter(textField, inner, piStop),
      m_pSimplifier(simplifier),
      m_pCode(nullptr),
      m_pMatchData(nullptr),
      m_pMatchContext(nullptr),
      m_pcBuffer(nullptr),
      m_uCapacity(0) {
  if (m_pSimplifier) m_pSimplifier->AddRef();
}

RegExpFilter::~RegExpFilter() {
  if (m_pcBuffer) PR_Free(m_pcBuffer);
  pcre2_match_context_free(m_pMatchContext);
  pcre2_match_data_free(m_pMatchData);
  pcre2_code_free(m_pCode);
  ztRelease(m_pSimplifier);
}

int RegExpFilter::Compile(const char* expression) {
  char* pattern = ztPreparePattern(expression);
  if (!pattern) return ZT_E_NOMEM;
  int error = 0;
  PCRE2_SIZE offset = 0;
  m_pCode = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern), PCRE2_ZERO_TERMINATED,
                          PCRE2_ANCHORED | PCRE2_ENDANCHORED | PCRE2_UTF, &error, &offset, nullptr);
  PR_Free(pattern);
  if (!m_pCode) {
    PCRE2_UCHAR message[256];
    pcre2_get_error_message(error, message, sizeof(message));
    return ZTError(ZT_E_FAILED,
                   "[ZTRegExpWordList::RegExpFilter] Failed compiling regular expression `%s' at "
                   "offset %d, with error `%s'",
                   expression, static_cast<int>(offset), reinterpret_cast<char*>(message));
  }
  // Without a JIT the interpreter matches: the same results, more slowly.
  pcre2_jit_compile(m_pCode, PCRE2_JIT_COMPLETE);
  m_pMatchData = pcre2_match_data_create(1, nullptr);
  m_pMatchContext = pcre2_match_context_create(nullptr);
  if (!m_pMatchData || !m_pMatchContext) return ZT_E_NOMEM;
  pcre2_set_match_limit(m_pMatchContext, kMatchLimit);
  pcre2_set_depth_limit(m_pMatchContext, kDepthLimit);
  return ZT_OK;
}

int RegExpFilter::MatchKey(const char* text, PRUint32 length, int* pbMatch) {
  return Match(text, length, pbMatch);
}

int RegExpFilter::Match(const char* text, PRUint32 length, int* pbMatch) {
  *pbMatch = 0;
  if (!m_pCode) return ZT_E_STATE;
  if (m_pSimplifier) {
    const int rc = m_pSimplifier->SimplifyOutputRealloc(text, &m_pcBuffer, &m_uCapacity);
    if (rc != ZT_OK) {
      ZTError(rc, "Simplification failed");
      return ZT_OK;
    }
    text = m_pcBuffer;
    length = PL_strlen(m_pcBuffer);
  }
  const int rc = pcre2_match(m_pCode, reinterpret_cast<PCRE2_SPTR>(text), length, 0, 0,
                             m_pMatchData, m_pMatchContext);
  if (rc >= 0) {
    const PCRE2_SIZE* span = pcre2_get_ovector_pointer(m_pMatchData);
    *pbMatch = span[0] == 0 && span[1] == length;
    return ZT_OK;
  }
  // A key that is not UTF-8 matches no UTF-8 pattern.
  if (rc == PCRE2_ERROR_NOMATCH || (rc <= PCRE2_ERROR_UTF8_ERR1 && rc >= PCRE2_ERROR_UTF8_ERR21)) {
    return ZT_OK;
  }
  const int code =
      ZTError(ZT_E_FAILED,
              "[ZTRegExpWordList::RegExpFilter::Match] pcre_exec failed with error code %d\n", rc);
  const bool limited = rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT ||
                       rc == PCRE2_ERROR_HEAPLIMIT || rc == PCRE2_ERROR_JIT_STACKLIMIT;
  return limited ? code : ZT_OK;
}
