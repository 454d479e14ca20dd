#include "tools/zt/detail/ztStarDictMarkup.h"

#include <cstring>

#include "tools/zt/ztHtmlText.h"

namespace {

struct ztXdxfTag {
  const char* m_pcName;
  const char* m_pcOpen;
  const char* m_pcClose;
};

const ztXdxfTag kXdxfTags[] = {
    {"k", "<b>", "</b>"},
    {"tr", "<span class=\"phonetic\">[", "]</span>"},
    {"ex", "<span class=\"example\">", "</span>"},
    {"abr", "<abbr>", "</abbr>"},
    {"co", "<span class=\"comment\">", "</span>"},
    {"dtrn", "<span class=\"translation\">", "</span>"},
    {"c", "<span class=\"color\">", "</span>"},
    {"b", "<b>", "</b>"},
    {"i", "<i>", "</i>"},
    {"u", "<u>", "</u>"},
    {"sub", "<sub>", "</sub>"},
    {"sup", "<sup>", "</sup>"},
    {"blockquote", "<blockquote>", "</blockquote>"},
    {"br", "<br>", ""},
};

std::string TagName(const std::string& inner) {
  size_t start = !inner.empty() && inner[0] == '/' ? 1 : 0;
  size_t end = inner.find_first_of(" \t\r\n/", start);
  return inner.substr(start, end == std::string::npos ? end : end - start);
}

void AppendBreaks(const std::string& text, size_t from, size_t to, std::string* html) {
  for (size_t i = from; i < to; ++i) {
    if (text[i] == '\n') {
      *html += "<br>\n";
    } else {
      *html += text[i];
    }
  }
}

// At the "<kref...>" ending at close: writes the reference and answers the position after
// its "</kref>", or close + 1 when it has none.
size_t XdxfReference(const std::string& text, size_t close, const ztHeadwordIndex& headwords,
                     std::string* html, std::vector<std::string>* see) {
  size_t end = text.find("</kref>", close + 1);
  if (end == std::string::npos) return close + 1;
  std::string word = ztDecodeEntities(text.substr(close + 1, end - close - 1));
  if (!ztAppendReference(headwords, word, word, html, see)) ztAppendHtmlEscaped(html, word);
  return end + std::strlen("</kref>");
}

}  // namespace

void ztXdxfToHtml(const std::string& text, const ztHeadwordIndex& headwords, std::string* html,
                  std::vector<std::string>* see) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('<', pos);
    size_t close = open == std::string::npos ? open : text.find('>', open);
    if (close == std::string::npos) {
      AppendBreaks(text, pos, text.size(), html);
      return;
    }
    AppendBreaks(text, pos, open, html);
    std::string inner = text.substr(open + 1, close - open - 1);
    std::string name = TagName(inner);
    pos = close + 1;
    if (name == "kref" && inner[0] != '/') {
      pos = XdxfReference(text, close, headwords, html, see);
      continue;
    }
    for (const ztXdxfTag& tag : kXdxfTags) {
      if (name == tag.m_pcName) *html += inner[0] == '/' ? tag.m_pcClose : tag.m_pcOpen;
    }
  }
}

void ztStarDictHtml(const std::string& text, const ztHeadwordIndex& headwords, std::string* html,
                    std::vector<std::string>* see) {
  static const char kLink[] = "href=\"bword://";
  size_t pos = 0;
  for (;;) {
    size_t link = text.find(kLink, pos);
    size_t start = link == std::string::npos ? link : link + std::strlen(kLink);
    size_t end = start == std::string::npos ? start : text.find('"', start);
    if (end == std::string::npos) break;
    html->append(text, pos, link - pos);
    std::string word = ztDecodeEntities(text.substr(start, end - start));
    const std::string* target = ztResolveReference(headwords, word, see);
    if (target) {
      *html += "href=\"";
      *html += ZT_SEE_SCHEME;
      ztAppendHtmlEscaped(html, *target);
      *html += '"';
    } else {
      html->append(text, link, end + 1 - link);
    }
    pos = end + 1;
  }
  html->append(text, pos, std::string::npos);
}

void ztPangoToHtml(const std::string& text, std::string* html) {
  AppendBreaks(text, 0, text.size(), html);
}
