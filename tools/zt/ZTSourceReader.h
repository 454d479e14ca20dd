// ZTSourceReader: reads a source, the directory a publisher writes: "manifest.json" (the work's
// name, title, language and spelling language), "entries.jsonl" (one entry per line as a JSON
// object) and the folder "media" for the files the entries attach. docs/source-format.md
// describes the format.
//
// Every fault is logged with the file and the line, and reading goes on to report the faults of
// later lines (at most ZT_SOURCE_MAX_FAULTS messages); the first fault's code is returned and
// the source is then not filled. Refused: bad JSON, wrong types, unknown keys, entries without
// headwords or article, identifiers used twice, media files that are missing, cross-references
// naming no headword.
#ifndef TOOLS_ZT_ZTSOURCEREADER_H_
#define TOOLS_ZT_ZTSOURCEREADER_H_

#include <prtypes.h>

#include <string>
#include <vector>

#include "tools/zt/ZTSourceEntry.h"

constexpr PRUint32 ZT_SOURCE_MAX_FAULTS = 20;

class ZTSourceReader {
 public:
  ZTSourceReader() = default;
  ZTSourceReader(const ZTSourceReader&) = delete;
  ZTSourceReader& operator=(const ZTSourceReader&) = delete;

  // Reads the source directory into *pSource. 11 for a missing file, 10 when one cannot be
  // read, 1 for faulty content.
  int Read(const std::string& directory, ZTSource* pSource);

  // The steps of Read on texts already in memory; file names the text in messages.
  int ParseManifest(const std::string& text, const std::string& file, ZTSourceManifest* out);
  int ParseEntries(const std::string& text, const std::string& file,
                   std::vector<ZTSourceEntry>* out);
  // Refuses cross-references naming no headword of the entries last parsed.
  int CheckReferences(const std::vector<ZTSourceEntry>& entries, const std::string& file);
  // Refuses media that are not files in mediaDir.
  int CheckMedia(const std::vector<ZTSourceEntry>& entries, const std::string& file,
                 const std::string& mediaDir);

 private:
  // Logs "FILE line N: what" (the first ZT_SOURCE_MAX_FAULTS times) and keeps the first code.
  void Fault(const std::string& file, PRUint32 line, const std::string& what);
  int TakeResult();

  std::vector<PRUint32> m_lines;  // the line of each entry last parsed
  PRUint32 m_uFaults = 0;
};

#endif  // TOOLS_ZT_ZTSOURCEREADER_H_
