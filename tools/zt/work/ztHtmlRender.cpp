#include "tools/zt/work/ztHtmlRender.h"

#include "core/ztUTF8.h"
#include "tools/writer/detail/ztHtmlEntity.h"
#include "tools/writer/detail/ztHtmlMarkup.h"

namespace {

const char* const kBlocks[] = {"p",   "/p", "br",         "br/",         "div", "/div",  "h1",
                               "/h1", "h2", "/h2",        "h3",          "/h3", "li",    "tr",
                               "dt",  "dd", "blockquote", "/blockquote", "hr",  "table", "/table"};

bool IsBlock(const std::string& tag) {
  std::string name;
  for (char c : tag) {
    if (c == ' ' || c == '\t' || c == '\n') break;
    name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  for (const char* block : kBlocks) {
    if (name == block) return true;
  }
  return false;
}

// The text of the character reference at text[i] (a no-break space shown as a space), and its
// length in *puBytes; empty when none begins there.
std::string Entity(const std::string& text, size_t i, size_t* puBytes) {
  PRUint32 c = 0;
  if (!ztDecodeHtmlEntity(text.c_str() + i, text.size() - i, &c, puBytes)) return "";
  char buffer[ZT_UTF8_CHAR_MAX];
  PRUint32 bytes = 0;
  if (CharUCS4ToUTF8(buffer, c == 0xA0 ? ' ' : c, &bytes) != 0) return "";
  return std::string(buffer, bytes);
}

void AppendSpace(std::string* out, char space) {
  if (out->empty()) return;
  char& last = out->back();
  if (space == '\n' && last == ' ') last = '\n';
  if (last != ' ' && last != '\n') *out += space;
}

}  // namespace

std::string ztHtmlToText(const std::string& html, const std::string& markOpen,
                         const std::string& markClose) {
  std::string out, entity;
  size_t length = 0;
  for (size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '<') {
      // Comments, scripts and style sheets show nothing.
      const size_t end = ztHtmlMarkupEnd(html, i);
      if (html[end - 1] != '>') break;
      const std::string tag = html.substr(i + 1, end - i - 2);
      if (tag == "mark" || tag == "/mark") {
        out += tag == "mark" ? markOpen : markClose;
      } else if (IsBlock(tag)) {
        AppendSpace(&out, '\n');
      }
      i = end - 1;
    } else if (c == '&' && !(entity = Entity(html, i, &length)).empty()) {
      out += entity;
      i += length - 1;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      AppendSpace(&out, ' ');
    } else {
      out += c;
    }
  }
  while (!out.empty() && (out.back() == ' ' || out.back() == '\n')) out.pop_back();
  return out;
}

std::string ztSnippet(const std::string& text, const std::string& markOpen, size_t width) {
  std::string line = text;
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  const size_t hit = markOpen.empty() ? std::string::npos : line.find(markOpen);
  size_t start = hit == std::string::npos || hit < width / 3 ? 0 : hit - width / 3;
  while (start > 0 && line[start - 1] != ' ') --start;
  size_t end = start + width < line.size() ? start + width : line.size();
  while (end < line.size() && line[end] != ' ') ++end;
  std::string snippet = line.substr(start, end - start);
  if (start > 0) snippet = "…" + snippet;
  if (end < line.size()) snippet += "…";
  return snippet;
}
