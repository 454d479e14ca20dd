// What an importer did: every record of the input is either kept as an entry, merged into the
// entry that shares its article, or (the database's own description) used for the manifest.
#ifndef TOOLS_ZT_ZTIMPORTSUMMARY_H_
#define TOOLS_ZT_ZTIMPORTSUMMARY_H_

#include <prtypes.h>

struct ZTImportSummary {
  PRUint32 m_uRead = 0;      // headword records read
  PRUint32 m_uKept = 0;      // entries made
  PRUint32 m_uMerged = 0;    // records whose headword joined an entry with the same article
  PRUint32 m_uInfo = 0;      // records describing the database rather than an entry
  PRUint32 m_uVariants = 0;  // synonyms added as variant forms
};

#endif  // TOOLS_ZT_ZTIMPORTSUMMARY_H_
