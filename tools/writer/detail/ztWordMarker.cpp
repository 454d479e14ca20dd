#include "tools/writer/detail/ztWordMarker.h"

#include <prenv.h>
#include <prio.h>
#include <prprf.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "core/ZTIntegerList.h"
#include "core/ZTStringList.h"
#include "core/ztTokenize.h"
#include "core/ztUTF8.h"
#include "tools/writer/detail/ztColumnTable.h"
#include "tools/writer/detail/ztHtmlEntity.h"
#include "tools/writer/detail/ztHtmlMarkup.h"

namespace {

const char kWho[] = "ztWordMarker::Init";
const char kOpen[] = "<?ZT W?>";
const char kClose[] = "<?ZT /W?>";

int NewList(const std::vector<PRUint32>& values, ZTIntegerList** ppList) {
  *ppList = new (std::nothrow) ZTIntegerList();
  if (!*ppList) return ZTError(ZT_E_NOMEM, "[%s] Out of memory", kWho);
  return (*ppList)->SetListFromArray(values.data(), static_cast<PRUint32>(values.size()), PR_TRUE);
}

// A string list loads several words only from a file: they go through a temporary one.
int LoadWords(ZTStringList* list, const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  const char* tmp = PR_GetEnv("TMPDIR");
  char* path = PR_smprintf("%s/ztwords.%d.%p.txt", tmp && *tmp ? tmp : "/tmp",
                           static_cast<int>(getpid()), static_cast<void*>(list));
  if (!path) return ZTError(ZT_E_NOMEM, "[%s] Out of memory", kWho);
  int rc = ztWriteTextFile(path, text, kWho);
  if (!rc) rc = list->SetFileName(path, nullptr);
  PR_Delete(path);
  PR_smprintf_free(path);
  return rc;
}

// An empty list stays not ready: it holds no word.
int NewWords(const std::vector<std::string>& words, ZTStringList** ppList) {
  *ppList = new (std::nothrow) ZTStringList();
  if (!*ppList) return ZTError(ZT_E_NOMEM, "[%s] Out of memory", kWho);
  if (words.empty()) return ZT_OK;
  if (words.size() == 1) return (*ppList)->SetListWithOneWord(words[0].c_str());
  return LoadWords(*ppList, words);
}

}  // namespace

ztWordMarker::ztWordMarker() : m_pTokenize(nullptr), m_pcWord(nullptr), m_uWordCapacity(0) {
  std::fill(m_ascii, m_ascii + 0x80, kOther);
}

ztWordMarker::~ztWordMarker() {
  ztRelease(m_pTokenize);
  UTF8Free(m_pcWord);
}

int ztWordMarker::Init(const std::vector<PRUint32>& hard, const std::vector<PRUint32>& soft,
                       const std::vector<std::string>& exceptions) {
  ZTIntegerList *separators = nullptr, *joiners = nullptr;
  ZTStringList* words = nullptr;
  int rc = NewList(hard, &separators);
  if (!rc) rc = NewList(soft, &joiners);
  if (!rc) rc = NewWords(exceptions, &words);
  ztTokenize* tokenize = rc ? nullptr : new (std::nothrow) ztTokenize();
  if (!rc && !tokenize) rc = ZTError(ZT_E_NOMEM, "[%s] Out of memory", kWho);
  // References in the text are decoded before the tokenizer sees it.
  if (!rc) rc = tokenize->Init(separators, joiners, words, PR_FALSE);
  ztRelease(separators);
  ztRelease(joiners);
  ztRelease(words);
  if (rc) {
    ztRelease(tokenize);
    return rc;
  }
  ztRelease(m_pTokenize);
  m_pTokenize = tokenize;
  // A character that both separates and joins separates; a reference may decode to anything.
  for (PRUint32 c = 0; c < 0x80; ++c) {
    const bool separates = std::find(hard.begin(), hard.end(), c) != hard.end();
    const bool joins = std::find(soft.begin(), soft.end(), c) != soft.end();
    if (c == '&' || c == 0 || (joins && !separates)) {
      m_ascii[c] = kOther;
    } else {
      m_ascii[c] = separates ? kSeparatorByte : kWordByte;
    }
  }
  return ZT_OK;
}

int ztWordMarker::Mark(const std::string& html, const Sink& sink, std::string* pOut) {
  if (!m_pTokenize) return ZTError(ZT_E_STATE, "[ztWordMarker::Mark] Not initialised");
  size_t i = 0;
  while (i < html.size()) {
    // Markup, scripts and style sheets included, is copied as it is.
    size_t end = html[i] == '<' ? ztHtmlMarkupEnd(html, i) : html.find('<', i);
    if (end == std::string::npos) end = html.size();
    if (html[i] == '<') {
      // Markers already in the text would shift every position after them: they are dropped.
      if (pOut && html.compare(i, 4, "<?ZT") != 0) pOut->append(html, i, end - i);
    } else if (int rc = MarkText(html.data() + i, end - i, sink, pOut)) {
      return rc;
    }
    i = end;
  }
  return ZT_OK;
}

