// The query tokenizer: separators, soft separators kept inside exception words, quoted
// phrases, and the operator words.
#include <plstr.h>

#include <cstring>

#include "core/ZTErrors.h"
#include "core/ZTIntegerList.h"
#include "core/ZTStringList.h"
#include "core/ztUTF8.h"
#include "frontends/index/IndexTokens.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/ztOperatorTable.h"
#include "frontends/wordlist/ZTWildCardWordList.h"

namespace {

// Longest word around a soft separator that is looked up in the exception list: longer ones
// are never exceptions, which bounds the work on long runs of soft separators.
const PRUint32 kMaxExceptionBytes = 64;

// Only the double quote is a quote in UTF-8 text: the guillemet bytes never begin a character.
bool IsQuote(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  return b == 0x22 || b == 0xAB || b == 0xBB;
}

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The character at p and its length, never 0: an invalid byte stands for itself.
PRUint32 Decode(const char* p, PRUint32* puBytes) {
  PRUint32 c = 0;
  if (!*p || CharUTF8ToUCS4(&c, p, puBytes) != 0 || *puBytes == 0) {
    *puBytes = 1;
    return static_cast<unsigned char>(*p);
  }
  return c;
}

bool InList(const ZTIntegerList* list, PRUint32 c) {
  int present = 0;
  return list && list->IsPresent(c, &present) == ZT_OK && present;
}

bool StartsWith(const char* text, const char* prefix) {
  return prefix && *prefix && PL_strncmp(text, prefix, PL_strlen(prefix)) == 0;
}

}  // namespace

bool ZTIndex::IsHardSeparator(const char* p) const {
  PRUint32 bytes = 0;
  return InList(m_pHardSeparators, Decode(p, &bytes));
}

bool ZTIndex::StartsWildCard(const char* p) const {
  return m_pWordList && (StartsWith(p, m_pWordList->GetSingleWildCard()) ||
                         StartsWith(p, m_pWordList->GetMultipleWildCard()));
}

// Whether begin..end (NUL-terminated for the lookup, then restored) is an exception word.
int ZTIndex::IsException(char* begin, char* end, int* pbException) {
  *pbException = 0;
  if (!m_pExceptions || end - begin > static_cast<long>(kMaxExceptionBytes)) return ZT_OK;
  const char saved = *end;
  *end = '\0';
  const int rc = m_pExceptions->IsPresent(begin, pbException);
  *end = saved;
  return rc;
}

int ZTIndex::IsSpace(char* start, char* p, char** ppNext) {
  PRUint32 bytes = 0;
  const PRUint32 c = Decode(p, &bytes);
  *ppNext = p + bytes;
  if (InList(m_pHardSeparators, c)) return 1;
  if (!InList(m_pSoftSeparators, c)) return 0;
  // The word around the soft separator: back to a hard separator, a NUL or the start...
  char* begin = p;
  while (begin > start && p - begin <= static_cast<long>(kMaxExceptionBytes)) {
    char* previous = begin - 1;
    while (previous > start && IsContinuation(*previous) && begin - previous < 6) --previous;
    if (!*previous || IsHardSeparator(previous)) break;
    begin = previous;
  }
  // ... and on to a NUL, a quote or a hard separator.
  char* end = p + bytes;
  while (*end && !IsQuote(*end) && !IsHardSeparator(end) &&
         end - p <= static_cast<long>(kMaxExceptionBytes)) {
    PRUint32 length = 0;
    Decode(end, &length);
    end += length;
  }
  int exception = 0;
  if (IsException(begin, end, &exception) != ZT_OK) {
    *ppNext = p + 1;
    return 1;
  }
  return exception ? 0 : 1;
}

namespace {

// The state of one tokenization.
struct Tokenizer {
  IndexTokens* m_pTokens;
  char* m_pcWord;            // where the current word begins
  const char* m_pcOperator;  // the last operator word met
  bool m_bInPhrase;

  // Stores the word that begins at m_pcWord (NUL-terminated): an operator word sets the
  // operator of the next item, any other word becomes its term.
  int Complete(bool phrase) {
    char* word = m_pcWord;
    if (!*word) return ZT_OK;
    IndexTokens::Item* item = m_pTokens->GetItem(m_pTokens->GetCount());
    const int code = ztOperatorWord(word);
    if (code) {
      item->m_iOperator = code;
      m_pcOperator = word;
      return ZT_OK;
    }
    item->m_pcTerm = word;
    item->m_bPhrase = phrase;
    m_pTokens->SetCount(m_pTokens->GetCount() + 1);
    const int rc = m_pTokens->GrowArrays();
    if (rc == ZT_OK) m_pTokens->GetItem(m_pTokens->GetCount())->m_iOperator = 2;
    return rc;
  }
};

}  // namespace

int ZTIndex::Parse_Request(char* text, int keepPhrases, IndexTokens* tokens) {
  if (!text || !tokens) return 600;
  const bool phrases = m_pOccLinkField != nullptr;
  char* p = text;
  char* next = nullptr;
  while (*p && !IsQuote(*p) && !StartsWildCard(p) && IsSpace(text, p, &next)) p = next;
  if (!*p) return ZT_E_INVALID;
  tokens->SetCount(0);
  tokens->GetItem(0)->m_iOperator = 1;
  Tokenizer state = {tokens, p, nullptr, false};
  int rc = ZT_OK;
  while (rc == ZT_OK) {
    if (!*p) {
      rc = state.Complete(false);
      break;
    }
    if (phrases && IsQuote(*p)) {
      *p++ = '\0';
      rc = state.Complete(state.m_bInPhrase);
      state.m_bInPhrase = !state.m_bInPhrase;
      state.m_pcWord = p;
      continue;
    }
    PRUint32 length = 0;
    if (p == state.m_pcWord && ztOperatorPrefix(p, &length) && !(phrases && IsQuote(p[length])) &&
        IsSpace(text, p + length, &next)) {
      p[length] = '\0';
      rc = state.Complete(false);
      p = state.m_pcWord = next;
      continue;
    }
    if (IsSpace(text, p, &next) && !StartsWildCard(p)) {
      if (keepPhrases && state.m_bInPhrase) {
        std::memset(p, ' ', next - p);
      } else {
        std::memset(p, 0, next - p);
        rc = state.Complete(false);
        state.m_pcWord = next;
      }
    }
    p = next;
  }
  if (rc != ZT_OK) return rc;
  if (tokens->GetCount() == 0) {
    // A query of operator words only searches the last one as a word, with its operator.
    tokens->GetItem(0)->m_pcTerm = const_cast<char*>(state.m_pcOperator);
    tokens->SetCount(1);
  }
  if (state.m_bInPhrase) return ZTError(605, "[Parse_Request] Unmatched quotes were found");
  return ZT_OK;
}
