// Spelling checks, suggestions and word lists for one language, through GNU Aspell.
#ifndef MODULES_SPELLER_ZTSPELLER_H_
#define MODULES_SPELLER_ZTSPELLER_H_

#include "modules/speller/ZTSpellExport.h"

struct AspellSpeller;
class ZTSpellResult;
class ZTSpellerDoc;

class ZTSPELL_API ZTSpeller {
 public:
  ZTSpeller() = default;
  virtual ~ZTSpeller();
  ZTSpeller(const ZTSpeller&) = delete;
  ZTSpeller& operator=(const ZTSpeller&) = delete;

  // Starts Aspell with the dictionaries below prefix (when given) for lang (when given, else
  // Aspell's default language). 2005 with Aspell's message when it cannot start.
  long GetReadyWithLang(const char* prefix, const char* lang);
  long GetReady(const char* prefix) { return GetReadyWithLang(prefix, nullptr); }

  // Checks word and fills result (a correct flag, else Aspell's suggestions in its order).
  long Check(const char* word, ZTSpellResult* result);
  long StoreReplacement(const char* misspelled, const char* correction);
  long AddToPersonal(const char* word);
  // Writes the personal word list and the replacements to disk.
  long SavePersonal();
  long AddToSession(const char* word);
  long ClearSession();
  // A new document checker over this speller; the caller owns and deletes it.
  long GetSpellerDoc(ZTSpellerDoc** ppOut);

  bool IsReady() const { return m_bReady != 0; }

 private:
  void Drop();
  long CheckReady() const;
  long CheckUsable(const char* argument) const;
  // 2005 with Aspell's message when the last call on the speller failed.
  long AspellResult(const char* operation) const;

  unsigned char m_bReady = 0;
  AspellSpeller* m_pSpeller = nullptr;
};

#endif  // MODULES_SPELLER_ZTSPELLER_H_
