// ZTWildCardWordList: headwords matching a pattern with a single-character and a
// multiple-character wildcard. The fixed beginning or ending of the pattern bounds the
// candidates through the lookup tables; each candidate is then matched against the whole
// pattern.
#ifndef FRONTENDS_WORDLIST_ZTWILDCARDWORDLIST_H_
#define FRONTENDS_WORDLIST_ZTWILDCARDWORDLIST_H_

#include "frontends/wordlist/ZTWordList.h"

class WildCardFilter;

class ZTFINDFEWORDLIST_API ZTWildCardWordList : public ZTWordList {
 public:
  ZTWildCardWordList();
  ~ZTWildCardWordList() override;
  ZT_DECLARE_ZTIID

  // SINGLEWILDCARD and MULTIPLEWILDCARD ("0x" and a hexadecimal code point, 1 otherwise) in
  // any section; every other line goes to the word list.
  int ConfigureItem(const char* section, const char* key, const char* value) override;
  // Replace the wildcard by a copy (null for none: it never matches); 0.
  int SetSingleWildCard(const char* wildcard);
  int SetMultipleWildCard(const char* wildcard);
  // The wildcards as UTF-8 text, null for none; owned by the list.
  const char* GetSingleWildCard() const { return m_pcSingle; }
  const char* GetMultipleWildCard() const { return m_pcMultiple; }

  // The words matching word: on the exact tables without a simplifier, else on the simplified
  // tables, comparing with the caller's simplifier. filter and links as in GetWords.
  int GetWildCardWords(ztIStringSimplifier* simplifier, const char* links, const char* word,
                       ZTIRecordFilter* filter, ZTCursor** ppOut);

 private:
  // Where the first wildcard of word begins and where the last one ends (-1 for none).
  void FindWildCards(const char* word, PRInt32* piFirst, PRInt32* piLastEnd) const;
  WildCardFilter* MakeKeyFilter(int mode, ztIStringSimplifier* simplifier, const char* word);

  char* m_pcSingle;
  char* m_pcMultiple;
};

#endif  // FRONTENDS_WORDLIST_ZTWILDCARDWORDLIST_H_
