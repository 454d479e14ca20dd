// ztWordRecords: walks the records of StarDict's ".idx" and ".syn" files: a NUL-terminated
// word followed by big-endian numbers of fixed widths.
#ifndef TOOLS_ZT_DETAIL_ZTWORDRECORDS_H_
#define TOOLS_ZT_DETAIL_ZTWORDRECORDS_H_

#include <prtypes.h>

#include <cstddef>
#include <string>
#include <vector>

class ztWordRecords {
 public:
  // widths: the byte width (4 or 8) of each number after the word.
  ztWordRecords(const std::string& bytes, std::vector<int> widths)
      : m_bytes(bytes), m_widths(std::move(widths)) {}

  bool AtEnd() const { return m_uPos >= m_bytes.size(); }
  // Where the next record begins.
  size_t GetOffset() const { return m_uPos; }
  // Reads the next record; false (the position unchanged) when it is cut short.
  bool Next(std::string* word, PRUint64* numbers);

 private:
  const std::string& m_bytes;
  std::vector<int> m_widths;
  size_t m_uPos = 0;
};

// The big-endian number of width bytes at p.
PRUint64 ztBigEndian(const char* p, int width);

#endif  // TOOLS_ZT_DETAIL_ZTWORDRECORDS_H_
