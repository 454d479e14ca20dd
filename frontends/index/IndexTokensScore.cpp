// Scoring: every query word adds the weight of each of its records in the result's documents.
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/IndexTokens.h"
#include "frontends/index/ZTIIndexScorer.h"
#include "frontends/index/ZTIndex.h"

int IndexTokens::ComputeScores(ZTCursor* documents, ZTIIndexScorer* scorer) {
  int rc = ZT_OK;
  for (PRUint32 i = 0; rc == ZT_OK && i < m_uCount; ++i) {
    if (m_pItems[i].m_pSub) {
      rc = m_pItems[i].m_pSub->ComputePhraseScores(documents, scorer);
    } else if (m_pItems[i].m_pcTerm) {
      rc = ComputeTokenScores(i, documents, scorer);
    }
  }
  return rc;
}

int IndexTokens::ComputePhraseScores(ZTCursor* documents, ZTIIndexScorer* scorer) {
  int rc = ZT_OK;
  for (PRUint32 k = 0; rc == ZT_OK && k < m_uCount; ++k) {
    if (m_pItems[k].m_pcTerm) rc = ComputeTokenScores(k, documents, scorer);
  }
  return rc;
}

int IndexTokens::ComputeTokenScores(PRUint32 i, ZTCursor* documents, ZTIIndexScorer* scorer) {
  if (!m_ppSets[i]) {
    return ZTError(ZT_E_FAILED, "[IndexTokens::ComputeScores] Item %u is not resolved", i);
  }
  int rc = documents->ComputeCursorForm();
  for (PRUint32 k = 0; rc == ZT_OK && k < m_ppSets[i]->GetSetCount(); ++k) {
    rc = ComputeSetScores(m_ppSets[i]->GetSet(k), documents, scorer);
  }
  return rc;
}

// One pass over a set's records (in document order) and the documents (ascending).
int IndexTokens::ComputeSetScores(ZTIRecordSet* set, ZTCursor* documents, ZTIIndexScorer* scorer) {
  PRUint32 count = 0, record = 0;
  int rc = set->GetCount(&count);
  const PRUint32* ids = documents->GetArray();
  for (PRUint32 k = 0; rc == ZT_OK && k < documents->GetCount() && record < count; ++k) {
    rc = ScoreDocument(set, k, ids[k], count, &record, scorer);
  }
  return rc;
}

// Scores the records of document from *puRecord on and leaves *puRecord at the first record of
// a later document.
int IndexTokens::ScoreDocument(ZTIRecordSet* set, PRUint32 rank, PRUint32 document, PRUint32 count,
                               PRUint32* puRecord, ZTIIndexScorer* scorer) {
  int rc = ZT_OK;
  while (rc == ZT_OK && *puRecord < count) {
    ZTIRecord* record = nullptr;
    PRUint32 value = 0;
    rc = set->GetRecord(*puRecord, &record);
    if (rc == ZT_OK) rc = record->GetUNumFieldValue(m_pIndex->DocIdField(), &value);
    if (rc == ZT_OK && value == document) rc = ScoreRecord(record, rank, document, scorer);
    ztRelease(record);
    if (rc != ZT_OK || value > document) break;
    ++*puRecord;
  }
  return rc;
}

// Without a structure field every record weighs as structure 0; without an occurrence link
// field a record counts as one occurrence.
int IndexTokens::ScoreRecord(ZTIRecord* record, PRUint32 rank, PRUint32 document,
                             ZTIIndexScorer* scorer) {
  PRUint32 structure = 0, occurrences = 1;
  int rc = ZT_OK;
  if (m_pIndex->StructureField()) {
    rc = record->GetUNumFieldValue(m_pIndex->StructureField(), &structure);
  }
  if (rc == ZT_OK && m_pIndex->OccLinkField()) {
    rc = record->GetLinkFieldCount(m_pIndex->OccLinkField(), &occurrences);
  }
  return rc != ZT_OK ? rc : scorer->AddScore(rank, document, structure, occurrences);
}
