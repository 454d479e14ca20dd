#include "core/ZTIntegerList.h"

#include <prmem.h>
#include <prprf.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/ZTErrors.h"
#include "core/detail/ztWholeFile.h"
#include "core/ztUTF8.h"

namespace {

constexpr char kSetFileName[] = "ZTIntegerList::SetFileName";
// "ffffffff " is the longest formatted value.
constexpr size_t kLongestFormattedValue = 9;

PRUint32 ReadLittleEndian(const char* bytes) {
  const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes);
  return PRUint32{b[0]} | (PRUint32{b[1]} << 8) | (PRUint32{b[2]} << 16) | (PRUint32{b[3]} << 24);
}

// Values gathered one at a time into an array from PR_Malloc.
class ValueArray {
 public:
  ValueArray() : m_pValues(nullptr), m_uCount(0), m_uCapacity(0) {}
  ~ValueArray() { PR_Free(m_pValues); }
  ValueArray(const ValueArray&) = delete;
  ValueArray& operator=(const ValueArray&) = delete;

  bool Add(PRUint32 value) {
    if (m_uCount == m_uCapacity && !Grow()) return false;
    m_pValues[m_uCount++] = value;
    return true;
  }
  PRUint32 Count() const { return m_uCount; }
  // Hands the array over (null when empty).
  PRUint32* Release() {
    PRUint32* values = m_pValues;
    m_pValues = nullptr;
    m_uCount = m_uCapacity = 0;
    return values;
  }

 private:
  bool Grow() {
    if (m_uCapacity > PR_UINT32_MAX / 2 / sizeof(PRUint32)) return false;
    PRUint32 capacity = m_uCapacity ? m_uCapacity * 2 : 16;
    void* grown = PR_Realloc(m_pValues, capacity * sizeof(PRUint32));
    if (!grown) return false;
    m_pValues = static_cast<PRUint32*>(grown);
    m_uCapacity = capacity;
    return true;
  }

  PRUint32* m_pValues;
  PRUint32 m_uCount;
  PRUint32 m_uCapacity;
};

// Reads one hexadecimal number at text as strtoul does; false when there is none or it does
// not fit in 32 bits (negative numbers other than -0 included).
bool ReadHexNumber(const char* text, PRUint32* puValue, const char** ppEnd) {
  char* end = nullptr;
  errno = 0;
  unsigned long value = std::strtoul(text, &end, 16);
  if (end == text || errno == ERANGE || value > PR_UINT32_MAX) return false;
  *puValue = static_cast<PRUint32>(value);
  *ppEnd = end;
  return true;
}

// Parses blank-separated hexadecimal numbers; 1 when one cannot be read, 12 when memory runs
// out.
int ParseHexList(const char* text, ValueArray* values) {
  for (const char* p = text; *p;) {
    if (std::isspace(static_cast<unsigned char>(*p))) {
      ++p;
      continue;
    }
    PRUint32 value = 0;
    if (!ReadHexNumber(p, &value, &p)) return ZT_E_INVALID;
    if (!values->Add(value)) return ZT_E_NOMEM;
  }
  return ZT_OK;
}

}  // namespace

ZTIntegerList::ZTIntegerList()
    : m_uCount(0),
      m_pItems(nullptr),
      m_bOwned(false),
      m_pCodePoints(nullptr),
      m_bReady(false),
      m_bAsciiIndexed(false),
      m_auAscii() {}

ZTIntegerList::~ZTIntegerList() {
  Clear();
}

void ZTIntegerList::Clear() {
  if (m_bOwned) PR_Free(const_cast<PRUint32*>(m_pItems));
  UCS4Free(m_pCodePoints);
  m_pCodePoints = nullptr;
  m_pItems = nullptr;
  m_uCount = 0;
  m_bOwned = false;
  m_bReady = false;
  m_bAsciiIndexed = false;
}

void ZTIntegerList::Adopt(PRUint32* values, PRUint32 count) {
  std::sort(values, values + count);
  SetItems(values, count, true);
  m_bOwned = true;
}

