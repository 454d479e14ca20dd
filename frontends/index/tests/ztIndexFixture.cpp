#include "frontends/index/tests/ztIndexFixture.h"

#include <fstream>
#include <sstream>

#include "core/ZTEnvir.h"
#include "frontends/wordlist/ZTWordList.h"
#include "frontends/wordlist/tests/ztWordListTestTables.h"

std::string ztCursorText(ZTCursor* cursor) {
  std::string text;
  if (!cursor || cursor->ComputeCursorForm() != 0) return "rc=cursor";
  for (PRUint32 i = 0; i < cursor->GetCount(); ++i) {
    text += (i ? " " : "") + std::to_string(cursor->GetArray()[i]);
  }
  return text;
}

void ztIndexFixture::ReadAsPresorted(bool presorted) {
  ZTEnvir* envir = nullptr;
  ASSERT_EQ(ZTEnvir::GetEnvir(&envir), 0);
  ASSERT_EQ(envir->SetValue("ZTF_FE_INDEX_PRESORTED", presorted ? "1" : "0"), 0);
}

void ztIndexFixture::Open(const std::vector<ztTestDocument>& docs, const ztIndexOptions& options) {
  if (options.m_bSimplified) {
    m_pSimplifier = ztCreateSimplifier(ZTWordList::kDefaultSimplifierURL);
    ASSERT_TRUE(m_pSimplifier) << ztTakeLog();
  }
  ZTIndexBuilder builder;
  builder.SetSimplifier(m_pSimplifier);
  builder.SetStopWords(options.m_stopWords);
  builder.SetPositions(options.m_bPositions);
  for (const ztTestDocument& doc : docs) {
    std::string marked;
    ASSERT_EQ(builder.AddDocument(doc.m_uId, doc.m_parts, &marked), 0) << ztTakeLog();
    if (m_marked.size() <= doc.m_uId) m_marked.resize(doc.m_uId + 1);
    m_marked[doc.m_uId] = marked;
  }
  ASSERT_EQ(builder.Write(m_dir.path(), &m_config), 0) << ztTakeLog();
  m_pIndex = new ZTIndex();
  ASSERT_EQ(m_pIndex->SetFileName(m_config.c_str(), nullptr), 0) << ztTakeLog();
}

std::string ztIndexFixture::ReadConfiguration() const {
  std::ifstream in(m_config);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ztIndexFixture::Search(const char* query, int links, ztIStringSimplifier* simplifier,
                                   ZTIRecordFilter* filter) {
  ZTIndexResult* result = nullptr;
  const int rc = m_pIndex->SearchExpression(query, links, simplifier, filter, &result);
  if (rc) return "rc=" + std::to_string(rc);
  ZTCursor* documents = nullptr;
  EXPECT_EQ(result->GetDocumentList(&documents), 0);
  const std::string text = ztCursorText(documents);
  ztRelease(documents);
  result->Release();
  return text;
}

ZTIndexResult* ztIndexFixture::Result(const char* query, ztIStringSimplifier* simplifier,
                                      ZTIRecordFilter* filter) {
  ZTIndexResult* result = nullptr;
  EXPECT_EQ(m_pIndex->SearchExpression(query, 0, simplifier, filter, &result), 0)
      << query << ztTakeLog();
  return result;
}

std::string ztIndexFixture::Hilite(ZTIndexResult* result, PRUint32 document) {
  ZTCursor* positions = nullptr;
  const int rc = result->GetHiliteInfo(document, &positions);
  if (rc) return "rc=" + std::to_string(rc);
  const std::string text = ztCursorText(positions);
  positions->Release();
  return text;
}
