#include "tools/writer/detail/ztHtmlMarkup.h"

#include <plstr.h>

#include <cstring>

namespace {

// The end of the tag or comment that begins at html[from].
size_t TagEnd(const std::string& html, size_t from) {
  const bool comment = html.compare(from, 4, "<!--") == 0;
  const size_t end = comment ? html.find("-->", from + 4) : html.find('>', from + 1);
  if (end == std::string::npos) return html.size();
  return end + (comment ? 3 : 1);
}

// Whether the tag at html[from] opens an element whose content is not text ("script", "style"),
// any case; *pName gets the name.
bool OpensRawText(const std::string& html, size_t from, const char** pName) {
  for (const char* name : {"script", "style"}) {
    const size_t n = std::strlen(name);
    if (html.size() - from <= n + 1 || PL_strncasecmp(html.c_str() + from + 1, name, n) != 0) {
      continue;
    }
    const char after = html[from + 1 + n];
    if (after == '>' || after == '/' || after == ' ' || after == '\t' || after == '\n' ||
        after == '\r') {
      *pName = name;
      return true;
    }
  }
  return false;
}

// The end of the element named name whose start tag ends at tagEnd: after its
// closing tag, or the end of the text when it is not closed.
size_t RawTextEnd(const std::string& html, size_t tagEnd, const char* name) {
  const std::string closing = std::string("</") + name;
  for (size_t at = html.find("</", tagEnd); at != std::string::npos; at = html.find("</", at + 2)) {
    if (PL_strncasecmp(html.c_str() + at, closing.c_str(), closing.size()) == 0) {
      return TagEnd(html, at);
    }
  }
  return html.size();
}

}  // namespace

size_t ztHtmlMarkupEnd(const std::string& html, size_t from) {
  const size_t end = TagEnd(html, from);
  const char* raw = nullptr;
  return OpensRawText(html, from, &raw) ? RawTextEnd(html, end, raw) : end;
}