void ZTIntegerList::SetItems(const PRUint32* items, PRUint32 count, bool bIndexAscii) {
  m_pItems = items;
  m_uCount = count;
  m_bReady = true;
  m_bAsciiIndexed = bIndexAscii;
  std::memset(m_auAscii, 0, sizeof(m_auAscii));
  for (PRUint32 k = 0; bIndexAscii && k < count && items[k] < kAsciiEnd; ++k) {
    m_auAscii[items[k] / 32] |= 1u << (items[k] % 32);
  }
}

int ZTIntegerList::SetFileName(const char* name, const char* subname) {
  Clear();
  int rc = ZTFile::SetFileName(name, subname);
  if (rc) return rc;
  PRUint32 size = 0;
  rc = ztGetFileSize(m_pcPath, kSetFileName, &size);
  if (rc) return rc;
  if (size % 4) {
    return ZTError(ZT_E_FAILED, "[%s] The size of %s (%u bytes) is not a multiple of 4",
                   kSetFileName, m_pcPath, size);
  }
  char* bytes = nullptr;
  rc = ztReadFileBytes(m_pcPath, kSetFileName, size, 0, &bytes);
  if (rc) return rc;
  // The values are decoded in place: value k only overwrites the bytes it was read from.
  PRUint32* values = reinterpret_cast<PRUint32*>(bytes);
  for (PRUint32 k = 0; k < size / 4; ++k) values[k] = ReadLittleEndian(bytes + 4 * size_t{k});
  Adopt(values, size / 4);
  return ZT_OK;
}

int ZTIntegerList::SetListFromArray(const PRUint32* values, PRUint32 count, PRBool copy) {
  if (!values && count) return ZT_E_INVALID;
  Clear();
  if (!copy) {
    SetItems(values, count, false);
    return ZT_OK;
  }
  PRUint32* own = nullptr;
  if (count) {
    own = static_cast<PRUint32*>(PR_Malloc(size_t{count} * sizeof(PRUint32)));
    if (!own) return ZT_E_NOMEM;
    std::memcpy(own, values, size_t{count} * sizeof(PRUint32));
  }
  Adopt(own, count);
  return ZT_OK;
}

int ZTIntegerList::SetListFromUTF8String(const char* text) {
  Clear();
  PRUint32* codePoints = nullptr;
  PRUint32 count = UTF8ToNewUCS4(&codePoints, text);
  if (!codePoints) return ZT_E_NOMEM;
  std::sort(codePoints, codePoints + count);
  m_pCodePoints = codePoints;
  SetItems(codePoints, count, true);
  return ZT_OK;
}

int ZTIntegerList::SetListFromAsciiString(const char* text) {
  if (!text) return ZT_E_INVALID;
  ValueArray values;
  int rc = ParseHexList(text, &values);
  if (rc) return rc;
  Clear();
  PRUint32 count = values.Count();
  Adopt(values.Release(), count);
  return ZT_OK;
}

int ZTIntegerList::FormatToAsciiString(char** ppcText) const {
  if (!ppcText) return ZT_E_INVALID;
  *ppcText = nullptr;
  if (!m_uCount) return ZT_OK;
  const size_t size = size_t{m_uCount} * kLongestFormattedValue + 1;
  char* text = static_cast<char*>(PR_Malloc(size));
  if (!text) return ZT_E_NOMEM;
  size_t used = 0;
  for (PRUint32 k = 0; k < m_uCount; ++k) {
    used += PR_snprintf(text + used, static_cast<PRUint32>(size - used), "%x ", m_pItems[k]);
  }
  *ppcText = text;
  return ZT_OK;
}

int ZTIntegerList::SearchItems(PRUint32 value, int* pbPresent) const {
  if (!pbPresent) return ZT_E_INVALID;
  if (!m_bReady) return ZTError(ZT_E_FAILED, "[ZTIntegerList::IsPresent] The list is not set");
  *pbPresent = std::binary_search(m_pItems, m_pItems + m_uCount, value) ? 1 : 0;
  return ZT_OK;
}
