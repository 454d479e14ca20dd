#include "modules/unicode/ztUnicodeOptions.h"

#include <plstr.h>

#include <cstdlib>

#include "core/ZTErrors.h"

namespace {

const char kMap[] = "map:";

bool StartsWith(const char* text, const char* prefix) {
  return PL_strncmp(text, prefix, PL_strlen(prefix)) == 0;
}

// The next comma, or the end of the text.
const char* OptionEnd(const char* p) {
  const char* comma = PL_strchr(p, ',');
  return comma ? comma : p + PL_strlen(p);
}

}  // namespace

int ztUnicodeOptions::Parse(const char* options) {
  const char* p = options;
  while (*p) {
    if (StartsWith(p, kMap)) {
      if (int rc = ParseMap(p + sizeof(kMap) - 1, &p)) return rc;
    } else {
      SetFlag(p);
      p = OptionEnd(p);
    }
    if (*p == ',') ++p;
  }
  m_map.Sort();
  return ZT_OK;
}

void ztUnicodeOptions::SetFlag(const char* option) {
  if (StartsWith(option, "uni_case")) m_bCase = true;
  if (StartsWith(option, "uni_comp")) m_bComp = true;
  if (StartsWith(option, "uni_space")) m_bSpace = true;
  if (StartsWith(option, "fr_sloppy_uppercase_match")) m_bSloppy = true;
}

int ztUnicodeOptions::ParseMap(const char* p, const char** ppNext) {
  while (*p && *p != ',') {
    char* number_end = nullptr;
    const unsigned long code = std::strtoul(p, &number_end, 0);
    if (number_end == p || *number_end != ':') {
      p = OptionEnd(p);  // an entry without its colon ends the option
      break;
    }
    const char* q = number_end + 1;
    if (!*q) {  // nothing after the colon
      p = q;
      break;
    }
    const char delimiter = *q++;
    const char* close = PL_strchr(q, delimiter);
    const char* stop = close ? close : q + PL_strlen(q);
    if (int rc = m_map.Add(static_cast<PRUint32>(code), q, static_cast<PRUint32>(stop - q)))
      return rc;
    p = close ? close + 1 : stop;
  }
  *ppNext = p;
  return ZT_OK;
}
