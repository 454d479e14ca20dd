// Scoring: every query word adds the weight of each of its records in the result's documents.
#include <utility>
#include <vector>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordSet.h"
#include "frontends/index/IndexTokens.h"
#include "frontends/index/ZTIIndexScorer.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/detail/ztGallop.h"

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
    ZTCursor* owners = nullptr;
    rc = m_ppSets[i]->Owners(m_pIndex->DocIdField(), k, &owners);
    if (rc == ZT_OK) rc = ComputeSetScores(m_ppSets[i]->GetSet(k), owners, documents, scorer);
  }
  return rc;
}

namespace {

// Matched records at least this close together are read as one span of the set's values.
const PRUint32 kDenseSpan = 4;

}  // namespace

// One pass over a set's records (in document order: owners holds their documents) and the
// documents (ascending), each side skipping ahead to the other; only the records of listed
// documents are weighed: close together, from their span's values read in one go, otherwise
// one by one.
int IndexTokens::ComputeSetScores(ZTIRecordSet* set, ZTCursor* owners, ZTCursor* documents,
                                  ZTIIndexScorer* scorer) {
  const PRUint32 count = owners->GetCount(), listed = documents->GetCount();
  const PRUint32* values = owners->GetArray();
  const PRUint32* ids = documents->GetArray();
  std::vector<std::pair<PRUint32, PRUint32>> matches;
  PRUint32 record = 0, rank = 0;
  while (record < count && rank < listed) {
    if (values[record] < ids[rank]) {
      record = ztGallop(values, record, count, ids[rank]);
    } else if (values[record] > ids[rank]) {
      rank = ztGallop(ids, rank, listed, values[record]);
    } else {
      matches.emplace_back(record++, rank);
    }
  }
  if (matches.empty()) return ZT_OK;
  const PRUint32 first = matches.front().first, span = matches.back().first - first + 1;
  if (span / kDenseSpan < matches.size()) {
    return ScoreSpan(set, first, span, matches, ids, scorer);
  }
  int rc = ZT_OK;
  for (size_t k = 0; rc == ZT_OK && k < matches.size(); ++k) {
    rc = ScoreRecord(set, matches[k].first, matches[k].second, ids[matches[k].second], scorer);
  }
  return rc;
}

int IndexTokens::ScoreSpan(ZTIRecordSet* set, PRUint32 first, PRUint32 span,
                           const std::vector<std::pair<PRUint32, PRUint32>>& matches,
                           const PRUint32* ids, ZTIIndexScorer* scorer) {
  ZTCursor* structures = nullptr;
  ZTCursor* occurrences = nullptr;
  int rc = ZT_OK;
  if (m_pIndex->StructureField()) {
    rc = set->ExtractCursor(m_pIndex->StructureField(), first, span, &structures);
    if (rc == ZT_OK) rc = structures->ComputeCursorForm();
  }
  if (rc == ZT_OK && m_pIndex->OccLinkField()) {
    rc = set->ExtractLinkCounts(m_pIndex->OccLinkField(), first, span, &occurrences);
    if (rc == ZT_OK) rc = occurrences->ComputeCursorForm();
  }
  const PRUint32* structure = structures ? structures->GetArray() : nullptr;
  const PRUint32* occurrence = occurrences ? occurrences->GetArray() : nullptr;
  for (size_t k = 0; rc == ZT_OK && k < matches.size(); ++k) {
    const PRUint32 at = matches[k].first - first, rank = matches[k].second;
    rc = scorer->AddScore(rank, ids[rank], structure ? structure[at] : 0,
                          occurrence ? occurrence[at] : 1);
  }
  ztRelease(structures);
  ztRelease(occurrences);
  return rc;
}

// Without a structure field every record weighs as structure 0; without an occurrence link
// field a record counts as one occurrence.
int IndexTokens::ScoreRecord(ZTIRecordSet* set, PRUint32 record, PRUint32 rank, PRUint32 document,
                             ZTIIndexScorer* scorer) {
  PRUint32 structure = 0, occurrences = 1;
  ZTIRecord* found = nullptr;
  int rc = set->GetRecord(record, &found);
  if (rc == ZT_OK && m_pIndex->StructureField()) {
    rc = found->GetUNumFieldValue(m_pIndex->StructureField(), &structure);
  }
  if (rc == ZT_OK && m_pIndex->OccLinkField()) {
    rc = found->GetLinkFieldCount(m_pIndex->OccLinkField(), &occurrences);
  }
  ztRelease(found);
  return rc != ZT_OK ? rc : scorer->AddScore(rank, document, structure, occurrences);
}
