// The options of a Unicode simplifier, read from the text after "simplifier:unicode:": options
// separated by commas, each recognised by its beginning ("uni_case", "uni_comp", "uni_space",
// "fr_sloppy_uppercase_match", "map:"). Unrecognised options are ignored.
//
// "map:" is followed directly by entries: a code point in C notation (decimal, 0x hexadecimal,
// 0 octal), a colon, a delimiter of the writer's choice, the replacement, the delimiter again;
// e.g. map:0x153:'oe'0xE6:'ae'. A replacement may hold commas; a missing closing delimiter
// takes the rest of the text. An entry without its colon ends the option; an entry with
// nothing after its colon is ignored.
#ifndef MODULES_UNICODE_ZTUNICODEOPTIONS_H_
#define MODULES_UNICODE_ZTUNICODEOPTIONS_H_

#include "modules/unicode/ztUnicodeMap.h"

class ztUnicodeOptions {
 public:
  // 12 when memory runs out.
  int Parse(const char* options);

  bool m_bCase = false;    // lower-case every character
  bool m_bComp = false;    // replace every character by its base character
  bool m_bSpace = false;   // every space character becomes U+0020
  bool m_bSloppy = false;  // an unaccented capital matches an accented letter
  ztUnicodeMap m_map;

 private:
  void SetFlag(const char* option);
  // Reads the entries at p; *ppNext gets where the option ends.
  int ParseMap(const char* p, const char** ppNext);
};

#endif  // MODULES_UNICODE_ZTUNICODEOPTIONS_H_
