#include "tools/zt/detail/ztWordRecords.h"

PRUint64 ztBigEndian(const char* p, int width) {
  PRUint64 value = 0;
  for (int i = 0; i < width; ++i) value = (value << 8) | static_cast<unsigned char>(p[i]);
  return value;
}

bool ztWordRecords::Next(std::string* word, PRUint64* numbers) {
  size_t nul = m_bytes.find('\0', m_uPos);
  if (nul == std::string::npos) return false;
  size_t pos = nul + 1;
  for (size_t i = 0; i < m_widths.size(); ++i) {
    size_t width = static_cast<size_t>(m_widths[i]);
    if (m_bytes.size() - pos < width) return false;
    numbers[i] = ztBigEndian(m_bytes.data() + pos, m_widths[i]);
    pos += width;
  }
  word->assign(m_bytes, m_uPos, nul - m_uPos);
  m_uPos = pos;
  return true;
}
