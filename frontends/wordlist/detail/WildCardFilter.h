// WildCardFilter: keeps the lookup records whose key text matches a wildcard pattern, letters
// compared as a simplifier compares them. The single wildcard stands for one character, the
// multiple wildcard for any number of characters, none included.
#ifndef FRONTENDS_WORDLIST_DETAIL_WILDCARDFILTER_H_
#define FRONTENDS_WORDLIST_DETAIL_WILDCARDFILTER_H_

#include <prtypes.h>

#include "frontends/wordlist/detail/ztKeyTextFilter.h"

class ztIStringSimplifier;

class ZTFINDFEWORDLIST_API WildCardFilter : public ztKeyTextFilter {
 public:
  // The wildcards are borrowed and may be null (never matching); the pattern is copied. A null
  // simplifier is replaced by "simplifier:unicode:" on first use.
  WildCardFilter(ZTIField* textField, ZTIRecordFilter* inner, const int* piStop, const char* single,
                 const char* multiple, ztIStringSimplifier* simplifier, const char* pattern);
  ~WildCardFilter() override;

  // For keys already simplified by the filter's simplifier: the pattern's letters are
  // simplified once, here, and then compared with the keys byte for byte. The simplifier's
  // code when it fails (the filter then compares as before).
  int CompareSimplified();
  // 1 when the whole text matches the whole pattern. The work is bounded by the product of
  // their lengths: a multiple wildcard is retried only from the last one met.
  int Match(const char* pattern, const char* text);

 protected:
  int MatchKey(const char* text, PRUint32 length, int* pbMatch) override;

 private:
  bool SameChar(const char* pattern, const char* text, PRUint32* puUsed) const;
  // Whether the first characters match, and the bytes each takes.
  bool MatchFirstChar(const char* pattern, PRUint32* puPattern, const char* text, PRUint32* puText);

  const char* m_pcSingle;
  const char* m_pcMultiple;
  PRUint32 m_uSingle, m_uMultiple;  // their lengths, 0 for none
  ztIStringSimplifier* m_pSimplifier;
  char* m_pcPattern;
  bool m_bSimplified = false;  // the pattern's letters compared byte for byte
};

#endif  // FRONTENDS_WORDLIST_DETAIL_WILDCARDFILTER_H_
