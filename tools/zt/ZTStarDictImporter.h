// ZTStarDictImporter: imports a StarDict dictionary named by its ".ifo" file, beside which lie
// the ".idx" (or ".idx.gz") word index, the ".dict" (or ".dict.dz") articles, an optional ".syn"
// list of synonyms and an optional "res" folder of resources. Index records sharing an article
// make one entry with several headwords; synonyms become variant forms of the entry they name.
// The sizes the .ifo declares (wordcount, idxfilesize, synwordcount) are checked against the
// files, and every article must lie inside the .dict data.
#ifndef TOOLS_ZT_ZTSTARDICTIMPORTER_H_
#define TOOLS_ZT_ZTSTARDICTIMPORTER_H_

#include <string>

#include "tools/zt/ZTImportSummary.h"
#include "tools/zt/ZTSourceEntry.h"

// The files of one dictionary in memory; the names are for messages.
struct ZTStarDictFiles {
  std::string m_ifo, m_ifoName;
  std::string m_idx, m_idxName;
  std::string m_dict, m_dictName;  // inflated
  std::string m_syn, m_synName;    // empty name: no .syn file
};

class ZTStarDictImporter {
 public:
  // The manifest's name is the .ifo's file name without ".ifo", its title the bookname, its
  // language the "lang" key when there is one. 11 for a missing file, 10 when one cannot be
  // read, 1 for faulty content, with a message naming the file and the line or offset.
  int Import(const std::string& ifoPath, ZTSource* pSource, ZTImportSummary* pSummary);
  int ImportFiles(const ZTStarDictFiles& files, ZTSource* pSource, ZTImportSummary* pSummary);
};

#endif  // TOOLS_ZT_ZTSTARDICTIMPORTER_H_
