// ZTWorkCompiler: compiles the entries of a source into a work directory through the table
// writer: the headword list (exact, reverse and simplified tables, variant and cross-reference
// links, each word linked to its entries), the articles with every word marked, their
// full-text index, the file system of articles, and the work's description. The work is
// written into a staging directory beside the target and renamed into place only when
// everything succeeded.
#ifndef TOOLS_ZT_WORK_ZTWORKCOMPILER_H_
#define TOOLS_ZT_WORK_ZTWORKCOMPILER_H_

#include <prtypes.h>

#include <functional>
#include <string>

#include "tools/zt/ZTSourceEntry.h"

class ZTIndexBuilder;
class ztWorkFileTree;

struct ZTCompileSummary {
  PRUint32 m_uEntries = 0;
  PRUint32 m_uHeadwords = 0;     // distinct headword and variant spellings
  PRUint64 m_uWordsIndexed = 0;  // marked words of all articles
  PRUint64 m_uBytes = 0;         // size of the work on disk
  double m_dSeconds = 0;
};

class ZTWorkCompiler {
 public:
  // The simplifier of the accent- and case-insensitive tables, unless the work names another.
  static const char* const kDefaultSimplifier;

  // Receives a line of progress ("entries: 1000", "index written").
  void SetProgress(std::function<void(const std::string&)> progress) { m_progress = progress; }

  // Compiles source into the directory out, which must not exist. 1 for an invalid source, 17
  // when out exists, else the writer's or the file system's code; nothing is left behind on
  // failure.
  int Compile(const ZTSource& source, const std::string& out, ZTCompileSummary* pSummary);

 private:
  int CompileInto(const ZTSource& source, const std::string& staging, ZTCompileSummary* pSummary);
  // Indexes every article and adds it, then the media files, to the file system.
  int IndexArticles(const ZTSource& source, ZTIndexBuilder* pIndex, ztWorkFileTree* pTree) const;
  void Progress(const std::string& line) const {
    if (m_progress) m_progress(line);
  }

  std::function<void(const std::string&)> m_progress;
};

#endif  // TOOLS_ZT_WORK_ZTWORKCOMPILER_H_
