#include "modules/unicode/ztStringUnicodeSimplifier.h"

#include <plstr.h>
#include <prmem.h>
#include <prprf.h>

#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "core/ztUTF8.h"
#include "modules/unicode/ztUnicodeTable.h"

namespace {

bool IsSpace(PRUint32 c) {
  return c == 0x20 || c == 0xA0 || c == 0x1680 || c == 0x180E || (c >= 0x2000 && c <= 0x200B) ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

PRUint32 Column(PRUint32 c, int column) {
  const PRUint32* row = ztFindUnicodeRow(c);
  return row ? row[column] : c;
}

}  // namespace

ztStringUnicodeSimplifier::ztStringUnicodeSimplifier() : m_pcOptions(nullptr) {}

ztStringUnicodeSimplifier::~ztStringUnicodeSimplifier() {
  PL_strfree(m_pcOptions);
}

int ztStringUnicodeSimplifier::_CreateInstance(const char* options,
                                               ztStringUnicodeSimplifier** ppOut) {
  *ppOut = nullptr;
  ztStringUnicodeSimplifier* made = new (std::nothrow) ztStringUnicodeSimplifier();
  if (!made) return ZTError(ZT_E_NOMEM, "[ztStringUnicodeSimplifier] Out of memory");
  made->m_pcOptions = PL_strdup(options);
  int rc = made->m_pcOptions ? made->m_options.Parse(options)
                             : ZTError(ZT_E_NOMEM, "[ztStringUnicodeSimplifier] Out of memory");
  if (rc) {
    made->Release();
    return rc;
  }
  *ppOut = made;
  return ZT_OK;
}

void ztStringUnicodeSimplifier::ComputeIdentity() {
  m_pcIdentity = PR_smprintf("simplifier:unicode:%s", m_pcOptions);
}

PRUint32 ztStringUnicodeSimplifier::Fold(PRUint32 c) const {
  if (m_options.m_bCase || m_options.m_bComp) {
    const PRUint32* row = ztFindUnicodeRow(c);
    if (m_options.m_bCase && row && row[ZT_UNICODE_LOWER] != c) {
      c = row[ZT_UNICODE_LOWER];
      row = ztFindUnicodeRow(c);
    }
    if (m_options.m_bComp && row) c = row[ZT_UNICODE_BASE];
  }
  if (m_options.m_bSpace && IsSpace(c)) c = 0x20;
  return c;
}

int ztStringUnicodeSimplifier::SimplifyFirstChar(const char* text, PRUint32* puConsumed,
                                                 char* buffer, PRUint32* puLength) {
  if (!text || !*text) {
    if (puConsumed) *puConsumed = 0;
    if (buffer && (!puLength || *puLength > 0)) buffer[0] = '\0';
    if (puLength) *puLength = 0;
    return ZT_OK;
  }
  PRUint32 c = static_cast<unsigned char>(*text), bytes = 1;
  // An ASCII byte is its own character, and folds to one (unless a map says otherwise).
  int rc = c < 0x80 ? ZT_OK : CharUTF8ToUCS4(&c, text, &bytes);
  if (puConsumed) *puConsumed = bytes;
  if (rc) return rc;
  c = Fold(c);
  char scratch[ZT_UTF8_CHAR_MAX + 1];
  PRUint32 length = 0;
  const char* out = m_options.m_map.IsEmpty() ? nullptr : m_options.m_map.Find(c, &length);
  if (!out && c < 0x80) {
    scratch[0] = static_cast<char>(c);
    length = 1;
    out = scratch;
  } else if (!out) {
    if ((rc = CharUCS4ToUTF8(scratch, c, &length))) return rc;
    out = scratch;
  }
  if (puLength && *puLength < length) return ZT_E_NOMEM;
  if (buffer) std::memcpy(buffer, out, length);
  if (puLength) *puLength = length;
  return ZT_OK;
}

int ztStringUnicodeSimplifier::SimplifyToNew(const char* text, char** ppcOut, PRUint32* puSize) {
  const PRUint64 capacity = text ? 4 * static_cast<PRUint64>(std::strlen(text)) + 1 : 0;
  if (!text || !ppcOut || !m_options.m_map.IsEmpty() || capacity > PR_UINT32_MAX) {
    return ztIStringSimplifier::SimplifyToNew(text, ppcOut, puSize);
  }
  *ppcOut = nullptr;
  char* out = static_cast<char*>(PR_Malloc(static_cast<PRUint32>(capacity)));
  if (!out) return ZTError(ZT_E_NOMEM, "[ztStringUnicodeSimplifier] Out of memory");
  PRUint32 end = 0;
  int rc = ZT_OK;
  while (rc == ZT_OK && *text) {
    PRUint32 used = 0, length = static_cast<PRUint32>(capacity) - end;
    rc = ztStringUnicodeSimplifier::SimplifyFirstChar(text, &used, out + end, &length);
    end += length;
    text += used;
  }
  if (rc) {
    PR_Free(out);
    return rc;
  }
  out[end] = '\0';
  *ppcOut = out;
  if (puSize) *puSize = static_cast<PRUint32>(capacity);
  return ZT_OK;
}

bool ztStringUnicodeSimplifier::SloppyPair(PRUint32* pCa, PRUint32* pCb) const {
  const PRUint32* a = ztFindUnicodeRow(*pCa);
  const PRUint32* b = ztFindUnicodeRow(*pCb);
  if (!a || !b) return false;
  auto plainCapital = [](const PRUint32* row) {
    return row[ZT_UNICODE_LOWER] != row[ZT_UNICODE_CODE] &&
           row[ZT_UNICODE_BASE] == row[ZT_UNICODE_CODE];
  };
  auto accented = [](const PRUint32* row) { return row[ZT_UNICODE_BASE] != row[ZT_UNICODE_CODE]; };
  if (plainCapital(a) && accented(b)) {
    *pCb = b[ZT_UNICODE_BASE];
  } else if (plainCapital(b) && accented(a)) {
    *pCa = a[ZT_UNICODE_BASE];
  } else {
    return false;
  }
  if (m_options.m_bCase) {
    *pCa = Column(*pCa, ZT_UNICODE_LOWER);
    *pCb = Column(*pCb, ZT_UNICODE_LOWER);
  }
  return true;
}

int ztStringUnicodeSimplifier::CompareFirstChar(const char* a, PRUint32* puUsedA, const char* b,
                                                PRUint32* puUsedB, int* piDiff) {
  // An empty side is left to the base class: decoding it would step over its NUL.
  if (!m_options.m_bSloppy || !a || !b || !*a || !*b)
    return ztIStringSimplifier::CompareFirstChar(a, puUsedA, b, puUsedB, piDiff);
  PRUint32 ca = 0, cb = 0, bytesA = 0, bytesB = 0;
  if (int rc = CharUTF8ToUCS4(&ca, a, &bytesA)) return rc;
  if (int rc = CharUTF8ToUCS4(&cb, b, &bytesB)) return rc;
  if (!SloppyPair(&ca, &cb))
    return ztIStringSimplifier::CompareFirstChar(a, puUsedA, b, puUsedB, piDiff);
  // Both are characters of the table (or their base characters): far below 2^31.
  if (piDiff) *piDiff = static_cast<int>(ca) - static_cast<int>(cb);
  if (puUsedA) *puUsedA = bytesA;
  if (puUsedB) *puUsedB = bytesB;
  return ZT_OK;
}

int CreateUnicodeSimplifier(const char* options, ZTRefCount** ppOut) {
  if (!ppOut) return ZT_E_INVALID;
  *ppOut = nullptr;
  if (!options) return ZT_E_INVALID;
  ztStringUnicodeSimplifier* made = nullptr;
  if (int rc = ztStringUnicodeSimplifier::_CreateInstance(options, &made)) return rc;
  *ppOut = made;
  return ZT_OK;
}
