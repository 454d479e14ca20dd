// ztOccurrenceTables: streams the postings of the index into its two big tables: "docs" (DOCID,
// STRUCT, OCCS linking "occs"), one record per (word, document, structure), and "occs" (POS),
// one record per occurrence. Without positions "docs" has no OCCS and "occs" is not written.
// Each numeric field takes the narrowest unsigned type its largest value fits.
#ifndef TOOLS_WRITER_DETAIL_ZTOCCURRENCETABLES_H_
#define TOOLS_WRITER_DETAIL_ZTOCCURRENCETABLES_H_

#include <prtypes.h>

#include <string>

#include "tools/writer/ZTTableWriter.h"
#include "tools/writer/detail/ztPostings.h"

class ztOccurrenceTables {
 public:
  explicit ztOccurrenceTables(const ztPostings& postings) : m_postings(postings) {}
  ztOccurrenceTables(const ztOccurrenceTables&) = delete;
  ztOccurrenceTables& operator=(const ztOccurrenceTables&) = delete;

  // compressed: each record file is one zlib block (read whole on first use).
  int Begin(const std::string& directory, bool positions, bool compressed);
  // Writes the word's records (ztPostings::GetRecordCount of them) after the records so far.
  int AddWord(PRUint32 word);
  int Finish();

 private:
  int DeclareDocs();
  int DeclareOccs();
  int AddRecord(const ztPostingRecord& record);

  const ztPostings& m_postings;
  bool m_bPositions = true;
  ZTTableWriter m_docs;
  ZTTableWriter m_occs;
  ZTWriterRow m_docRow{0}, m_occRow{0};  // reused for every record, once the fields are known
  int m_iDocId = -1, m_iStruct = -1, m_iOccs = -1, m_iPos = -1;
  PRUint32 m_uOccRows = 0;
};

#endif  // TOOLS_WRITER_DETAIL_ZTOCCURRENCETABLES_H_
