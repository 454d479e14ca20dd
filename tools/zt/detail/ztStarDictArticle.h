// One article of a StarDict ".dict" file: its typed fields, laid out as "sametypesequence"
// says (the last field then runs to the article's end) or, without it, each field led by its
// type letter. Lower-case types are text ended by a NUL, upper-case types binary data led by a
// 32-bit big-endian size.
#ifndef TOOLS_ZT_DETAIL_ZTSTARDICTARTICLE_H_
#define TOOLS_ZT_DETAIL_ZTSTARDICTARTICLE_H_

#include <cstddef>
#include <string>

#include "tools/zt/ZTSourceEntry.h"

class ztHeadwordIndex;

// Converts the article's fields into entry's html, see and media: plain text (m, l, y, k, w,
// n) as paragraphs, phonetics (t) in brackets, XDXF (x), HTML (h) and Pango markup (g) as
// their markup says, resources (r: "img:" and "snd:" lines) as media. Binary fields (upper
// case) have no HTML form and are passed over. False with *pError (the fault and its offset in
// the article) for a field cut short or an unknown type letter.
bool ztStarDictArticle(const char* data, size_t size, const std::string& sameTypes,
                       const ztHeadwordIndex& headwords, ZTSourceEntry* entry, std::string* pError);

#endif  // TOOLS_ZT_DETAIL_ZTSTARDICTARTICLE_H_
