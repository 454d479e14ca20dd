#include "modules/speller/ZTSpellResult.h"

#include <aspell.h>

#include <cstdlib>
#include <cstring>

#include "modules/speller/ZTSpellError.h"

ZTSpellResult::~ZTSpellResult() {
  Reset(nullptr);
}

int ZTSpellResult::GetNbSuggestions() const {
  if (m_bCorrect) {
    ZTSpellError(ZTSPELL_E_STATE, "[ZTSpellResult::GetNbSuggestions] Word is ok.");
    return 0;
  }
  return m_iNbSuggestions;
}

const char* ZTSpellResult::GetSuggestion(long index) const {
  if (m_bCorrect) {
    ZTSpellError(ZTSPELL_E_STATE, "[ZTSpellResult::GetSuggestion] Word is ok.");
    return "";
  }
  if (index < 0 || index >= m_iNbSuggestions) {
    ZTSpellError(ZTSPELL_E_STATE, "[ZTSpellResult::GetSuggestion] %ld is not a correct index",
                 index);
    return "";
  }
  return m_ppcSuggestions[index];
}

void ZTSpellResult::FreeSuggestions() {
  std::free(m_pcBuffer);
  std::free(m_ppcSuggestions);
  m_pcBuffer = nullptr;
  m_ppcSuggestions = nullptr;
  m_iNbSuggestions = 0;
}

long ZTSpellResult::Reset(const char* word) {
  FreeSuggestions();
  std::free(m_pcWord);
  m_pcWord = nullptr;
  m_bCorrect = 0;
  if (!word) return ZTSPELL_OK;
  m_pcWord = strdup(word);
  if (!m_pcWord) return ZTSpellError(ZTSPELL_E_STATE, "[ZTSpeller::check] Out of memory");
  return ZTSPELL_OK;
}

long ZTSpellResult::SetSuggestions(const AspellWordList* list) {
  if (!list) return ZTSPELL_OK;
  int count = 0;
  size_t size = 0;
  AspellStringEnumeration* elements = aspell_word_list_elements(list);
  while (const char* suggestion = aspell_string_enumeration_next(elements)) {
    ++count;
    size += std::strlen(suggestion) + 1;
  }
  delete_aspell_string_enumeration(elements);
  if (count == 0) return ZTSPELL_OK;
  m_pcBuffer = static_cast<char*>(std::malloc(size));
  m_ppcSuggestions = static_cast<char**>(std::malloc(count * sizeof(char*)));
  if (!m_pcBuffer || !m_ppcSuggestions) {
    FreeSuggestions();
    return ZTSpellError(ZTSPELL_E_STATE, "[ZTSpeller::check] Out of memory");
  }
  m_iNbSuggestions = count;
  CopySuggestions(list);
  return ZTSPELL_OK;
}

void ZTSpellResult::CopySuggestions(const AspellWordList* list) {
  AspellStringEnumeration* elements = aspell_word_list_elements(list);
  char* cursor = m_pcBuffer;
  for (int i = 0; i < m_iNbSuggestions; ++i) {
    const char* suggestion = aspell_string_enumeration_next(elements);
    if (!suggestion) {  // the list changed between the two walks
      m_iNbSuggestions = i;
      break;
    }
    const size_t size = std::strlen(suggestion) + 1;
    std::memcpy(cursor, suggestion, size);
    m_ppcSuggestions[i] = cursor;
    cursor += size;
  }
  delete_aspell_string_enumeration(elements);
}
