// The lines of a dictd index: "headword TAB offset TAB size", the numbers in dictd's base64
// (digits "A-Za-z0-9+/", most significant first). A fourth column, written by indexers that
// keep the original spelling, gives the headword as the dictionary spells it.
#ifndef TOOLS_ZT_DETAIL_ZTDICTDINDEX_H_
#define TOOLS_ZT_DETAIL_ZTDICTDINDEX_H_

#include <prtypes.h>

#include <cstddef>
#include <string>
#include <vector>

#include "tools/zt/ztImportedEntries.h"

struct ztDictdRecord {
  std::string m_headword;
  ztArticleSpan m_span;
  PRUint32 m_uLine = 0;
};

// Decodes a dictd base64 number; false for an empty text, another character, or a value past
// 2^60.
bool ztDictdBase64(const char* text, size_t length, PRUint64* out);

// Parses the index text (named file in messages); every article must lie within dataSize bytes
// of the data file dataFile. 1 naming the file and the line at the first fault.
int ztParseDictdIndex(const std::string& text, const std::string& file, PRUint64 dataSize,
                      const std::string& dataFile, std::vector<ztDictdRecord>* out);

#endif  // TOOLS_ZT_DETAIL_ZTDICTDINDEX_H_