void ztWordMarker::Decode(const char* text, size_t length) {
  m_chars.clear();
  m_offsets.clear();
  size_t i = 0;
  while (i < length) {
    PRUint32 c = 0, bytes = 0;
    size_t reference = 0;
    m_offsets.push_back(i);
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80 && byte != '&') {  // most text is ASCII
      c = byte;
      ++i;
    } else if (ztDecodeHtmlEntity(text + i, length - i, &c, &reference)) {
      i += reference;
    } else {
      CharUTF8ToUCS4(&c, text + i, &bytes);
      i += bytes ? bytes : 1;
    }
    m_chars.push_back(c);
  }
  m_offsets.push_back(length);
  m_chars.push_back(0);
}

int ztWordMarker::EmitWord(const char* text, PRUint32 copied, PRUint32 first, PRUint32 count,
                           const Sink& sink, std::string* pOut) {
  const char* begin = text + m_offsets[first];
  const size_t length = m_offsets[first + count] - m_offsets[first];
  int rc = ZT_OK;
  if (!std::memchr(begin, '&', length)) {  // no reference: the word is the text as written
    rc = sink(begin, length);
  } else {
    PRUint32 written = 0;
    rc = UCS4LenToUTF8Buffer(&m_pcWord, &m_uWordCapacity, &written, m_chars.data() + first, count,
                             PR_TRUE);
    if (!rc) rc = sink(m_pcWord, written);
  }
  if (!rc && pOut) {
    AppendMarked(text + m_offsets[copied], m_offsets[first] - m_offsets[copied], begin, length,
                 pOut);
  }
  return rc;
}

// The string grows once for the text before the word, the word and its markers (it grows for
// every word of an article).
void ztWordMarker::AppendMarked(const char* before, size_t beforeLength, const char* word,
                                size_t length, std::string* pOut) {
  const size_t open = sizeof(kOpen) - 1, close = sizeof(kClose) - 1, at = pOut->size();
  pOut->resize(at + beforeLength + open + length + close);
  char* out = &(*pOut)[at];
  std::memcpy(out, before, beforeLength);
  std::memcpy(out + beforeLength, kOpen, open);
  std::memcpy(out + beforeLength + open, word, length);
  std::memcpy(out + beforeLength + open + length, kClose, close);
}

bool ztWordMarker::IsPlain(const char* text, size_t length) const {
  for (size_t i = 0; i < length; ++i) {
    if (ClassOf(text[i]) == kOther) return false;
  }
  return true;
}

// Words are the runs of word bytes between separators.
int ztWordMarker::MarkPlain(const char* text, size_t length, const Sink& sink, std::string* pOut) {
  size_t i = 0, copied = 0;
  while (i < length) {
    while (i < length && ClassOf(text[i]) == kSeparatorByte) ++i;
    if (i == length) break;
    const size_t begin = i;
    while (i < length && ClassOf(text[i]) == kWordByte) ++i;
    if (int rc = sink(text + begin, i - begin)) return rc;
    if (pOut) AppendMarked(text + copied, begin - copied, text + begin, i - begin, pOut);
    copied = i;
  }
  if (pOut) pOut->append(text + copied, length - copied);
  return ZT_OK;
}

int ztWordMarker::MarkText(const char* text, size_t length, const Sink& sink, std::string* pOut) {
  if (IsPlain(text, length)) return MarkPlain(text, length, sink, pOut);
  Decode(text, length);
  const PRUint32 count = static_cast<PRUint32>(m_chars.size() - 1);
  PRUint32 p = 0, copied = 0;
  while (p < count) {
    PRUint32 space = 0, word = 0;
    int rc = m_pTokenize->NextEndOfSpace(m_chars.data() + p, count - p, &space);
    if (rc) return rc;
    p += space;
    if (p >= count) break;
    rc = m_pTokenize->NextEndOfWord(m_chars.data() + p, count - p, &word);
    if (rc) return rc;
    if (word == 0) {  // a joiner that no exception word begins with: space
      ++p;
      continue;
    }
    rc = EmitWord(text, copied, p, word, sink, pOut);
    if (rc) return rc;
    p += word;
    copied = p;
  }
  if (pOut) pOut->append(text + m_offsets[copied], length - m_offsets[copied]);
  return ZT_OK;
}
