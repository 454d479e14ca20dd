#include "tools/zt/work/ztHtmlRender.h"

#include <cstdlib>
#include <cstring>

#include "core/ztUTF8.h"

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

// The character of an entity (between '&' and ';'), or empty when it is not one we know.
std::string Entity(const std::string& name) {
  static const struct {
    const char* m_pcName;
    const char* m_pcText;
  } kNamed[] = {{"amp", "&"},   {"lt", "<"},   {"gt", ">"},
                {"quot", "\""}, {"apos", "'"}, {"nbsp", " "}};
  for (const auto& named : kNamed) {
    if (name == named.m_pcName) return named.m_pcText;
  }
  if (name.size() < 2 || name[0] != '#') return "";
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const unsigned long c = std::strtoul(name.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10);
  char buffer[ZT_UTF8_CHAR_MAX];
  PRUint32 bytes = 0;
  if (c == 0 || c > 0x10FFFF || CharUCS4ToUTF8(buffer, static_cast<PRUint32>(c), &bytes) != 0) {
    return "";
  }
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
  std::string out;
  for (size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '<') {
      const size_t end = html.find('>', i);
      if (end == std::string::npos) break;
      const std::string tag = html.substr(i + 1, end - i - 1);
      if (tag == "mark" || tag == "/mark") {
        out += tag == "mark" ? markOpen : markClose;
      } else if (IsBlock(tag)) {
        AppendSpace(&out, '\n');
      }
      i = end;
    } else if (c == '&' && html.find(';', i) != std::string::npos && html.find(';', i) - i <= 10) {
      const size_t end = html.find(';', i);
      const std::string text = Entity(html.substr(i + 1, end - i - 1));
      if (text.empty()) {
        out += c;
        continue;
      }
      out += text;
      i = end;
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
