#include "tools/zt/cli/ztLineEditor.h"

#include <histedit.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace {

const int kHistorySize = 500;
const size_t kListedMax = 60;  // candidates listed below the line at most

size_t CharacterCount(const std::string& text) {
  size_t count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

// The longest common beginning of the candidates, cut before an incomplete UTF-8 character.
std::string CommonPrefix(const std::vector<std::string>& candidates) {
  std::string common = candidates.front();
  for (const std::string& c : candidates) {
    size_t n = 0;
    while (n < common.size() && n < c.size() && common[n] == c[n]) ++n;
    common.resize(n);
  }
  // The last character's first byte, and how many bytes it needs.
  size_t first = common.size();
  while (first > 0 && (static_cast<unsigned char>(common[first - 1]) & 0xC0) == 0x80) --first;
  if (first > 0) {
    const unsigned char lead = static_cast<unsigned char>(common[first - 1]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (first - 1 + length > common.size()) common.resize(first - 1);
  }
  return common;
}

void ListCandidates(const std::vector<std::string>& candidates) {
  std::fputs("\n", stdout);
  for (size_t i = 0; i < candidates.size() && i < kListedMax; ++i) {
    std::printf("  %s\n", candidates[i].c_str());
  }
  if (candidates.size() > kListedMax) std::fputs("  …\n", stdout);
  std::fflush(stdout);
}

}  // namespace

ztLineEditor::ztLineEditor(const char* name, const std::string& prompt, Completer completer)
    : m_prompt(prompt), m_completer(std::move(completer)) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return;
  m_pEditLine = el_init(name, stdin, stdout, stderr);
  if (!m_pEditLine) return;
  m_pHistory = history_init();
  HistEvent event;
  if (m_pHistory) {
    history(m_pHistory, &event, H_SETSIZE, kHistorySize);
    el_set(m_pEditLine, EL_HIST, history, m_pHistory);
  }
  el_set(m_pEditLine, EL_CLIENTDATA, this);
  el_set(m_pEditLine, EL_EDITOR, "emacs");
  el_set(m_pEditLine, EL_SIGNAL, 1);
  el_set(m_pEditLine, EL_PROMPT, &ztLineEditor::Prompt);
  // The wide form keeps these strings as they are; the narrow one copies them and never frees.
  el_wset(m_pEditLine, EL_ADDFN, L"zt-complete", L"complete a headword",
          &ztLineEditor::CompleteKey);
  el_set(m_pEditLine, EL_BIND, "^I", "zt-complete", nullptr);
  el_source(m_pEditLine, nullptr);  // the person's own ~/.editrc
}

ztLineEditor::~ztLineEditor() {
  if (m_pEditLine) el_end(m_pEditLine);
  if (m_pHistory) history_end(m_pHistory);
}

bool ztLineEditor::ReadLine(std::string* pLine) {
  if (!m_pEditLine) {
    if (!std::getline(std::cin, *pLine)) return false;
    if (!pLine->empty() && pLine->back() == '\r') pLine->pop_back();
    return true;
  }
  int count = 0;
  const char* line = el_gets(m_pEditLine, &count);
  if (!line || count <= 0) {
    std::fputs("\n", stdout);
    return false;
  }
  *pLine = line;
  while (!pLine->empty() && (pLine->back() == '\n' || pLine->back() == '\r')) pLine->pop_back();
  HistEvent event;
  if (m_pHistory && !pLine->empty()) history(m_pHistory, &event, H_ENTER, pLine->c_str());
  return true;
}

char* ztLineEditor::Prompt(editline* el) {
  void* self = nullptr;
  el_get(el, EL_CLIENTDATA, &self);
  return const_cast<char*>(static_cast<ztLineEditor*>(self)->m_prompt.c_str());
}

unsigned char ztLineEditor::CompleteKey(editline* el, int) {
  void* self = nullptr;
  el_get(el, EL_CLIENTDATA, &self);
  return static_cast<ztLineEditor*>(self)->Complete(el);
}

// The text before the cursor is replaced by the only candidate, or by the candidates' common
// beginning when it is longer; otherwise the candidates are listed below the line.
unsigned char ztLineEditor::Complete(editline* el) {
  const LineInfo* info = el_line(el);
  const std::string typed(info->buffer, static_cast<size_t>(info->cursor - info->buffer));
  const std::vector<std::string> candidates = m_completer(typed);
  if (candidates.empty()) return CC_ERROR;
  const std::string common = candidates.size() == 1 ? candidates[0] : CommonPrefix(candidates);
  if (candidates.size() == 1 || CharacterCount(common) > CharacterCount(typed)) {
    el_deletestr(el, static_cast<int>(CharacterCount(typed)));
    el_insertstr(el, common.c_str());
    return CC_REFRESH;
  }
  ListCandidates(candidates);
  return CC_REDISPLAY;
}
