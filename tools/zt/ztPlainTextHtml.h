// Turns the plain text of a dictionary article into HTML. Blank lines separate paragraphs
// (<p>); inside a paragraph a line break is kept (<br>) when the line was ended on purpose: the
// line had room for the next line's first word (the text being wrapped at its longest line,
// or at 60 columns when shorter), the next line is indented less, or it starts a
// numbered sense ("2:", "n 1:", "3.", "4)"). Lines wrapped only for width are joined, by a space
// or, after a hyphen ("ex-" then "husband"), without one. A word in
// braces ("{abandon}") that names a headword becomes a link to it and a cross-reference; other
// braces are dropped and their text kept.
#ifndef TOOLS_ZT_ZTPLAINTEXTHTML_H_
#define TOOLS_ZT_ZTPLAINTEXTHTML_H_

#include <string>
#include <vector>

class ztHeadwordIndex;

// Appends the article to *html and each headword it refers to, once, to *see. headwords may be
// null: braces then stay as written.
void ztPlainTextHtml(const std::string& text, const ztHeadwordIndex* headwords, std::string* html,
                     std::vector<std::string>* see);

#endif  // TOOLS_ZT_ZTPLAINTEXTHTML_H_
