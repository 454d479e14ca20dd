#include "tools/zt/detail/ztSourceFields.h"

#include <vector>

#include "tools/zt/detail/ztJsonObject.h"

namespace {

using Text = ztJsonObject::Text;

bool EndsWith(const std::string& text, const char* suffix) {
  std::string s(suffix);
  if (text.size() < s.size()) return false;
  std::string tail = text.substr(text.size() - s.size());
  for (char& c : tail) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return tail == s;
}

// The kind a file's extension gives; false when the extension says nothing.
bool KindOfName(const std::string& name, ZTMediaKind* out) {
  for (const char* ext : {".mp3", ".ogg", ".wav", ".flac", ".opus"}) {
    if (EndsWith(name, ext)) return *out = ZTMediaKind::Audio, true;
  }
  for (const char* ext : {".png", ".jpg", ".jpeg", ".gif", ".svg", ".webp", ".bmp"}) {
    if (EndsWith(name, ext)) return *out = ZTMediaKind::Picture, true;
  }
  return false;
}

// One item of "media": "file.mp3" or {"file": "file.mp3", "kind": "audio"}.
bool ParseMedia(const nlohmann::json& item, ZTSourceMedia* out, std::string* pError) {
  std::string kind;
  if (item.is_string()) {
    out->m_file = item.get<std::string>();
  } else {
    ztJsonObject object(item);
    if (!object.String("file", true, Text::Line, &out->m_file) ||
        !object.String("kind", false, Text::Line, &kind) || !object.Finish()) {
      *pError = "media: " + object.GetError();
      return false;
    }
  }
  if (!ztIsMediaName(out->m_file)) {
    *pError = "media: '" + out->m_file + "' is not a file name inside the media folder";
    return false;
  }
  if (kind == "audio" || kind == "picture") {
    out->m_kind = kind == "audio" ? ZTMediaKind::Audio : ZTMediaKind::Picture;
    return true;
  }
  if (kind.empty() && KindOfName(out->m_file, &out->m_kind)) return true;
  *pError = "media: '" + out->m_file + "' needs \"kind\": \"audio\" or \"picture\"";
  return false;
}

bool ParseMediaList(ztJsonObject* object, std::vector<ZTSourceMedia>* out) {
  const nlohmann::json* list = object->Value("media");
  if (!list) return object->GetError().empty();
  if (!list->is_array()) return object->Fail("'media' must be an array");
  for (const nlohmann::json& item : *list) {
    ZTSourceMedia media;
    std::string error;
    if (!ParseMedia(item, &media, &error)) return object->Fail(error);
    out->push_back(media);
  }
  return true;
}

}  // namespace

bool ztParseSourceManifest(const nlohmann::json& value, ZTSourceManifest* out,
                           std::string* pError) {
  ztJsonObject object(value);
  bool ok = object.String("name", true, Text::Name, &out->m_name) &&
            object.String("title", true, Text::Line, &out->m_title) &&
            object.String("language", true, Text::Line, &out->m_language) &&
            object.String("spelling_language", false, Text::Line, &out->m_spellingLanguage) &&
            object.Finish();
  if (ok && out->m_spellingLanguage.empty()) out->m_spellingLanguage = out->m_language;
  *pError = object.GetError();
  return ok;
}

bool ztParseSourceEntry(const nlohmann::json& value, ZTSourceEntry* out, std::string* pError) {
  ztJsonObject object(value);
  bool ok = object.String("id", true, Text::Name, &out->m_id) &&
            object.Lines("headwords", 1, &out->m_headwords) &&
            object.Lines("variants", 0, &out->m_variants) && object.Lines("see", 0, &out->m_see) &&
            object.String("title", false, Text::Line, &out->m_title) &&
            object.Integer("level", 0, ZT_TITLE_LEVEL_MAX, &out->m_iTitleLevel) &&
            object.String("html", true, Text::Any, &out->m_html) &&
            ParseMediaList(&object, &out->m_media) && object.Finish();
  if (ok && out->m_title.empty()) out->m_title = out->m_headwords[0];
  *pError = object.GetError();
  return ok;
}

bool ztIsMediaName(const std::string& name) {
  if (name.empty() || name[0] == '/' || name.find('\\') != std::string::npos) return false;
  if (!ztJsonObject::IsLine(name)) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find('/', start);
    if (end == std::string::npos) end = name.size();
    std::string part = name.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    start = end + 1;
  }
  return true;
}
