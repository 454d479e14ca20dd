// The fixture of the index tests: an index written by the index builder into the test's
// temporary directory from a few documents, opened, and queried.
#ifndef FRONTENDS_INDEX_TESTS_ZTINDEXFIXTURE_H_
#define FRONTENDS_INDEX_TESTS_ZTINDEXFIXTURE_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ztIStringSimplifier.h"
#include "find/ZTCursor.h"
#include "frontends/index/ZTIndex.h"
#include "frontends/index/ZTIndexResult.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTIndexBuilder.h"

struct ztTestDocument {
  PRUint32 m_uId;
  std::vector<ZTIndexPart> m_parts;
};

// A document of one part of body text (structure 2).
inline ztTestDocument ztBody(PRUint32 id, const std::string& text) {
  return {id, {{text, 2}}};
}

struct ztIndexOptions {
  std::vector<std::string> m_stopWords;
  bool m_bPositions = true;
  bool m_bSimplified = true;
};

class ztIndexFixture : public ::testing::Test {
 protected:
  void SetUp() override { ztTakeLog(); }
  void TearDown() override {
    ztRelease(m_pIndex);
    ztRelease(m_pSimplifier);
  }

  // Builds the index of docs and opens it; the marked texts go to m_marked, by id.
  void Open(const std::vector<ztTestDocument>& docs,
            const ztIndexOptions& options = ztIndexOptions());
  // Whether indexes opened from now on read their data as presorted (one set per word record,
  // never merged) or sort it at each query.
  static void ReadAsPresorted(bool presorted);
  // The configuration written, for tests that change it.
  std::string ReadConfiguration() const;

  // The documents found, as "1 2 3", or "rc=<code>" when the search fails.
  std::string Search(const char* query, int links = 0, ztIStringSimplifier* simplifier = nullptr,
                     ZTIRecordFilter* filter = nullptr);
  // The result of query (null, with a test failure, when the search fails).
  ZTIndexResult* Result(const char* query, ztIStringSimplifier* simplifier = nullptr,
                        ZTIRecordFilter* filter = nullptr);
  // The positions to highlight in document, as "1 4", or "rc=<code>".
  static std::string Hilite(ZTIndexResult* result, PRUint32 document);

  ztTempDir m_dir;
  std::string m_config;
  std::vector<std::string> m_marked;
  ztIStringSimplifier* m_pSimplifier = nullptr;
  ZTIndex* m_pIndex = nullptr;
};

// The values of a cursor, as "1 2 3".
std::string ztCursorText(ZTCursor* cursor);

#endif  // FRONTENDS_INDEX_TESTS_ZTINDEXFIXTURE_H_
