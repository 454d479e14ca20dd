// Full-text searches of a work and its articles with the hits highlighted.
#include <string>

#include "core/ZTBinary.h"
#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ZTCursorScorer.h"
#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/ZTIndexResult.h"
#include "frontends/index/ZTPertinenceScorer.h"
#include "modules/hiliter/ZTHiliter.h"
#include "tools/zt/work/ZTWork.h"
#include "tools/zt/work/ztHtmlRender.h"

namespace {

const size_t kSnippetWidth = 160;

// The documents of result by descending score, with their scores.
int Ranked(ZTIndexResult* result, ZTCursor** ppSorted, ZTCursorScorer** ppScores) {
  ZTCursor* documents = nullptr;
  ZTPertinenceScorer* scorer = new ZTPertinenceScorer();
  int rc = result->RunScorer(scorer);
  if (rc == ZT_OK) rc = result->GetDocumentList(&documents);
  if (rc == ZT_OK) rc = scorer->GetCursorScorer(ppScores);
  if (rc == ZT_OK) rc = (*ppScores)->SetUnsortedCursor(documents);
  if (rc == ZT_OK) rc = (*ppScores)->GetCursor(1, ppSorted);
  if (rc == ZT_OK) rc = (*ppSorted)->ComputeCursorForm();
  ztRelease(documents);
  scorer->Release();
  return rc;
}

}  // namespace

int ZTWork::Search(const std::string& query, PRUint32 limit, PRUint32* puTotal,
                   std::vector<ZTWorkHit>* pOut) {
  pOut->clear();
  *puTotal = 0;
  ZTIndexResult* result = nullptr;
  ZTCursor* sorted = nullptr;
  ZTCursorScorer* scores = nullptr;
  const PRUint32* values = nullptr;
  int rc = m_pIndex->SearchExpression(query.c_str(), 0, m_pSimplifier, nullptr, &result);
  if (rc == ZT_OK) rc = Ranked(result, &sorted, &scores);
  if (rc == ZT_OK) rc = scores->GetSharedUnsignedScores(1, &values);
  if (rc == ZT_OK) *puTotal = sorted->GetCount();
  for (PRUint32 i = 0; rc == ZT_OK && i < sorted->GetCount() && i < limit; ++i) {
    pOut->emplace_back();
    rc = Hit(result, sorted->GetArray()[i], values[i], &pOut->back());
  }
  ztRelease(sorted);
  ztRelease(scores);
  ztRelease(result);
  return rc;
}

int ZTWork::Hit(ZTIndexResult* result, PRUint32 document, PRUint32 score, ZTWorkHit* pHit) {
  pHit->m_uDocument = document;
  pHit->m_uScore = score;
  ZTCursor* positions = nullptr;
  std::string html;
  int rc = Describe(document, &pHit->m_title, &pHit->m_path);
  if (rc == ZT_OK) rc = result->GetHiliteInfo(document, &positions);
  if (rc == ZT_OK) rc = Highlight(document, positions, &html);
  if (rc == ZT_OK) {
    pHit->m_snippet = ztSnippet(ztHtmlToText(html, "<mark>", "</mark>"), "<mark>", kSnippetWidth);
  }
  ztRelease(positions);
  return rc;
}

int ZTWork::Positions(const std::string& query, PRUint32 file, ZTCursor** ppOut) {
  ZTIndexResult* result = nullptr;
  int rc = m_pIndex->SearchExpression(query.c_str(), 0, m_pSimplifier, nullptr, &result);
  if (rc == ZT_OK) rc = result->GetHiliteInfo(file, ppOut);
  ztRelease(result);
  return rc;
}

int ZTWork::Article(PRUint32 file, const std::string& query, std::string* pHtml) {
  ZTCursor* positions = nullptr;
  int rc = query.empty() ? ZT_OK : Positions(query, file, &positions);
  if (rc == ZT_OK) rc = Highlight(file, positions, pHtml);
  ztRelease(positions);
  return rc;
}

// The stored article without its word markers, the words at positions between marks.
int ZTWork::Highlight(PRUint32 file, ZTCursor* positions, std::string* pHtml) {
  ZTFSFile* found = nullptr;
  ZTBinary* data = nullptr;
  int rc = m_pFiles->GetFile(file, &found);
  if (rc == ZT_OK) rc = found->GetData(&data);
  ztRelease(found);
  if (rc != ZT_OK) return rc;
  std::string stored(reinterpret_cast<const char*>(data->GetData()), data->GetLength());
  data->Release();
  if (!stored.empty() && stored.back() == '\0') stored.pop_back();
  ZTHiliter hiliter;
  rc = hiliter.SetStartStrings("<?ZT W?>", "<mark>", -1);
  if (rc == ZT_OK) rc = hiliter.SetStopStrings("<?ZT /W?>", "</mark>", -1);
  if (rc == ZT_OK && positions) rc = positions->ComputeCursorForm();
  if (rc == ZT_OK && positions) {
    rc = hiliter.SetValues(positions->GetArray(), positions->GetCount());
  }
  if (rc == ZT_OK) {
    rc = hiliter.FilterData(stored.c_str(), static_cast<unsigned>(stored.size() + 1));
  }
  if (rc == ZT_OK) pHtml->assign(reinterpret_cast<const char*>(hiliter.GetData()));
  return rc;
}
