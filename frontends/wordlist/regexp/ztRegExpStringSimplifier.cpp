#include "frontends/wordlist/regexp/ztRegExpStringSimplifier.h"

#include <plstr.h>
#include <prprf.h>

#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "core/ztUTF8.h"

namespace {

bool IsAsciiPunct(char c) {
  return (c > ' ' && c < '0') || (c > '9' && c < 'A') || (c > 'Z' && c < 'a') ||
         (c > 'z' && c < 0x7F);
}
bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

PRUint32 ztRegExpStringSimplifier::SyntaxLength(const char* text) {
  if (IsAsciiPunct(text[0]) && text[0] != '\\') return 1;
  if (text[0] != '\\') return 0;
  // A backslash at the end, or before a character beyond ASCII (a literal: simplified).
  if (!text[1]) return 1;
  if (static_cast<unsigned char>(text[1]) >= 0x80) return 0;
  if (IsAsciiLetter(text[1]) && text[2] == '{') {
    const char* close = std::strchr(text + 2, '}');
    if (close) return static_cast<PRUint32>(close - text) + 1;
  }
  return 2;
}

int ztRegExpStringSimplifier::Copy(const char* text, PRUint32 bytes, char* buffer,
                                   PRUint32* puLength) {
  if (bytes > *puLength) return ZT_E_NOMEM;
  std::memcpy(buffer, text, bytes);
  *puLength = bytes;
  return ZT_OK;
}

int ztRegExpStringSimplifier::SimplifyFirstChar(const char* text, PRUint32* puConsumed,
                                                char* buffer, PRUint32* puLength) {
  if (!*text) {
    *puConsumed = *puLength = 0;
    return ZT_OK;
  }
  PRUint32 bytes = SyntaxLength(text);
  if (bytes || !m_pSurrogate) {
    if (!bytes) {
      PRUint32 c = 0;
      if (CharUTF8ToUCS4(&c, text, &bytes) != 0 || bytes == 0) bytes = 1;
    }
    *puConsumed = bytes;
    return Copy(text, bytes, buffer, puLength);
  }
  // An escaped literal keeps its backslash before the simplified character.
  const PRUint32 escape = text[0] == '\\' ? 1 : 0;
  if (escape && *puLength < 1) return ZT_E_NOMEM;
  PRUint32 length = *puLength - escape;
  const int rc =
      m_pSurrogate->SimplifyFirstChar(text + escape, puConsumed, buffer + escape, &length);
  if (rc != ZT_OK) return rc;
  if (escape) buffer[0] = '\\';
  *puConsumed += escape;
  *puLength = length + escape;
  return ZT_OK;
}

void ztRegExpStringSimplifier::ComputeIdentity() {
  const char* surrogate = m_pSurrogate ? m_pSurrogate->GetSharedIdentity() : nullptr;
  m_pcIdentity = PR_smprintf("simplifier:regexp:%s", surrogate ? surrogate : "");
}

int CreateRegExpSimplifier(const char*, ZTRefCount** ppOut) {
  if (!ppOut) return ZT_E_INVALID;
  ztRegExpStringSimplifier* simplifier = new (std::nothrow) ztRegExpStringSimplifier();
  if (!simplifier) return ZT_E_NOMEM;
  *ppOut = simplifier;
  return ZT_OK;
}
