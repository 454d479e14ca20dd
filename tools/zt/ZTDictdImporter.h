// ZTDictdImporter: imports a dictd database: its index ("headword TAB offset TAB size" lines,
// numbers in base64) and its data (plain ".dict", or ".dict.dz", which is gzip). Records whose
// headword begins with "00-database-" or "00database" describe the database: "short" gives the
// work's title, and they (with any other record sharing their article) make no entry. Records
// sharing an article make one entry with several headwords. Articles are plain text turned into
// HTML; a word in braces that names a headword ({abandon}) becomes a link and a
// cross-reference. Text that is not UTF-8 is read as Latin-1.
#ifndef TOOLS_ZT_ZTDICTDIMPORTER_H_
#define TOOLS_ZT_ZTDICTDIMPORTER_H_

#include <string>

#include "tools/zt/ZTImportSummary.h"
#include "tools/zt/ZTSourceEntry.h"

class ZTDictdImporter {
 public:
  // Reads both files. The manifest's name is the index's file name without ".index"; the
  // language stays empty. 11 for a missing file, 10 when one cannot be read, 1 for faulty
  // content, with a message naming the file and the line or offset.
  int Import(const std::string& indexPath, const std::string& dictPath, ZTSource* pSource,
             ZTImportSummary* pSummary);
  // The same on the index text and the (inflated) data; the names are for messages.
  int ImportData(const std::string& index, const std::string& indexFile, const std::string& data,
                 const std::string& dataFile, ZTSource* pSource, ZTImportSummary* pSummary);
};

#endif  // TOOLS_ZT_ZTDICTDIMPORTER_H_
