#include "tools/writer/detail/ztColumnTable.h"

#include <gtest/gtest.h>
#include <prio.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/ZTErrors.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

TEST(ztColumnTableTest, EachValueTakesTheNarrowestTypeHoldingIt) {
  const struct {
    PRUint64 max;
    const char* type;
  } cases[] = {{0, "UBYTE"},   {255, "UBYTE"},    {256, "USHORT"},      {65535, "USHORT"},
               {65536, "U24"}, {0xFFFFFF, "U24"}, {0x1000000, "ULONG"}, {0xFFFFFFFF, "ULONG"}};
  for (const auto& c : cases) EXPECT_STREQ(ztUnsignedType(c.max), c.type) << c.max;
}

// A link without COUNT ends where the next begins and the last at the sibling's end: only
// ranges that do so may lose their COUNT.
TEST(ztColumnTableTest, LinksLoseTheirCountOnlyWhenTheRangesFollowEachOtherToTheEnd) {
  const struct {
    std::vector<std::pair<PRUint32, PRUint32>> ranges;
    PRInt64 linkedRows;
    bool counted;
  } cases[] = {{{{0, 2}, {2, 0}, {2, 3}}, 5, false},
               {{{0, 2}, {2, 0}, {2, 3}}, 6, true},   // the last range stops short of the end
               {{{0, 2}, {3, 0}, {3, 3}}, 6, true},   // a gap
               {{{0, 2}, {1, 1}, {2, 3}}, 5, true},   // an overlap
               {{{0, 2}, {2, 0}, {2, 3}}, -1, true},  // the sibling's size is unknown
               {{{0, 0}, {0, 0}}, 0, false}};
  for (const auto& c : cases) {
    ztTempDir dir;
    ztCellRows rows(1);
    for (const auto& range : c.ranges) rows.AddLink(range.first, range.second);
    ASSERT_EQ(ztWriteColumnTable(dir.File("t"), {{"L", 'l', "s", nullptr, 0, -1, c.linkedRows}},
                                 rows, false, 4),
              0)
        << ztTakeLog();
    const std::string config = ztReadFile(dir.File("t/config.cft"));
    EXPECT_EQ(config.find("$L,COUNT=") != std::string::npos, c.counted) << config;
  }
}

TEST(ztColumnTableTest, RowsThatDoNotFitTheColumnsAreRefused) {
  const std::string text = "word";
  ztCellRows wider(3), unfinished(2);
  wider.AddText(text);
  wider.AddNumber(1);
  wider.AddNumber(2);
  unfinished.AddText(text);
  unfinished.AddNumber(1);
  unfinished.AddText(text);
  ztTakeLog();
  for (const ztCellRows* rows : {&wider, &unfinished}) {
    ztTempDir dir;
    EXPECT_EQ(ztWriteColumnTable(dir.File("t"), {{"KEY", 't', nullptr}, {"N", 'n', nullptr}}, *rows,
                                 false, 4),
              ZT_E_INVALID);
    EXPECT_NE(ztTakeLog().find("the rows do not fit its 2 columns"), std::string::npos);
    EXPECT_FALSE(PR_Access(dir.File("t").c_str(), PR_ACCESS_EXISTS) == PR_SUCCESS);
  }
}

// The logical and stored bytes of the blocks a catalog lists.
std::pair<size_t, size_t> CatalogSizes(const std::string& path) {
  const std::string bytes = ztReadFile(path);
  std::pair<size_t, size_t> sizes(0, 0);
  for (size_t i = 0; i + 8 <= bytes.size(); i += 8) {
    PRUint32 pair[2];
    std::memcpy(pair, bytes.data() + i, sizeof(pair));  // little-endian, as the tests run
    sizes.first += pair[0];
    sizes.second += pair[1];
  }
  return sizes;
}

// A column's level is its blocks' alone: the records keep the table's.
TEST(ztColumnTableTest, AColumnsLevelDeflatesOnlyItsOwnBlocks) {
  const std::string text(200, 'a');
  ztCellRows rows(2);
  for (PRUint32 i = 0; i < 500; ++i) {
    rows.AddText(text);
    rows.AddNumber(i % 3);
  }
  ztTempDir dir;
  ASSERT_EQ(ztWriteColumnTable(dir.File("t"),
                               {{"T", 't', nullptr, nullptr, 4096, 0}, {"N", 'n', nullptr}}, rows,
                               false, 16, nullptr, true),
            0)
      << ztTakeLog();
  const auto texts = CatalogSizes(dir.File("t/f0.0.cat"));
  const auto records = CatalogSizes(dir.File("t/records.cat"));
  EXPECT_EQ(texts.first, 500u * 201);
  EXPECT_GT(texts.second, texts.first);  // level 0 stores the blocks as they are
  EXPECT_GT(records.first, 0u);
  EXPECT_LT(records.second, records.first);  // deflated at the table's level
}

}  // namespace
