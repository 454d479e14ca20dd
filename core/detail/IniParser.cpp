#include "core/detail/IniParser.h"

#include <cstring>

#include "core/ZTErrors.h"
#include "core/ZTTextFile.h"

namespace {

// Bytes are compared unsigned, so UTF-8 bytes (0x80 and above) are never blank.
bool IsBlank(char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 0x01 && byte <= 0x20;
}

void TrimEnd(char* text) {
  size_t length = std::strlen(text);
  while (length > 0 && IsBlank(text[length - 1])) --length;
  text[length] = '\0';
}

char* SkipBlanks(char* text) {
  while (IsBlank(*text)) ++text;
  return text;
}

}  // namespace

IniParser::IniParser(ZTTextFile* file) : m_pFile(file), m_iLineNumber(0) {
  m_acSection[0] = '\0';
  m_pFile->AddRef();
}

IniParser::~IniParser() {
  m_pFile->Release();
}

void IniParser::SetSection(const char* name) {
  size_t length = std::strcspn(name, "]");
  if (length > kMaxSection) length = kMaxSection;
  std::memcpy(m_acSection, name, length);
  m_acSection[length] = '\0';
}

bool IniParser::ParseLine(char* text, IniLine* pLine) {
  char* comment = std::strstr(text, "//");
  if (comment) *comment = '\0';
  TrimEnd(text);
  text = SkipBlanks(text);
  if (*text == '[') {
    SetSection(text + 1);
    *pLine = {m_acSection, nullptr, nullptr};
    return true;
  }
  char* equals = std::strchr(text, '=');
  if (!equals) return false;
  *equals = '\0';
  TrimEnd(text);
  *pLine = {m_acSection, text, SkipBlanks(equals + 1)};
  return true;
}

int IniParser::readIniLine(IniLine* pLine, bool* pbFound) {
  *pbFound = false;
  for (;;) {
    char* text = nullptr;
    int rc = m_pFile->GetLine(&text);
    if (rc || !text) return rc;
    ++m_iLineNumber;
    if (ParseLine(text, pLine)) {
      *pbFound = true;
      return ZT_OK;
    }
  }
}
