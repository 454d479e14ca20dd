#include "backends/native/ZTLCFile.h"

#include <plstr.h>
#include <prio.h>
#include <prmem.h>

#include <cstdlib>

#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/detail/ztNativeEnvir.h"
#include "backends/native/detail/ztPageIO.h"
#include "core/ZTErrors.h"

namespace {

// The number a key text reads as: leading blanks and a sign allowed, as for an unsigned
// conversion.
PRUint32 KeyNumber(const char* text) {
  return static_cast<PRUint32>(std::strtoul(text, nullptr, 10));
}

// A strict decimal offset or length: optional leading blanks, then digits only (empty reads
// as 0). False for anything else or a value beyond 32 bits.
bool ParseCount(const char* text, PRUint32* puValue) {
  while (*text == ' ') ++text;
  PRUint64 value = 0;
  for (; *text; ++text) {
    if (*text < '0' || *text > '9') return false;
    value = value * 10 + (*text - '0');
    if (value > 0xFFFFFFFF) return false;
  }
  *puValue = static_cast<PRUint32>(value);
  return true;
}

}  // namespace

ZTLCFile::ZTLCFile()
    : m_pEntries(nullptr),
      m_uCount(0),
      m_uCapacity(0),
      m_bOldFormat(false),
      m_pcText(nullptr),
      m_bLoaded(false),
      m_uPageLimit(0xFFFFFFFF) {}

ZTLCFile::~ZTLCFile() {
  Free();
}

void ZTLCFile::Free() {
  PR_Free(m_pEntries);
  PR_Free(m_pcText);
  m_pEntries = nullptr;
  m_pcText = nullptr;
  m_uCount = m_uCapacity = 0;
  m_bLoaded = false;
}

int ZTLCFile::ConfigureItem(const char* section, const char* key, const char* value) {
  if (key && PL_strcmp(key, "OLDFORMAT") == 0) {
    m_bOldFormat = value && (PL_strcasecmp(value, "YES") == 0 || PL_strcmp(value, "1") == 0 ||
                             PL_strcasecmp(value, "TRUE") == 0);
    return ZT_OK;
  }
  return ZTFile::ConfigureItem(section, key, value);
}

int ZTLCFile::Check() {
  char* mode = nullptr;
  int rc = ztNativeEnvirValue("ZTF_BE_NATIVE_DEFAULT_OPENMODE", &mode);
  const bool premapped =
      !rc && mode && *mode && ZTPageFile::StringToOpenMode(mode) == ZTPageFile::PREMAPPED;
  PL_strfree(mode);
  if (rc) return rc;
  return premapped ? Load() : ZT_OK;
}

int ZTLCFile::ReadText(PRUint32* puSize) {
  PRFileDesc* fd = m_pcPath ? PR_Open(m_pcPath, PR_RDONLY, 0) : nullptr;
  if (!fd) {
    return ZTError(ZT_NATIVE_E_LCOPEN, "[ZTLCFile::Load] Could not open file %s",
                   m_pcPath ? m_pcPath : "(none)");
  }
  PRFileInfo64 info;
  int rc = ZT_OK;
  if (PR_GetOpenFileInfo64(fd, &info) != PR_SUCCESS || info.size >= 0x7FFFFFFF) {
    rc = ZT_E_FAILED;
  } else if (!(m_pcText = static_cast<char*>(PR_Malloc(static_cast<PRUint32>(info.size) + 1)))) {
    rc = ZTError(ZT_NATIVE_E_LCALLOC, "[ZTLCFile::Load] Failed to allocate %lld bytes",
                 static_cast<long long>(info.size + 1));
  } else if (!ztReadFully(fd, m_pcText, static_cast<PRUint32>(info.size))) {
    rc = ZTError(ZT_E_FAILED, "[ZTLCFile::Load] Could not read %s", m_pcPath);
  }
  PR_Close(fd);
  if (!rc) {
    *puSize = static_cast<PRUint32>(info.size);
    m_pcText[*puSize] = '\0';
  }
  return rc;
}

int ZTLCFile::StoreField(Entry* entry, PRUint32 field, char* text, PRUint32 line) {
  if (field == 0 || field == 1) {
    (field == 0 ? entry->m_pcFirst : entry->m_pcLast) = text;
    (field == 0 ? entry->m_uFirst : entry->m_uLast) = KeyNumber(text);
  } else if (field == 2 || field == 3) {
    if (!ParseCount(text, field == 2 ? &entry->m_uOffset : &entry->m_uLength)) {
      return ZTError(ZT_NATIVE_E_LCFORMAT, "[ZTLCFile::Load] Line %u of %s: '%s' is not a number",
                     line, m_pcPath, text);
    }
  }
  return ZT_OK;
}

