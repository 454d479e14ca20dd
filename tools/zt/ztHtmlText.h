// Small pieces of HTML shared by the importers: escaped text and links between entries.
#ifndef TOOLS_ZT_ZTHTMLTEXT_H_
#define TOOLS_ZT_ZTHTMLTEXT_H_

#include <cstddef>
#include <string>
#include <vector>

class ztHeadwordIndex;

// The scheme of a link from one article to another entry: <a href="see:HEADWORD">.
constexpr const char* ZT_SEE_SCHEME = "see:";

// Appends the bytes with &, <, > and " replaced by their entities.
void ztAppendHtmlEscaped(std::string* out, const char* text, size_t length);
inline void ztAppendHtmlEscaped(std::string* out, const std::string& text) {
  ztAppendHtmlEscaped(out, text.data(), text.size());
}
// Appends <a href="see:TARGET">TEXT</a>, both escaped.
void ztAppendSeeLink(std::string* out, const std::string& target, const std::string& text);
// The headword word names, added to *see once; null (and *see unchanged) when there is none.
const std::string* ztResolveReference(const ztHeadwordIndex& headwords, const std::string& word,
                                      std::vector<std::string>* see);
// When word names a headword: appends the link to it showing text, adds the headword to *see
// (once) and answers true. Otherwise leaves both alone and answers false.
bool ztAppendReference(const ztHeadwordIndex& headwords, const std::string& word,
                       const std::string& text, std::string* out, std::vector<std::string>* see);
// Replaces the entities &amp; &lt; &gt; &quot; and &apos; by their characters.
std::string ztDecodeEntities(const std::string& text);

#endif  // TOOLS_ZT_ZTHTMLTEXT_H_
