#include "tools/zt/ztHtmlText.h"

#include <algorithm>

#include "tools/zt/ztHeadwordIndex.h"

void ztAppendHtmlEscaped(std::string* out, const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    switch (text[i]) {
      case '&':
        *out += "&amp;";
        break;
      case '<':
        *out += "&lt;";
        break;
      case '>':
        *out += "&gt;";
        break;
      case '"':
        *out += "&quot;";
        break;
      default:
        *out += text[i];
    }
  }
}

void ztAppendSeeLink(std::string* out, const std::string& target, const std::string& text) {
  *out += "<a href=\"";
  *out += ZT_SEE_SCHEME;
  ztAppendHtmlEscaped(out, target);
  *out += "\">";
  ztAppendHtmlEscaped(out, text);
  *out += "</a>";
}

const std::string* ztResolveReference(const ztHeadwordIndex& headwords, const std::string& word,
                                      std::vector<std::string>* see) {
  const std::string* target = headwords.Find(word);
  if (target && std::find(see->begin(), see->end(), *target) == see->end()) {
    see->push_back(*target);
  }
  return target;
}

bool ztAppendReference(const ztHeadwordIndex& headwords, const std::string& word,
                       const std::string& text, std::string* out, std::vector<std::string>* see) {
  const std::string* target = ztResolveReference(headwords, word, see);
  if (target) ztAppendSeeLink(out, *target, text);
  return target != nullptr;
}

std::string ztDecodeEntities(const std::string& text) {
  static const struct {
    const char* m_pcEntity;
    char m_c;
  } kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    bool replaced = false;
    for (const auto& e : kEntities) {
      size_t length = std::char_traits<char>::length(e.m_pcEntity);
      if (!replaced && text.compare(i, length, e.m_pcEntity) == 0) {
        out += e.m_c;
        i += length - 1;
        replaced = true;
      }
    }
    if (!replaced) out += text[i];
  }
  return out;
}
