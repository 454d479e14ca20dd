// The in-memory model of a reference work before it is compiled: its manifest and its entries,
// as the source reader and the importers produce them.
#ifndef TOOLS_ZT_ZTSOURCEENTRY_H_
#define TOOLS_ZT_ZTSOURCEENTRY_H_

#include <string>
#include <vector>

// Highest title level: 0 is a main title, 7 the deepest subtitle.
constexpr int ZT_TITLE_LEVEL_MAX = 7;

enum class ZTMediaKind { Audio, Picture };

// A file attached to an entry, named relative to the work's media folder.
struct ZTSourceMedia {
  std::string m_file;
  ZTMediaKind m_kind = ZTMediaKind::Audio;
};

struct ZTSourceEntry {
  std::string m_id;                      // unique in the work; letters, digits, '-', '_', '.'
  std::vector<std::string> m_headwords;  // at least one; the first is the main headword
  std::vector<std::string> m_variants;   // other spellings that lead to the entry
  std::vector<std::string> m_see;        // headwords of other entries this one refers to
  std::string m_title;
  int m_iTitleLevel = 0;
  std::string m_html;  // the article; links to other entries are <a href="see:HEADWORD">
  std::vector<ZTSourceMedia> m_media;
};

struct ZTSourceManifest {
  std::string m_name;  // short name, usable as a file name
  std::string m_title;
  std::string m_language;          // language tag of the content ("en", "fr"), may be empty
  std::string m_spellingLanguage;  // language of the speller, the content's language by default
};

struct ZTSource {
  ZTSourceManifest m_manifest;
  std::vector<ZTSourceEntry> m_entries;
  std::string m_mediaDir;  // folder the media names are relative to; empty without media
};

#endif  // TOOLS_ZT_ZTSOURCEENTRY_H_
