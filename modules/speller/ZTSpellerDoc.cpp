#include "modules/speller/ZTSpellerDoc.h"

#include <aspell.h>

#include <cstring>

#include "modules/speller/ZTSpellError.h"

ZTSpellerDoc::~ZTSpellerDoc() {
  if (m_pChecker) delete_aspell_document_checker(m_pChecker);
}

long ZTSpellerDoc::reset() {
  if (!m_pChecker)
    return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpellerDoc::reset] null underlying object");
  aspell_document_checker_reset(m_pChecker);
  return ZTSPELL_OK;
}

long ZTSpellerDoc::write(const char* text) {
  if (!m_pChecker)
    return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpellerDoc::write] null underlying object");
  if (!text) return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpellerDoc::write] Null argument");
  aspell_document_checker_process(m_pChecker, text, std::strlen(text));
  return ZTSPELL_OK;
}

long ZTSpellerDoc::getNextMistake(long* offset, long* length) {
  if (!m_pChecker)
    return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpellerDoc::write] null underlying object");
  if (!offset || !length)
    return ZTSpellError(ZTSPELL_E_ARGUMENT, "[ZTSpellerDoc::getNextMistake] Null argument");
  const AspellToken token = aspell_document_checker_next_misspelling(m_pChecker);
  *offset = token.offset;
  *length = token.len;
  return ZTSPELL_OK;
}
