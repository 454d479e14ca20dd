#include "modules/hiliter/ZTHiliter.h"

#include <plstr.h>
#include <prmem.h>
#include <prprf.h>

#include <algorithm>
#include <cstring>

#include "core/ZTErrors.h"

namespace {

// Room for a word's number ("%u").
constexpr PRUint64 kNumberRoom = 10;

}  // namespace

// Appends to a buffer sized in advance.
class ZTHiliter::Writer {
 public:
  explicit Writer(char* buffer) : m_pcEnd(buffer), m_pcBegin(buffer) {}
  void Copy(const char* bytes, size_t length) {
    if (length == 0) return;  // bytes may be null: a side without markup
    std::memcpy(m_pcEnd, bytes, length);
    m_pcEnd += length;
  }
  // The side's markup, with number at its insert offset when it has one.
  void Markup(const Side& side, PRUint32 number) {
    if (side.m_iOffset < 0) {
      Copy(side.m_pcString, side.m_iStringLength);
      return;
    }
    Copy(side.m_pcString, side.m_iOffset);
    char digits[kNumberRoom + 2];
    Copy(digits, PR_snprintf(digits, sizeof(digits), "%u", number));
    Copy(side.m_pcString + side.m_iOffset, side.m_iStringLength - side.m_iOffset);
  }
  PRUint32 Written() const { return static_cast<PRUint32>(m_pcEnd - m_pcBegin); }

 private:
  char* m_pcEnd;
  char* const m_pcBegin;
};

ZTHiliter::ZTHiliter() : m_puValues(nullptr), m_uValueCount(0) {}

ZTHiliter::~ZTHiliter() {
  PR_Free(m_puValues);
  FreeSide(&m_start);
  FreeSide(&m_stop);
}

void ZTHiliter::FreeSide(Side* side) {
  PL_strfree(side->m_pcMarker);
  PL_strfree(side->m_pcString);
  *side = Side();
}

int ZTHiliter::SetSide(Side* side, const char* marker, const char* string, int offset) {
  FreeSide(side);
  side->m_pcMarker = marker ? PL_strdup(marker) : nullptr;
  side->m_pcString = string ? PL_strdup(string) : nullptr;
  if ((marker && !side->m_pcMarker) || (string && !side->m_pcString)) {
    FreeSide(side);
    return ZTError(ZT_E_FAILED, "[ZTHiliter::SetStrings] Cannot copy the strings.");
  }
  side->m_iMarkerLength = marker ? PL_strlen(marker) : 0;
  side->m_iStringLength = string ? PL_strlen(string) : 0;
  side->m_iOffset = (string && offset >= 0 && offset <= side->m_iStringLength) ? offset : -1;
  return ZT_OK;
}

int ZTHiliter::SetStartStrings(const char* marker, const char* string, int offset) {
  return SetSide(&m_start, marker, string, offset);
}

int ZTHiliter::SetStopStrings(const char* marker, const char* string, int offset) {
  return SetSide(&m_stop, marker, string, offset);
}

int ZTHiliter::SetValues(const unsigned* values, unsigned count) {
  if (count && !values) return ZTError(ZT_E_FAILED, "[ZTHiliter::SetValues] Invalid arguments.");
  unsigned* copy = nullptr;
  if (count) {
    copy = static_cast<unsigned*>(PR_Malloc(static_cast<PRUint64>(count) * sizeof(unsigned)));
    if (!copy) return ZTError(ZT_E_NOMEM, "[ZTHiliter::SetValues] Out of memory.");
    std::memcpy(copy, values, static_cast<size_t>(count) * sizeof(unsigned));
  }
  PR_Free(m_puValues);
  m_puValues = copy;
  m_uValueCount = count;
  return ZT_OK;
}

PRUint64 ZTHiliter::Growth(const Side& side) {
  const PRInt64 growth = static_cast<PRInt64>(side.m_iStringLength) - side.m_iMarkerLength +
                         (side.m_iOffset >= 0 ? static_cast<PRInt64>(kNumberRoom) : 0);
  return growth > 0 ? static_cast<PRUint64>(growth) : 0;
}

// Each side is sized on its own: a word whose stop marker is missing gets its start markup
// without the saving of the stop side. No more words can be highlighted than the text has
// start markers.
PRUint64 ZTHiliter::OutputSize(unsigned length) const {
  const PRUint64 words = std::min<PRUint64>(m_uValueCount, length / m_start.m_iMarkerLength);
  const PRUint64 size = length + (Growth(m_start) + Growth(m_stop)) * words;
  return size > PR_UINT32_MAX ? 0 : size;
}

void ZTHiliter::Filter(const char* text, Writer* out, PRUint32* puUsed) const {
  PRUint32 word = 0, used = 0;
  while (const char* start = PL_strstr(text, m_start.m_pcMarker)) {
    out->Copy(text, start - text);
    const bool chosen = used < m_uValueCount && m_puValues[used] == word;
    if (chosen) out->Markup(m_start, word);
    text = start + m_start.m_iMarkerLength;
    const char* stop = PL_strstr(text, m_stop.m_pcMarker);
    if (!stop) break;  // the rest is copied from just after the start marker
    out->Copy(text, stop - text);
    if (chosen) {
      out->Markup(m_stop, word);
      ++used;
    }
    text = stop + m_stop.m_iMarkerLength;
    ++word;
  }
  out->Copy(text, PL_strlen(text) + 1);
  *puUsed = used;
}

int ZTHiliter::FilterData(const void* data, unsigned length) {
  const char* text = static_cast<const char*>(data);
  if (m_start.m_iMarkerLength == 0 || m_stop.m_iMarkerLength == 0 || !m_stop.m_pcString || !text ||
      length == 0 || text[length - 1] != '\0' || PL_strlen(text) + 1 != length)
    return ZT_E_FAILED;
  const PRUint64 size = OutputSize(length);
  if (size == 0) return ZTError(ZT_E_NOMEM, "[ZTHiliter::FilterData] Output too large.");
  if (Realloc(static_cast<PRUint32>(size)) != ZT_OK)
    return ZTError(ZT_E_NOMEM, "[ZTHiliter::FilterData] Out of memory.");
  Writer out(reinterpret_cast<char*>(GetData()));
  PRUint32 used = 0;
  Filter(text, &out, &used);
  if (Realloc(out.Written()) != ZT_OK)
    return ZTError(ZT_E_NOMEM, "[ZTHiliter::FilterData] Out of memory.");
  return used == m_uValueCount ? ZT_OK : ZT_E_FAILED;
}
