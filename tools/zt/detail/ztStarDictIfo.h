// The ".ifo" file of a StarDict dictionary: a first line "StarDict's dict ifo file", then
// "key=value" lines.
#ifndef TOOLS_ZT_DETAIL_ZTSTARDICTIFO_H_
#define TOOLS_ZT_DETAIL_ZTSTARDICTIFO_H_

#include <prtypes.h>

#include <string>

struct ztStarDictIfo {
  std::string m_version;  // "2.4.2" or "3.0.0"
  std::string m_bookName;
  PRUint64 m_uWordCount = 0;
  PRUint64 m_uSynWordCount = 0;
  bool m_bHasSynWordCount = false;
  PRUint64 m_uIdxFileSize = 0;
  PRUint32 m_uOffsetBits = 32;  // 32 or 64
  std::string m_sameTypeSequence;
  std::string m_lang;
};

// Parses the text (file names it in messages); 1 naming the file and the line at the first
// fault: a wrong first line, a version other than 2.4.2 and 3.0.0, a missing bookname,
// wordcount or idxfilesize, a number that is not one, idxoffsetbits other than 32 and 64.
int ztParseStarDictIfo(const std::string& text, const std::string& file, ztStarDictIfo* out);

#endif  // TOOLS_ZT_DETAIL_ZTSTARDICTIFO_H_
