#include "core/ZTStringList.h"

#include <plstr.h>
#include <prmem.h>

#include <algorithm>
#include <cstring>

#include "core/ZTErrors.h"
#include "core/detail/ztWholeFile.h"

namespace {

constexpr char kSetFileName[] = "ZTStringList::SetFileName";

bool CaseLess(const char* a, const char* b) {
  return PL_strcasecmp(a, b) < 0;
}

// Calls visit(word) for every non-empty line of text[0, size), cutting the lines in place.
// text[size] must be a spare byte: the last line ends there when it has no line feed.
template <class Visit>
void ForEachLine(char* text, PRUint32 size, Visit visit) {
  char* const end = text + size;
  for (char* line = text; line < end;) {
    char* feed = static_cast<char*>(std::memchr(line, '\n', end - line));
    if (!feed) feed = end;
    *feed = '\0';
    if (feed > line) visit(line);
    line = feed + 1;
  }
}

}  // namespace

ZTStringList::ZTStringList()
    : m_uCount(0), m_pcText(nullptr), m_ppcWords(nullptr), m_bReady(false) {}

ZTStringList::~ZTStringList() {
  Clear();
}

void ZTStringList::Clear() {
  PR_FREEIF(m_ppcWords);
  PR_FREEIF(m_pcText);
  m_uCount = 0;
  m_bReady = false;
}

int ZTStringList::SetFileName(const char* name, const char* /*subname*/) {
  Clear();
  int rc = ZTFile::SetFileName(name, nullptr);
  if (rc) return rc;
  PRUint32 size = 0;
  rc = ztGetFileSize(m_pcPath, kSetFileName, &size);
  // One byte more than the file: a last word without a line feed is terminated there.
  if (!rc) rc = ztReadFileBytes(m_pcPath, kSetFileName, size, 1, &m_pcText);
  if (rc || size == 0) {
    Clear();
    return rc;
  }
  rc = SplitWords(size);
  if (rc) Clear();
  return rc;
}

int ZTStringList::SplitWords(PRUint32 size) {
  // Every word takes at least one byte and its line feed, so (size + 1) / 2 places suffice.
  m_ppcWords = static_cast<char**>(PR_Malloc((size_t{size} + 1) / 2 * sizeof(char*)));
  if (!m_ppcWords) {
    return ZTError(ZT_E_NOMEM, "[%s] Cannot allocate the words of %s", kSetFileName, m_pcPath);
  }
  ForEachLine(m_pcText, size, [this](char* word) { m_ppcWords[m_uCount++] = word; });
  std::sort(m_ppcWords, m_ppcWords + m_uCount, CaseLess);
  m_bReady = true;
  return ZT_OK;
}

int ZTStringList::SetListWithOneWord(const char* word) {
  if (!word) return ZT_E_INVALID;
  Clear();
  const size_t size = std::strlen(word) + 1;
  m_pcText = static_cast<char*>(PR_Malloc(size));
  if (m_pcText) std::memcpy(m_pcText, word, size);
  m_ppcWords = static_cast<char**>(PR_Malloc(sizeof(char*)));
  if (!m_pcText || !m_ppcWords) {
    Clear();
    return ZT_E_NOMEM;
  }
  m_ppcWords[0] = m_pcText;
  m_uCount = 1;
  m_bReady = true;
  return ZT_OK;
}

int ZTStringList::IsPresent(const char* word, int* pbPresent) const {
  if (!pbPresent) return ZT_E_INVALID;
  *pbPresent = 0;
  if (!m_bReady || !m_uCount || !word) return ZT_OK;
  *pbPresent = std::binary_search(m_ppcWords, m_ppcWords + m_uCount, word, CaseLess) ? 1 : 0;
  return ZT_OK;
}
