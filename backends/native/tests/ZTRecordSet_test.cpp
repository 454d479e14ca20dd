// The record cache of native tables: scores and moves, eviction, and the table-record
// reference cycle broken when the last outside holder lets go.
#include "backends/native/ZTRecordSet.h"

#include "core/ZTErrors.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "backends/native/ZTTable.h"
#include "backends/native/tests/ztNativeTestTables.h"
#include "find/ZTIRecord.h"

namespace {

class WatchedTable : public ZTTable {
 public:
  explicit WatchedTable(bool* pDestroyed) : m_pDestroyed(pDestroyed) {}
  ~WatchedTable() override { *m_pDestroyed = true; }

 private:
  bool* m_pDestroyed;
};

WatchedTable* OpenCached(const ztTempDir& dir, bool* pDestroyed, PRInt32 size,
                         PRInt32 increment = 5, PRInt32 decrement = -1) {
  ztTextTableOptions options;
  options.m_iCacheSize = size;
  options.m_iCacheIncrement = increment;
  options.m_iCacheDecrement = decrement;
  WatchedTable* table = new WatchedTable(pDestroyed);
  EXPECT_EQ(0, table->SetFileName(ztWriteTextTable(dir, "t", ztNumberedKeys(10), options).c_str()));
  return table;
}

void Read(ZTTable* table, PRUint32 n) {
  ZTIRecord* record = nullptr;
  ASSERT_EQ(0, table->GetRecord(n, &record));
  PRUint32 id = 0;
  record->GetId(&id);
  EXPECT_EQ(n, id);
  record->Release();
}

typedef std::vector<std::pair<PRUint32, PRInt32>> Nodes;

// The cache from head to tail as (record, score).
Nodes Cache(const ZTRecordSet* set) {
  Nodes nodes;
  PRUint32 record = 0;
  PRInt32 score = 0;
  for (PRUint32 i = 0; set->GetCacheEntry(i, &record, &score) == 0; ++i)
    nodes.push_back({record, score});
  return nodes;
}

struct CacheCase {
  const char* name;
  PRInt32 size, increment, decrement;
  std::vector<PRUint32> reads;
  Nodes expected;  // head to tail after the reads
};

TEST(ZTRecordSet, ScoresOrderAndEviction) {
  const CacheCase cases[] = {
      {"filling", 3, 5, -1, {1, 2, 3}, {{3, 5}, {2, 4}, {1, 3}}},
      {"a hit moves to the head", 3, 5, -1, {1, 2, 3, 1}, {{1, 8}, {3, 4}, {2, 3}}},
      {"aged to 0, its node takes the next record", 2, 2, -1, {0, 1, 2}, {{2, 2}, {1, 1}}},
      {"high scores take no new record", 1, 5, -1, {0, 0, 1}, {{0, 9}}},
      {"a hit evicts another record", 2, 5, -3, {0, 1, 1}, {{1, 10}}},
      {"the emptied node is reused", 2, 5, -3, {0, 1, 1, 2}, {{1, 7}, {2, 5}}},
  };
  for (const CacheCase& c : cases) {
    ztTempDir dir;
    bool destroyed = false;
    WatchedTable* table = OpenCached(dir, &destroyed, c.size, c.increment, c.decrement);
    for (PRUint32 n : c.reads) Read(table, n);
    EXPECT_EQ(c.expected, Cache(table)) << c.name;
    EXPECT_EQ(c.expected.size(), table->GetCachedCount()) << c.name;
    // The cached records hold the table: the last outside release breaks the cycle.
    table->Release();
    EXPECT_TRUE(destroyed) << c.name;
  }
}

TEST(ZTRecordSet, ARecordHeldOutsideKeepsItsTableAlive) {
  ztTempDir dir;
  bool destroyed = false;
  WatchedTable* table = OpenCached(dir, &destroyed, 3);
  Read(table, 0);
  ZTIRecord* held = nullptr;
  ASSERT_EQ(0, table->GetRecord(4, &held));
  table->Release();
  EXPECT_FALSE(destroyed);
  EXPECT_EQ("k00004", ztTextValue(table, "WORD", 4));
  held->Release();
  EXPECT_TRUE(destroyed);
}

TEST(ZTRecordSet, CacheSettings) {
  ZTTable set;
  EXPECT_EQ(ZT_E_INVALID, set.ConfigureItem("RECORDCACHE", nullptr, "1"));
  EXPECT_EQ(ZT_E_UNHANDLED, set.ConfigureItem("RECORDCACHE", "COLOR", "1"));
  EXPECT_EQ(0, set.ConfigureItem("RECORDCACHE", "SIZE", "0"));
  EXPECT_EQ(0u, set.GetCachedCount());
}

}  // namespace
