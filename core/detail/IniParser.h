// IniParser: reads the significant lines of an INI-style configuration file, one at a time.
//
// Everything from "//" on is a comment. Bytes 0x01 to 0x20 at the edges of a line, a key or a
// value are blank. A line starting with '[' names the current section (up to ']' or the end
// of the line, at most 255 characters, blanks inside kept). A line with '=' is a key (before
// the first '=') and a value (after it). Every other line is skipped. Before the first
// section header the section is empty.
#ifndef CORE_DETAIL_INIPARSER_H_
#define CORE_DETAIL_INIPARSER_H_

class ZTTextFile;

// One significant line. The strings are valid until the next line is read; key and value are
// null for a section header.
struct IniLine {
  const char* section;
  const char* key;
  const char* value;
};

class IniParser {
 public:
  // Holds a reference to the file for the parser's lifetime.
  explicit IniParser(ZTTextFile* file);
  ~IniParser();
  IniParser(const IniParser&) = delete;
  IniParser& operator=(const IniParser&) = delete;

  // 0 with *pbFound set and *pLine filled for the next significant line; 0 with *pbFound
  // clear at the end of the file; the file's code when a line cannot be read.
  int readIniLine(IniLine* pLine, bool* pbFound);
  // The number of physical lines read so far: the number of the last line returned.
  int GetLineNumber() const { return m_iLineNumber; }

 private:
  static const int kMaxSection = 255;

  void SetSection(const char* name);
  // Cuts the comment and blanks off text (in place); true with *pLine filled for a section
  // header or an assignment, false for a line to skip.
  bool ParseLine(char* text, IniLine* pLine);

  ZTTextFile* m_pFile;
  char m_acSection[kMaxSection + 1];
  int m_iLineNumber;
};

#endif  // CORE_DETAIL_INIPARSER_H_
