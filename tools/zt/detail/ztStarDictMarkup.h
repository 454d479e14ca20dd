// The marked-up article types of StarDict turned into HTML. Each appends to *html and adds the
// headwords the article links to, once, to *see.
#ifndef TOOLS_ZT_DETAIL_ZTSTARDICTMARKUP_H_
#define TOOLS_ZT_DETAIL_ZTSTARDICTMARKUP_H_

#include <string>
#include <vector>

class ztHeadwordIndex;

// XDXF: <k> becomes bold, <kref>word</kref> a link to the word's entry, <tr> a phonetic span,
// <ex> an example, <abr> an abbreviation; line breaks are kept and unknown tags dropped (their
// text stays).
void ztXdxfToHtml(const std::string& text, const ztHeadwordIndex& headwords, std::string* html,
                  std::vector<std::string>* see);
// HTML: links "bword://word" to a headword become links to its entry; the rest is kept.
void ztStarDictHtml(const std::string& text, const ztHeadwordIndex& headwords, std::string* html,
                    std::vector<std::string>* see);
// Pango markup: its tags are kept, line breaks become <br>.
void ztPangoToHtml(const std::string& text, std::string* html);

#endif  // TOOLS_ZT_DETAIL_ZTSTARDICTMARKUP_H_
