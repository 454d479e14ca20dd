#include "core/ztTokenize.h"

#include <new>

#include "core/ZTErrors.h"
#include "core/ZTIntegerList.h"
#include "core/ZTStringList.h"
#include "core/ztUTF8.h"

namespace {

// No position: also the scan limit when the text ends only at its 0 value.
constexpr PRUint32 kNone = PR_UINT32_MAX;
// How far after a '&' the ';' of an entity may lie.
constexpr PRUint32 kEntityReach = 7;
const PRUint32 kNbsp[] = {'&', 'n', 'b', 's', 'p'};
constexpr PRUint32 kNbspLength = sizeof(kNbsp) / sizeof(kNbsp[0]);

const char kDefaultSeparators[] = "!#()+,./:;<>^_`[]{|}~- \n\r\t\xC2\xA0";
const char kDefaultJoiners[] = "'";
const char kDefaultException[] = "aujourd'hui";

PRUint32 Limit(PRUint32 end) {
  return end ? end : kNone;
}

// Keeps a reference to given, or makes a list with its default content.
template <class List>
int Install(List** ppField, List* given, int (List::*set)(const char*), const char* byDefault) {
  if (given) {
    given->AddRef();
  } else {
    given = new (std::nothrow) List();
    if (!given) return ZTError(ZT_E_NOMEM, "[ztTokenize::Init] Out of memory");
    if (int rc = (given->*set)(byDefault)) {
      given->Release();
      return rc;
    }
  }
  ztRelease(*ppField);
  *ppField = given;
  return ZT_OK;
}

}  // namespace

ztTokenize::ztTokenize()
    : m_pSeparators(nullptr),
      m_pJoiners(nullptr),
      m_pExceptions(nullptr),
      m_bInitialised(false),
      m_bEntities(false) {}

ztTokenize::~ztTokenize() {
  ztRelease(m_pSeparators);
  ztRelease(m_pJoiners);
  ztRelease(m_pExceptions);
}

int ztTokenize::Init(ZTIntegerList* pSeparators, ZTIntegerList* pJoiners, ZTStringList* pExceptions,
                     PRBool bEntities) {
  int rc = Install(&m_pSeparators, pSeparators, &ZTIntegerList::SetListFromUTF8String,
                   kDefaultSeparators);
  if (rc == ZT_OK)
    rc = Install(&m_pJoiners, pJoiners, &ZTIntegerList::SetListFromUTF8String, kDefaultJoiners);
  if (rc == ZT_OK)
    rc = Install(&m_pExceptions, pExceptions, &ZTStringList::SetListWithOneWord, kDefaultException);
  if (rc) return rc;
  m_bInitialised = true;
  m_bEntities = bEntities;
  return ZT_OK;
}

int ztTokenize::CheckIfEntity(const PRUint32* text, PRUint32 start, PRUint32 end, PRBool* pbNbsp,
                              PRUint32* puPos) const {
  const PRUint32 limit = Limit(end);
  if (pbNbsp) *pbNbsp = PR_FALSE;
  for (PRUint32 i = start; i - start <= kEntityReach && i < limit && text[i]; ++i) {
    if (text[i] != ';') continue;
    if (puPos) *puPos = i;
    // Only a ';' exactly five places on can close "&nbsp;": nothing before start is read.
    if (pbNbsp && i - start == kNbspLength) {
      PRUint32 k = 0;
      while (k < kNbspLength && text[start + k] == kNbsp[k]) ++k;
      *pbNbsp = k == kNbspLength;
    }
    return 1;
  }
  return 0;
}

bool ztTokenize::EntityAt(const PRUint32* text, PRUint32 i, PRUint32 end, PRBool* pbNbsp,
                          PRUint32* puSemicolon) const {
  return m_bEntities && text[i] == '&' && CheckIfEntity(text, i, end, pbNbsp, puSemicolon);
}

int ztTokenize::Ready(const char* operation, const PRUint32* text, const PRUint32* puPos) const {
  if (!text || !puPos) return ZT_E_INVALID;
  if (!m_bInitialised) return ZTError(ZT_E_STATE, "[ztTokenize::%s] Not initialised", operation);
  return ZT_OK;
}

