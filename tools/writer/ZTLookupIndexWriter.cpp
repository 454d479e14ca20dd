#include "tools/writer/ZTLookupIndexWriter.h"

#include <string_view>

#include "core/ZTErrors.h"

int ZTLookupIndexWriter::AddKey(const ZTWriterValue& value, PRUint32 row) {
  int rc = m_eKind == ztKeyText ? AddTextKey(value, row) : AddNumKey(value.m_iNum, row);
  if (rc) return rc;
  m_bAny = true;
  m_bOpen = true;
  return ZT_OK;
}

int ZTLookupIndexWriter::AddTextKey(const ZTWriterValue& value, PRUint32 row) {
  const char* bytes = static_cast<const char*>(value.m_pData);
  PRUint32 length = value.m_uLength;
  if (length && bytes[length - 1] == '\0') --length;
  const std::string_view key(bytes ? bytes : "", length);
  if (key.find_first_of(std::string_view("\t\n\0", 3)) != std::string_view::npos) {
    return ZTError(ZT_E_INVALID,
                   "[ZTTableWriter::AddRow] %s: the key of row %u holds TAB, LF or NUL",
                   m_field.c_str(), row);
  }
  // Keys compare as bytes taken as unsigned characters, as lookups do.
  if (m_bAny && key < std::string_view(m_lastText)) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddRow] %s: key '%s' of row %u sorts before '%s'",
                   m_field.c_str(), std::string(key).c_str(), row, m_lastText.c_str());
  }
  if (!m_bOpen) m_firstText.assign(key.data(), key.size());
  m_lastText.assign(key.data(), key.size());
  return ZT_OK;
}

int ZTLookupIndexWriter::AddNumKey(PRInt64 key, PRUint32 row) {
  if (m_bAny && key < m_iLast) {
    return ZTError(ZT_E_INVALID, "[ZTTableWriter::AddRow] %s: key %lld of row %u sorts before %lld",
                   m_field.c_str(), static_cast<long long>(key), row,
                   static_cast<long long>(m_iLast));
  }
  if (!m_bOpen) m_iFirst = key;
  m_iLast = key;
  return ZT_OK;
}

std::string ZTLookupIndexWriter::KeyText(bool first) const {
  if (m_eKind == ztKeyText) return first ? m_firstText : m_lastText;
  return std::to_string(first ? m_iFirst : m_iLast);
}

void ZTLookupIndexWriter::EndPage(PRUint32 offset, PRUint32 length) {
  m_text += KeyText(true) + "\t" + KeyText(false) + "\t" + std::to_string(offset) + "\t" +
            std::to_string(length) + "\n";
  m_bOpen = false;
}
