#include "modules/unicode/ztUnicodeMap.h"

#include <plstr.h>
#include <prmem.h>

#include <algorithm>

#include "core/ZTErrors.h"

namespace {

constexpr PRUint32 kFirstCapacity = 8;

}  // namespace

ztUnicodeMap::ztUnicodeMap() : m_pEntries(nullptr), m_uCount(0), m_uCapacity(0) {}

ztUnicodeMap::~ztUnicodeMap() {
  for (PRUint32 i = 0; i < m_uCount; ++i) PL_strfree(m_pEntries[i].m_pcReplacement);
  PR_Free(m_pEntries);
}

int ztUnicodeMap::Add(PRUint32 code, const char* replacement, PRUint32 length) {
  if (m_uCount == m_uCapacity) {
    const PRUint32 capacity = m_uCapacity ? 2 * m_uCapacity : kFirstCapacity;
    Entry* grown = static_cast<Entry*>(PR_Realloc(m_pEntries, capacity * sizeof(Entry)));
    if (!grown) return ZTError(ZT_E_NOMEM, "[ztStringUnicodeSimplifier] Out of memory");
    m_pEntries = grown;
    m_uCapacity = capacity;
  }
  char* copy = PL_strndup(replacement, length);
  if (!copy) return ZTError(ZT_E_NOMEM, "[ztStringUnicodeSimplifier] Out of memory");
  m_pEntries[m_uCount++] = {code, PL_strlen(copy), copy};
  return ZT_OK;
}

void ztUnicodeMap::Sort() {
  std::stable_sort(m_pEntries, m_pEntries + m_uCount,
                   [](const Entry& a, const Entry& b) { return a.m_uCode < b.m_uCode; });
}

const char* ztUnicodeMap::Find(PRUint32 code, PRUint32* puLength) const {
  const Entry* begin = m_pEntries;
  const Entry* end = begin + m_uCount;
  const Entry* found =
      std::lower_bound(begin, end, code, [](const Entry& e, PRUint32 c) { return e.m_uCode < c; });
  if (found == end || found->m_uCode != code) return nullptr;
  *puLength = found->m_uLength;
  return found->m_pcReplacement;
}
