// HTML articles as terminal text: tags dropped (block elements start new lines), entities
// decoded, whitespace collapsed, and the highlight marks "<mark>"/"</mark>" replaced by the
// caller's strings.
#ifndef TOOLS_ZT_WORK_ZTHTMLRENDER_H_
#define TOOLS_ZT_WORK_ZTHTMLRENDER_H_

#include <string>

std::string ztHtmlToText(const std::string& html, const std::string& markOpen,
                         const std::string& markClose);
// About width characters of text around the first opening mark (or from the start), on one
// line, cut between words, with "…" where text was left out.
std::string ztSnippet(const std::string& text, const std::string& markOpen, size_t width);

#endif  // TOOLS_ZT_WORK_ZTHTMLRENDER_H_
