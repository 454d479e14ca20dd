#include "modules/speller/ZTSpeller.h"

#include <aspell.h>

#include <cstring>

#include "modules/speller/ZTSpellError.h"
#include "modules/speller/ZTSpellResult.h"
#include "modules/speller/ZTSpellerDoc.h"

namespace {

// Engine text is UTF-8 whatever the process locale says.
AspellConfig* NewConfig(const char* prefix, const char* lang) {
  AspellConfig* config = new_aspell_config();
  if (prefix) aspell_config_replace(config, "prefix", prefix);
  if (lang) aspell_config_replace(config, "lang", lang);
  aspell_config_replace(config, "encoding", "utf-8");
  return config;
}

}  // namespace

ZTSpeller::~ZTSpeller() {
  Drop();
}

void ZTSpeller::Drop() {
  if (m_pSpeller) delete_aspell_speller(m_pSpeller);
  m_pSpeller = nullptr;
  m_bReady = 0;
}

long ZTSpeller::GetReadyWithLang(const char* prefix, const char* lang) {
  Drop();
  AspellConfig* config = NewConfig(prefix, lang);
  AspellCanHaveError* created = new_aspell_speller(config);
  delete_aspell_config(config);
  if (aspell_error_number(created) != 0) {
    const long code =
        ZTSpellError(ZTSPELL_E_ASPELL, "[ZTSpeller::GetReady] can not get aspell running : %s",
                     aspell_error_message(created));
    delete_aspell_can_have_error(created);
    return code;
  }
  m_pSpeller = to_aspell_speller(created);
  if (!m_pSpeller)
    return ZTSpellError(ZTSPELL_E_STATE, "[ZTSpeller::GetReady] can not create aspell checker");
  m_bReady = 1;
  return ZTSPELL_OK;
}

long ZTSpeller::CheckUsable(const char* argument) const {
  if (!argument) return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpeller::check] Null argument test");
  return CheckReady();
}

long ZTSpeller::CheckReady() const {
  if (!m_bReady) return ZTSpellError(ZTSPELL_E_STATE, "[ZTSpeller::check] aspell not ready");
  return ZTSPELL_OK;
}

long ZTSpeller::AspellResult(const char* operation) const {
  if (aspell_speller_error_number(m_pSpeller) == 0) return ZTSPELL_OK;
  return ZTSpellError(ZTSPELL_E_ASPELL, "[ZTSpeller::%s] aspell error : %s", operation,
                      aspell_speller_error_message(m_pSpeller));
}

long ZTSpeller::Check(const char* word, ZTSpellResult* result) {
  if (!result) return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpeller::check] Null argument result");
  if (long code = CheckUsable(word)) return code;
  if (long code = result->Reset(word)) return code;
  const int answer = aspell_speller_check(m_pSpeller, word, -1);
  if (answer < 0) return AspellResult("check");
  if (answer > 0) {
    result->m_bCorrect = 1;
    return ZTSPELL_OK;
  }
  const AspellWordList* suggestions = aspell_speller_suggest(m_pSpeller, word, -1);
  if (!suggestions) return AspellResult("check");
  return result->SetSuggestions(suggestions);
}

long ZTSpeller::StoreReplacement(const char* misspelled, const char* correction) {
  if (long code = CheckUsable(misspelled ? correction : nullptr)) return code;
  aspell_speller_store_replacement(m_pSpeller, misspelled, std::strlen(misspelled), correction,
                                   std::strlen(correction));
  return AspellResult("StoreReplacement");
}

long ZTSpeller::AddToPersonal(const char* word) {
  if (long code = CheckUsable(word)) return code;
  aspell_speller_add_to_personal(m_pSpeller, word, -1);
  return AspellResult("AddToPersonal");
}

long ZTSpeller::SavePersonal() {
  if (long code = CheckReady()) return code;
  aspell_speller_save_all_word_lists(m_pSpeller);
  return AspellResult("SavePersonal");
}

long ZTSpeller::AddToSession(const char* word) {
  if (long code = CheckUsable(word)) return code;
  aspell_speller_add_to_session(m_pSpeller, word, -1);
  return AspellResult("AddToSession");
}

long ZTSpeller::ClearSession() {
  if (long code = CheckReady()) return code;
  aspell_speller_clear_session(m_pSpeller);
  return AspellResult("ClearSession");
}

long ZTSpeller::GetSpellerDoc(ZTSpellerDoc** ppOut) {
  if (!ppOut) return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpeller::GetSpellerDoc] Null argument");
  *ppOut = nullptr;
  if (long code = CheckReady()) return code;
  AspellCanHaveError* created = new_aspell_document_checker(m_pSpeller);
  if (aspell_error_number(created) != 0) {
    const long code = ZTSpellError(ZTSPELL_E_ASPELL,
                                   "[ZTSpeller::GetSpellerDoc] can not get checker running : %s",
                                   aspell_error_message(created));
    delete_aspell_can_have_error(created);
    return code;
  }
  *ppOut = new ZTSpellerDoc(to_aspell_document_checker(created));
  return ZTSPELL_OK;
}
