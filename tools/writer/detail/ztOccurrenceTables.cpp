#include "tools/writer/detail/ztOccurrenceTables.h"

#include "core/ZTErrors.h"
#include "tools/writer/detail/ztColumnTable.h"

namespace {

// Positions are small deltas of one another: level 1 finds their repeats as well as the
// default does, faster (the default suits "docs", whose documents and links vary more).
const int kPositionLevel = 1;

}  // namespace

int ztOccurrenceTables::DeclareDocs() {
  int rc = m_docs.AddNumField("DOCID", ztUnsignedType(m_postings.GetMaxDocument()), &m_iDocId);
  if (!rc) rc = m_docs.AddNumField("STRUCT", "UBYTE", &m_iStruct);
  if (rc || !m_bPositions) return rc;
  ZTLinkFieldSpec spec;
  // The ranges of consecutive records follow each other: each one ends where the next begins.
  spec.m_pcOffsetType = ztUnsignedType(m_postings.GetOccurrenceCount());
  spec.m_pcCountType = nullptr;
  spec.m_pcTable = "../occs";
  return m_docs.AddLinkField("OCCS", spec, &m_iOccs);
}

int ztOccurrenceTables::DeclareOccs() {
  return m_occs.AddNumField("POS", ztUnsignedType(m_postings.GetMaxPosition()), &m_iPos);
}

int ztOccurrenceTables::Begin(const std::string& directory, bool positions, bool compressed) {
  m_bPositions = positions;
  m_docs.SetRecordCompression(compressed);
  m_occs.SetRecordCompression(compressed);
  int rc = m_occs.SetCompressionLevel(kPositionLevel);
  if (!rc) rc = DeclareDocs();
  if (!rc) rc = m_docs.Begin((directory + "/docs").c_str());
  if (!rc && positions) rc = DeclareOccs();
  if (!rc && positions) rc = m_occs.Begin((directory + "/occs").c_str());
  m_docRow = ZTWriterRow(m_docs.GetFieldCount());
  m_occRow = ZTWriterRow(m_occs.GetFieldCount());
  return rc;
}

int ztOccurrenceTables::AddRecord(const ztPostingRecord& record) {
  if (m_bPositions) {
    for (PRUint32 position : record.m_positions) {
      m_occRow.SetNum(m_iPos, position);
      if (int rc = m_occs.AddRow(m_occRow)) return rc;
    }
  }
  m_docRow.SetNum(m_iDocId, record.m_uDocument);
  m_docRow.SetNum(m_iStruct, record.m_uStructure);
  const PRUint32 count = static_cast<PRUint32>(record.m_positions.size());
  if (m_bPositions) m_docRow.SetLink(m_iOccs, m_uOccRows, count);
  m_uOccRows += count;
  return m_docs.AddRow(m_docRow);
}

int ztOccurrenceTables::AddWord(PRUint32 word) {
  return m_postings.ForEachRecord(
      word, [this](const ztPostingRecord& record) { return AddRecord(record); });
}

int ztOccurrenceTables::Finish() {
  int rc = m_docs.Finish();
  if (!rc && m_bPositions) rc = m_occs.Finish();
  return rc;
}
