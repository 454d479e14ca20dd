#include "tools/zt/ztPlainTextHtml.h"

#include <algorithm>

#include "tools/zt/ztHeadwordIndex.h"
#include "tools/zt/ztHtmlText.h"

namespace {

// A reference in braces longer than this is taken as plain text.
constexpr size_t kMaxReference = 200;
// Text is taken as wrapped at its longest line, or at this width when all lines are shorter.
constexpr size_t kMinWrapWidth = 60;

struct ztLine {
  size_t m_uIndent;
  std::string m_text;  // without the indentation and trailing white space
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}

std::vector<ztLine> SplitLines(const std::string& text) {
  std::vector<ztLine> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t first = start;
    while (first < end && IsSpace(text[first])) ++first;
    size_t last = end;
    while (last > first && IsSpace(text[last - 1])) --last;
    lines.push_back({first - start, text.substr(first, last - first)});
    start = end + 1;
  }
  return lines;
}

// "2:", "n 1:", "adj 3.", "4)".
bool StartsNumberedSense(const std::string& line) {
  size_t i = 0;
  while (i < line.size() && i < 4 && IsLower(line[i])) ++i;
  if (i > 0) {
    if (i == line.size() || line[i] != ' ') return false;
    ++i;
  }
  size_t digits = i;
  while (i < line.size() && IsDigit(line[i])) ++i;
  return i > digits && i < line.size() && (line[i] == ':' || line[i] == '.' || line[i] == ')');
}

// A line wrapped after the hyphen of a compound ("ex-" then "husband") joins without a space.
bool EndsWithHyphen(const std::string& line) {
  size_t n = line.size();
  return n >= 2 && line[n - 1] == '-' && line[n - 2] != ' ' && line[n - 2] != '-';
}

size_t FirstWordLength(const std::string& line) {
  size_t end = line.find(' ');
  return end == std::string::npos ? line.size() : end;
}

bool KeepBreak(const ztLine& line, const ztLine& next, size_t width) {
  if (next.m_uIndent < line.m_uIndent || StartsNumberedSense(next.m_text)) return true;
  return line.m_uIndent + line.m_text.size() + 1 + FirstWordLength(next.m_text) <= width;
}

class ztArticleWriter {
 public:
  ztArticleWriter(const ztHeadwordIndex* headwords, std::string* html,
                  std::vector<std::string>* see)
      : m_pHeadwords(headwords), m_pHtml(html), m_pSee(see) {}

  // Writes one paragraph whose kept line breaks are '\n'.
  void Paragraph(const std::string& text) {
    *m_pHtml += "<p>";
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') {
        *m_pHtml += "<br>\n";
      } else if (text[i] != '{' || !m_pHeadwords || !Reference(text, &i)) {
        ztAppendHtmlEscaped(m_pHtml, &text[i], 1);
      }
    }
    *m_pHtml += "</p>\n";
  }

 private:
  // At the '{' of text[*pos]: writes the reference and moves *pos to its '}'; false when the
  // brace opens no reference.
  bool Reference(const std::string& text, size_t* pos) {
    size_t close = text.find_first_of("{}", *pos + 1);
    if (close == std::string::npos || text[close] != '}' || close - *pos > kMaxReference) {
      return false;
    }
    std::string word = text.substr(*pos + 1, close - *pos - 1);
    std::replace(word.begin(), word.end(), '\n', ' ');
    if (!ztAppendReference(*m_pHeadwords, word, word, m_pHtml, m_pSee)) {
      ztAppendHtmlEscaped(m_pHtml, word);
    }
    *pos = close;
    return true;
  }

  const ztHeadwordIndex* m_pHeadwords;
  std::string* m_pHtml;
  std::vector<std::string>* m_pSee;
};

}  // namespace

void ztPlainTextHtml(const std::string& text, const ztHeadwordIndex* headwords, std::string* html,
                     std::vector<std::string>* see) {
  std::vector<ztLine> lines = SplitLines(text);
  size_t width = kMinWrapWidth;
  for (const ztLine& line : lines) width = std::max(width, line.m_uIndent + line.m_text.size());
  ztArticleWriter writer(headwords, html, see);
  std::string paragraph;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].m_text.empty()) continue;
    paragraph += lines[i].m_text;
    bool last = i + 1 == lines.size() || lines[i + 1].m_text.empty();
    if (last) {
      writer.Paragraph(paragraph);
      paragraph.clear();
    } else {
      if (KeepBreak(lines[i], lines[i + 1], width)) {
        paragraph += '\n';
      } else if (!EndsWithHyphen(lines[i].m_text)) {
        paragraph += ' ';
      }
    }
  }
}
