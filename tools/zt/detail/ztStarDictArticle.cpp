#include "tools/zt/detail/ztStarDictArticle.h"

#include <cstring>
#include <vector>

#include "tools/zt/detail/ztSourceFields.h"
#include "tools/zt/detail/ztStarDictMarkup.h"
#include "tools/zt/detail/ztWordRecords.h"
#include "tools/zt/ztHtmlText.h"
#include "tools/zt/ztPlainTextHtml.h"
#include "tools/zt/ztTextEncoding.h"

namespace {

struct ztField {
  char m_cType;
  std::string m_data;
};

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

class ztFieldSplitter {
 public:
  ztFieldSplitter(const char* data, size_t size) : m_pData(data), m_uSize(size) {}

  // Reads one field of the type; last: it runs to the end of the article.
  bool Field(char type, bool last, std::vector<ztField>* out, std::string* pError) {
    size_t length = m_uSize - m_uPos;
    size_t skip = 0;
    if (IsUpper(type) && !last) {
      if (length < 4) return Fail("the size of a '" + std::string(1, type) + "' field", pError);
      PRUint64 declared = ztBigEndian(m_pData + m_uPos, 4);
      m_uPos += 4;
      if (declared > length - 4) return Fail("a '" + std::string(1, type) + "' field", pError);
      length = static_cast<size_t>(declared);
    } else if (!IsUpper(type) && !last) {
      const void* nul = std::memchr(m_pData + m_uPos, '\0', length);
      if (nul) length = static_cast<const char*>(nul) - (m_pData + m_uPos), skip = 1;
    }
    out->push_back({type, std::string(m_pData + m_uPos, length)});
    m_uPos += length + skip;
    return true;
  }

  bool Split(const std::string& sameTypes, std::vector<ztField>* out, std::string* pError) {
    for (size_t i = 0; i < sameTypes.size(); ++i) {
      if (!Field(sameTypes[i], i + 1 == sameTypes.size(), out, pError)) return false;
    }
    while (sameTypes.empty() && m_uPos < m_uSize) {
      char type = m_pData[m_uPos++];
      if (!IsLetter(type)) {
        *pError = "unknown field type at offset " + std::to_string(m_uPos - 1);
        return false;
      }
      if (!Field(type, false, out, pError)) return false;
    }
    return true;
  }

 private:
  bool Fail(const std::string& what, std::string* pError) {
    *pError = what + " at offset " + std::to_string(m_uPos) + " runs past the article's " +
              std::to_string(m_uSize) + " bytes";
    return false;
  }

  const char* m_pData;
  size_t m_uSize;
  size_t m_uPos = 0;
};

// "img:a.png" and "snd:b.mp3" lines.
void Resources(const std::string& list, ZTSourceEntry* entry) {
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find('\n', start);
    if (end == std::string::npos) end = list.size();
    std::string line = list.substr(start, end - start);
    start = end + 1;
    if (!ztIsMediaName(line.substr(line.size() > 4 ? 4 : line.size()))) continue;
    if (line.compare(0, 4, "img:") == 0) {
      entry->m_media.push_back({line.substr(4), ZTMediaKind::Picture});
    } else if (line.compare(0, 4, "snd:") == 0) {
      entry->m_media.push_back({line.substr(4), ZTMediaKind::Audio});
    }
  }
}

void Convert(ztField& field, const ztHeadwordIndex& headwords, ZTSourceEntry* entry) {
  ztEnsureUtf8(&field.m_data);
  std::string* html = &entry->m_html;
  switch (field.m_cType) {
    case 't':
      *html += "<p class=\"phonetic\">[";
      ztAppendHtmlEscaped(html, field.m_data);
      *html += "]</p>\n";
      break;
    case 'x':
      ztXdxfToHtml(field.m_data, headwords, html, &entry->m_see);
      break;
    case 'h':
      ztStarDictHtml(field.m_data, headwords, html, &entry->m_see);
      break;
    case 'g':
      ztPangoToHtml(field.m_data, html);
      break;
    case 'r':
      Resources(field.m_data, entry);
      break;
    default:
      if (!IsUpper(field.m_cType)) ztPlainTextHtml(field.m_data, nullptr, html, &entry->m_see);
  }
}

}  // namespace

bool ztStarDictArticle(const char* data, size_t size, const std::string& sameTypes,
                       const ztHeadwordIndex& headwords, ZTSourceEntry* entry,
                       std::string* pError) {
  std::vector<ztField> fields;
  if (!ztFieldSplitter(data, size).Split(sameTypes, &fields, pError)) return false;
  for (ztField& field : fields) Convert(field, headwords, entry);
  return true;
}