int ZTLCFile::Append(const Entry& entry) {
  if (m_uCount >= m_uPageLimit) {
    return ZTError(ZT_NATIVE_E_LCFORMAT, "[ZTLCFile::Load] %s describes more than %u pages",
                   m_pcPath, m_uPageLimit);
  }
  if (m_uCount == m_uCapacity) {
    const PRUint32 bytes = (m_uCapacity + 10) * sizeof(Entry);
    void* grown = PR_Realloc(m_pEntries, bytes);
    if (!grown)
      return ZTError(ZT_NATIVE_E_LCALLOC, "[ZTLCFile::Load] Failed to allocate %lld bytes",
                     static_cast<long long>(bytes));
    m_pEntries = static_cast<Entry*>(grown);
    m_uCapacity += 10;
  }
  m_pEntries[m_uCount++] = entry;
  return ZT_OK;
}

int ZTLCFile::Parse(PRUint32 size) {
  static const Entry kEmpty = {"", "", 0, 0, 0, 0};
  Entry pending = kEmpty;
  PRUint32 field = 0, line = 0;
  char* start = m_pcText;
  for (PRUint32 i = 0; i < size; ++i) {
    const char c = m_pcText[i];
    if (c != '\t' && c != '\n') continue;
    m_pcText[i] = '\0';
    int rc = StoreField(&pending, field++, start, line + 1);
    start = m_pcText + i + 1;
    if (!rc && c == '\n') {
      ++line;
      if (line >= static_cast<PRUint32>(m_bOldFormat)) rc = Append(pending);
      pending = kEmpty;
      field = 0;
    }
    if (rc) return rc;
  }
  return ZT_OK;
}

int ZTLCFile::Load() {
  if (m_bLoaded) return ZT_OK;
  Free();
  PRUint32 size = 0;
  int rc = ReadText(&size);
  if (!rc) rc = Parse(size);
  if (rc) {
    Free();
    return rc;
  }
  m_bLoaded = true;
  return ZT_OK;
}

int ZTLCFile::CheckKey(const void* key, LookupType type) {
  if (!key || (type == kText && !*static_cast<const char*>(key))) {
    return ZTError(ZT_NATIVE_E_LCARGS, "[ZTLCFile::Lookup] Invalid arguments");
  }
  int rc = Load();
  if (rc) return rc;
  return m_uCount ? ZT_OK : ZT_NATIVE_E_LCOUTSIDE;
}

int ZTLCFile::Compare(const void* key, LookupType type, PRUint32 i, bool last) const {
  const Entry& entry = m_pEntries[i];
  if (type == kText)
    return PL_strcmp(static_cast<const char*>(key), last ? entry.m_pcLast : entry.m_pcFirst);
  const PRUint32 number = last ? entry.m_uLast : entry.m_uFirst;
  if (type == kSNum) {
    const PRInt32 a = *static_cast<const PRInt32*>(key), b = static_cast<PRInt32>(number);
    return a < b ? -1 : (a > b ? 1 : 0);
  }
  const PRUint32 a = *static_cast<const PRUint32*>(key);
  return a < number ? -1 : (a > number ? 1 : 0);
}

int ZTLCFile::Lookup(const void* key, LookupType type, PRInt32* piPage) {
  *piPage = -1;
  int rc = CheckKey(key, type);
  if (rc) return rc;
  PRInt32 lo = -1, hi = static_cast<PRInt32>(m_uCount), mid = 0;
  int order = 0;
  while (lo + 1 < hi) {
    mid = (lo + hi) / 2;
    order = Compare(key, type, mid, false);
    if (order == 0) break;
    if (order > 0)
      lo = mid;
    else
      hi = mid;
  }
  if (order == 0) {
    *piPage = mid;
    return ZT_OK;
  }
  if (order < 0) --mid;
  *piPage = mid;
  if (mid < 0) return ZT_NATIVE_E_LCOUTSIDE;
  return Compare(key, type, mid, true) > 0 ? ZT_NATIVE_E_LCOUTSIDE : ZT_OK;
}

int ZTLCFile::FindPageBefore(const void* key, LookupType type, PRInt32* piPage) {
  *piPage = -1;
  int rc = CheckKey(key, type);
  if (rc) return rc;
  // The first page whose first key is not lower than key; the page before it is the answer.
  PRUint32 lo = 0, hi = m_uCount;
  while (lo < hi) {
    const PRUint32 mid = (lo + hi) / 2;
    if (Compare(key, type, mid, false) > 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  *piPage = static_cast<PRInt32>(lo) - 1;
  if (lo == 0) return ZT_NATIVE_E_LCOUTSIDE;
  return Compare(key, type, lo - 1, true) > 0 ? ZT_NATIVE_E_LCOUTSIDE : ZT_OK;
}
