// The outcome of checking one word: the word, whether it is correct, and Aspell's suggestions.
#ifndef MODULES_SPELLER_ZTSPELLRESULT_H_
#define MODULES_SPELLER_ZTSPELLRESULT_H_

#include "modules/speller/ZTSpellExport.h"

struct AspellWordList;

class ZTSPELL_API ZTSpellResult {
 public:
  ZTSpellResult() = default;
  ~ZTSpellResult();
  ZTSpellResult(const ZTSpellResult&) = delete;
  ZTSpellResult& operator=(const ZTSpellResult&) = delete;

  // The number of suggestions; for a correct word, prints a message and answers 0.
  int GetNbSuggestions() const;
  // Suggestion number index (from 0); the empty string for a correct word or a bad index.
  const char* GetSuggestion(long index) const;

  bool IsCorrect() const { return m_bCorrect != 0; }
  // The checked word; null before a check.
  const char* GetWord() const { return m_pcWord; }

 private:
  friend class ZTSpeller;

  // Forgets an earlier check and keeps a copy of word; 2004 when memory runs out.
  long Reset(const char* word);
  // Copies the suggestions of list, in Aspell's order; 2004 when memory runs out.
  long SetSuggestions(const AspellWordList* list);
  void CopySuggestions(const AspellWordList* list);
  void FreeSuggestions();

  char* m_pcWord = nullptr;
  char** m_ppcSuggestions = nullptr;
  char* m_pcBuffer = nullptr;
  int m_iNbSuggestions = 0;
  unsigned char m_bCorrect = 0;
};

#endif  // MODULES_SPELLER_ZTSPELLRESULT_H_
