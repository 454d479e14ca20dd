// ZTRegExpWordList: headwords matching a regular expression as a whole. The expression's
// literal beginning or ending bounds the candidates through the lookup tables; each candidate
// is then matched against the whole expression.
#ifndef FRONTENDS_WORDLIST_ZTREGEXPWORDLIST_H_
#define FRONTENDS_WORDLIST_ZTREGEXPWORDLIST_H_

#include "frontends/wordlist/ZTWordList.h"

class RegExpFilter;
struct ztRegExpKey;

class ZTFINDFEWORDLIST_API ZTRegExpWordList : public ZTWordList {
 public:
  // The component that simplifies the literal characters of an expression.
  static const char* const kRegExpSimplifierURL;

  ZTRegExpWordList();
  ~ZTRegExpWordList() override;
  ZT_DECLARE_ZTIID

  // SINGLEWILDCARD and MULTIPLEWILDCARD are accepted and ignored, so that one configuration
  // serves both kinds of list; every other line goes to the word list.
  int ConfigureItem(const char* section, const char* key, const char* value) override;

  // The words whose key matches the expression: on the exact tables without a simplifier,
  // else on the simplified tables, keys and expression simplified by the caller's simplifier.
  int GetRegExpWords(ztIStringSimplifier* simplifier, const char* links, const char* expression,
                     ZTIRecordFilter* filter, ZTCursor** ppOut);

 private:
  int MakeFilter(ztIStringSimplifier* simplifier, const char* expression, ZTIRecordFilter* inner,
                 RegExpFilter** ppOut);
  int MakeKeyFilter(int mode, ztIStringSimplifier* simplifier, const char* expression,
                    RegExpFilter** ppOut);
  int Compile(ZTIField* field, ZTIRecordFilter* inner, ztIStringSimplifier* simplifier,
              ztIStringSimplifier* matcher, const char* expression, RegExpFilter** ppOut);
  int SimplifiedExpression(ztIStringSimplifier* simplifier, const char* expression, char** ppcOut);
};

#endif  // FRONTENDS_WORDLIST_ZTREGEXPWORDLIST_H_
