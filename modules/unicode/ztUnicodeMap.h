// The replacements of a Unicode simplifier: chosen characters and the strings that replace
// them, kept sorted by code point.
#ifndef MODULES_UNICODE_ZTUNICODEMAP_H_
#define MODULES_UNICODE_ZTUNICODEMAP_H_

#include <prtypes.h>

class ztUnicodeMap {
 public:
  ztUnicodeMap();
  ~ztUnicodeMap();
  ztUnicodeMap(const ztUnicodeMap&) = delete;
  ztUnicodeMap& operator=(const ztUnicodeMap&) = delete;

  // Adds code with a copy of the length bytes of replacement; 12 when memory runs out.
  int Add(PRUint32 code, const char* replacement, PRUint32 length);
  // Sorts the entries; of two entries for one code point the first added wins.
  void Sort();
  // The replacement of code (after Sort) and its length, or null.
  const char* Find(PRUint32 code, PRUint32* puLength) const;
  bool IsEmpty() const { return m_uCount == 0; }

 private:
  struct Entry {
    PRUint32 m_uCode;
    PRUint32 m_uLength;
    char* m_pcReplacement;  // NUL-terminated, owned
  };

  Entry* m_pEntries;
  PRUint32 m_uCount;
  PRUint32 m_uCapacity;
};

#endif  // MODULES_UNICODE_ZTUNICODEMAP_H_
