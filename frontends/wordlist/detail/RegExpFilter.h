// RegExpFilter: keeps the lookup records whose whole key text matches a regular expression
// (PCRE2, UTF-8, anchored at both ends), after simplifying the key with the caller's
// simplifier when one is given. Matching is bounded by match and depth limits: a key that
// exceeds them stops the search with 10 instead of running away.
#ifndef FRONTENDS_WORDLIST_DETAIL_REGEXPFILTER_H_
#define FRONTENDS_WORDLIST_DETAIL_REGEXPFILTER_H_

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>
#include <prtypes.h>

#include "frontends/wordlist/detail/ztKeyTextFilter.h"

class ztIStringSimplifier;

class ZTFINDFEWORDLIST_API RegExpFilter : public ztKeyTextFilter {
 public:
  // Steps of the matcher allowed for one key, and its depth of backtracking.
  static const PRUint32 kMatchLimit = 1000000;
  static const PRUint32 kDepthLimit = 10000;

  RegExpFilter(ZTIField* textField, ZTIRecordFilter* inner, const int* piStop,
               ztIStringSimplifier* simplifier);
  ~RegExpFilter() override;

  // Compiles the expression (already simplified as the keys will be); 10 with a message when
  // it does not compile.
  int Compile(const char* expression);
  // *pbMatch when the pattern covers the whole text.
  int Match(const char* text, PRUint32 length, int* pbMatch);

 protected:
  int MatchKey(const char* text, PRUint32 length, int* pbMatch) override;

 private:
  ztIStringSimplifier* m_pSimplifier;
  pcre2_code* m_pCode;
  pcre2_match_data* m_pMatchData;
  pcre2_match_context* m_pMatchContext;
  char* m_pcBuffer;  // simplified key texts, reused
  PRUint32 m_uCapacity;
};

// The expression as the matcher reads it: a backslash before a character that has no meaning
// escaped (a space, a character beyond ASCII) is dropped; the others are kept, so "\?" stays a
// literal question mark and "\d" a class. A new string from the NSPR allocator.
ZTFINDFEWORDLIST_API char* ztPreparePattern(const char* expression);

#endif  // FRONTENDS_WORDLIST_DETAIL_REGEXPFILTER_H_