int ztTokenize::Classify(PRUint32 c, bool* pbSeparator, bool* pbJoiner) const {
  int present = 0;
  *pbJoiner = false;
  int rc = m_pSeparators->IsPresent(c, &present);
  *pbSeparator = present != 0;
  if (rc || present) return rc;
  rc = m_pJoiners->IsPresent(c, &present);
  *pbJoiner = present != 0;
  return rc;
}

int ztTokenize::IsException(const PRUint32* text, PRUint32 from, PRUint32 to, bool* pbIs) const {
  *pbIs = false;
  if (m_pExceptions->GetCount() == 0) return ZT_OK;
  char* word = nullptr;
  UCS4LenToNewUTF8(&word, text + from, to - from);
  if (!word) return ZTError(ZT_E_NOMEM, "[ztTokenize] Out of memory");
  int present = 0;
  const int rc = m_pExceptions->IsPresent(word, &present);
  UTF8Free(word);
  *pbIs = present != 0;
  return rc;
}

int ztTokenize::ScanWord(const PRUint32* text, PRUint32 end, PRUint32* puEnd,
                         PRUint32* puJoiner) const {
  const PRUint32 limit = Limit(end);
  PRUint32 i = 0;
  *puJoiner = kNone;
  while (i < limit && text[i]) {
    PRBool nbsp = PR_FALSE;
    PRUint32 semicolon = i;
    if (EntityAt(text, i, end, &nbsp, &semicolon)) {
      if (nbsp) break;
      i = semicolon + 1;  // any other entity is part of the word
      continue;
    }
    bool separator = false, joiner = false;
    if (int rc = Classify(text[i], &separator, &joiner)) return rc;
    if (separator) break;
    if (!joiner) {
      ++i;
      continue;
    }
    if (*puJoiner != kNone) break;  // a later joiner ends the scan
    *puJoiner = i++;
    // a run of joiners right after the first one belongs to the word
    while (i < limit && text[i]) {
      if (int rc = Classify(text[i], &separator, &joiner)) return rc;
      if (!joiner) break;
      ++i;
    }
  }
  *puEnd = i;
  return ZT_OK;
}

int ztTokenize::NextEndOfWord(const PRUint32* text, PRUint32 end, PRUint32* puPos) {
  if (int rc = Ready("NextEndOfWord", text, puPos)) return rc;
  PRUint32 wordEnd = 0, joiner = kNone;
  if (int rc = ScanWord(text, end, &wordEnd, &joiner)) return rc;
  if (joiner != kNone) {
    bool exception = false;
    if (int rc = IsException(text, 0, wordEnd, &exception)) return rc;
    if (!exception) wordEnd = joiner;
  }
  *puPos = wordEnd;
  return ZT_OK;
}

// Separators and no-break-space entities are space. A run of joiners is space too, unless it is
// one of the exception words: then the next word begins with it.
int ztTokenize::NextEndOfSpace(const PRUint32* text, PRUint32 end, PRUint32* puPos) {
  if (int rc = Ready("NextEndOfSpace", text, puPos)) return rc;
  const PRUint32 limit = Limit(end);
  PRUint32 i = 0, candidate = kNone;
  while (i < limit && text[i]) {
    PRBool nbsp = PR_FALSE;
    PRUint32 next = i;
    bool space = false, joiner = false;
    if (EntityAt(text, i, end, &nbsp, &next)) {
      space = nbsp;  // any other entity begins a word
    } else if (int rc = Classify(text[i], &space, &joiner)) {
      return rc;
    }
    if (joiner) {
      if (candidate == kNone) candidate = i;
      ++i;
      continue;
    }
    if (candidate != kNone) {
      bool exception = false;
      if (int rc = IsException(text, candidate, i, &exception)) return rc;
      if (exception) {
        *puPos = candidate;
        return ZT_OK;
      }
      candidate = kNone;
    }
    if (!space) break;
    i = next + 1;
  }
  bool exception = false;
  if (candidate != kNone) {
    if (int rc = IsException(text, candidate, i, &exception)) return rc;
  }
  *puPos = exception ? candidate : i;
  return ZT_OK;
}
