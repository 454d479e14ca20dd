// Lookups on sorted native tables: the base modes over pages and the lookup index, the modes
// the record-set model derives from them, text, unsigned and signed keys, duplicate keys,
// plain and compressed key texts, and damaged indexes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "backends/native/ZTLCFile.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTTable.h"
#include "backends/native/tests/ztNativeTestTables.h"

namespace {

const PRUint32 kNone = 0xFFFFFFFF;

// Answers the record number, or kNone with the code in *pRc when there is none.
PRUint32 Text(ZTTable* table, const char* key, ztfLookupMode mode, int* pRc = nullptr) {
  PRUint32 record = kNone;
  int rc = table->LookupText(key, mode, &record);
  if (pRc) *pRc = rc;
  return rc ? kNone : record;
}

// The derived-lookup table of the record-set model: keys 10, 20, 30 in records 0, 1, 2.
struct DerivedCase {
  PRInt64 key;
  PRUint32 expected[5];  // modes 0 to 4
};
const DerivedCase kDerived[] = {
    {15, {kNone, 0, 1, 0, 1}},         {20, {1, 0, 2, 1, 1}},     {25, {kNone, 1, 2, 1, 2}},
    {5, {kNone, kNone, 0, kNone, 0}},  {10, {0, kNone, 1, 0, 0}}, {30, {2, 1, kNone, 2, 2}},
    {35, {kNone, 2, kNone, 2, kNone}},
};

TEST(ZTTableLookup, DerivedModesOnTextKeys) {
  for (bool compressed : {false, true}) {
    for (bool withCount : {true, false}) {
      ztTempDir dir;
      ztTextTableOptions options;
      options.m_bCompressed = compressed;
      options.m_bCompressRecords = compressed && withCount;
      options.m_bWithCount = withCount;
      ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", {"10", "20", "30"}, options));
      ASSERT_NE(nullptr, table);
      for (const DerivedCase& c : kDerived) {
        // Two digits, so that text order is number order.
        const std::string key = (c.key < 10 ? "0" : "") + std::to_string(c.key);
        for (int mode = 0; mode < 5; ++mode) {
          EXPECT_EQ(c.expected[mode], Text(table, key.c_str(), static_cast<ztfLookupMode>(mode)))
              << key << " mode " << mode << (compressed ? " compressed" : "");
        }
      }
      table->Release();
    }
  }
}

TEST(ZTTableLookup, DerivedModesOnNumericKeys) {
  for (const char* type : {"ULONG", "USHORT", "SLONG", "S24"}) {
    ztTempDir dir;
    ZTTable* table = ztOpenTable(ztWriteNumTable(dir, "t", type, {10, 20, 30}));
    ASSERT_NE(nullptr, table);
    const bool isSigned = type[0] == 'S';
    for (const DerivedCase& c : kDerived) {
      for (int mode = 0; mode < 5; ++mode) {
        PRUint32 record = kNone;
        const ztfLookupMode m = static_cast<ztfLookupMode>(mode);
        int rc = isSigned ? table->LookupSNum(static_cast<PRInt32>(c.key), m, &record)
                          : table->LookupUNum(static_cast<PRUint32>(c.key), m, &record);
        EXPECT_EQ(c.expected[mode], rc ? kNone : record) << type << " " << c.key << " " << mode;
      }
    }
    table->Release();
  }
}

TEST(ZTTableLookup, PagesAndTheIndex) {
  ztTempDir dir;
  std::vector<std::string> keys = ztNumberedKeys(1000);  // pages 0 to 3
  keys[511] = "k00511a";  // a gap between the last key of page 1 and the first of page 2
  ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", keys));
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(512u, Text(table, "k00512", ztfLookupEqual));
  EXPECT_EQ(511u, Text(table, "k00512", ztfLookupBefore));
  EXPECT_EQ(700u, Text(table, "k00700", ztfLookupEqual));
  EXPECT_EQ(699u, Text(table, "k00700", ztfLookupBefore));
  int rc = 0;
  EXPECT_EQ(kNone, Text(table, "a", ztfLookupEqual, &rc));
  EXPECT_EQ(ZT_E_NOTFOUND, rc);
  EXPECT_EQ(kNone, Text(table, "a", ztfLookupBefore, &rc));
  EXPECT_EQ(ZT_E_NOTFOUND, rc);
  EXPECT_EQ(kNone, Text(table, "k00511b", ztfLookupEqual, &rc));
  EXPECT_EQ(ZT_E_NOTFOUND, rc);
  EXPECT_EQ(511u, Text(table, "k00511b", ztfLookupBefore));
  EXPECT_EQ(999u, Text(table, "z", ztfLookupBefore));
  EXPECT_EQ(kNone, Text(table, "", ztfLookupEqual, &rc));
  EXPECT_EQ(ZT_E_FAILED, rc);
  EXPECT_EQ(ZT_NATIVE_E_TABLE, table->LookupTextImp(nullptr, ztfLookupEqual, nullptr));
  PRUint32 record = 0;
  EXPECT_EQ(ZT_NATIVE_E_TABLE, table->LookupUNumImp(5, ztfLookupEqual, &record));
  table->Release();
}

TEST(ZTTableLookup, SignedKeysFromTheIndexText) {
  ztTempDir dir;
  ZTTable* table = ztOpenTable(ztWriteNumTable(dir, "t", "SLONG", {-300, -5, -5, 0, 7, 900}, 2));
  ASSERT_NE(nullptr, table);
  PRUint32 record = kNone;
  ASSERT_EQ(0, table->LookupSNum(-5, ztfLookupEqual, &record));
  EXPECT_TRUE(record == 1 || record == 2);
  ASSERT_EQ(0, table->LookupSNum(-5, ztfLookupBefore, &record));
  EXPECT_EQ(0u, record);
  ASSERT_EQ(0, table->LookupSNum(-5, ztfLookupAfter, &record));
  EXPECT_EQ(3u, record);
  EXPECT_EQ(ZT_E_NOTFOUND, table->LookupSNum(-301, ztfLookupBefore, &record));
  table->Release();
}

TEST(ZTTableLookup, BeforeSkipsEveryDuplicateOfTheKey) {
  // "d" fills page 1 and spills into pages 0 and 2 (pages of 4 records).
  const std::vector<std::string> keys = {"a", "b", "d", "d", "d", "d", "d", "d", "d", "e", "f"};
  for (bool compressed : {false, true}) {
    ztTempDir dir;
    ztTextTableOptions options;
    options.m_uPageSize = 4;
    options.m_bCompressed = compressed;
    options.m_uBlockSize = 8;
    ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", keys, options));
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(1u, Text(table, "d", ztfLookupBefore));
    EXPECT_EQ(1u, Text(table, "c", ztfLookupBefore));
    EXPECT_EQ(8u, Text(table, "da", ztfLookupBefore));
    EXPECT_EQ(9u, Text(table, "d", ztfLookupAfter));
    EXPECT_EQ(2u, Text(table, "d", ztfLookupEqualOrAfter));
    EXPECT_EQ(8u, Text(table, "d", ztfLookupEqualOrBefore));
    const PRUint32 any = Text(table, "d", ztfLookupEqual);
    EXPECT_TRUE(any >= 2 && any <= 8) << any;
    // Runs of equal keys are compared in place, across pages, to the last record.
    const std::pair<const char*, std::pair<PRUint32, PRUint32>> runs[] = {
        {"d", {2, 9}},   {"a", {0, 1}},   {"c", {2, 2}},
        {"f", {10, 11}}, {"g", {11, 11}}, {"0", {0, 0}}};
    for (const auto& run : runs) {
      PRUint32 first = kNone, end = kNone;
      ASSERT_EQ(0, table->LookupTextRun(run.first, &first, &end)) << run.first;
      EXPECT_EQ(run.second, std::make_pair(first, end)) << run.first;
    }
    table->Release();
  }
}

TEST(ZTTableLookup, ATruncatedIndexStillSearchesWholePages) {
  ztTempDir dir;
  const std::string path = ztWriteTextTable(dir, "t", ztNumberedKeys(600));
  // Only page 0 stays described: page 1's line loses its line feed, page 2's goes. The last
  // line read is then page 0's, whose records are still a whole page.
  std::string index = ztReadFile(path + "/lookup.lc");
  index = index.substr(0, index.rfind('\n', index.size() - 2));
  dir.Write("t/lookup.lc", index);
  ZTTable* table = ztOpenTable(path);
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(200u, Text(table, "k00200", ztfLookupEqual));
  int rc = 0;
  EXPECT_EQ(kNone, Text(table, "k00300", ztfLookupEqual, &rc));  // page 1 is not described
  EXPECT_EQ(ZT_E_NOTFOUND, rc);
  EXPECT_EQ(599u, Text(table, "k00300", ztfLookupBefore));
  table->Release();
}

TEST(ZTTableLookup, DamagedIndexesAreRefused) {
  const char* const bad[] = {
      "k00000\tk00255\t0\t1792\nk00256\tk00299\t1792\t308\nx\ty\t0\t0\n",  // more lines than pages
      "k00000\tk00255\t0x10\t1792\n",                                      // garbage offset
      "k00000\tk00255\t0\t99999999999\n",                                  // beyond 32 bits
  };
  for (const char* index : bad) {
    ztTempDir dir;
    const std::string path = ztWriteTextTable(dir, "t", ztNumberedKeys(300));
    dir.Write("t/lookup.lc", index);
    ZTTable* table = ztOpenTable(path);
    ASSERT_NE(nullptr, table);
    ztTakeLog();
    int rc = 0;
    EXPECT_EQ(kNone, Text(table, "k00010", ztfLookupEqual, &rc)) << index;
    EXPECT_EQ(ZT_E_FAILED, rc);
    EXPECT_NE(std::string::npos, ztTakeLog().find("[ZTLCFile::Load]")) << index;
    table->Release();
  }
}

TEST(ZTTableLookup, KeyTextsAreComparedWithinTheirValue) {
  // Hand-made key values without a terminating NUL, the last one ending the file.
  ztTempDir dir;
  std::string records;
  const PRUint8 offsets[][2] = {{0, 2}, {2, 3}};
  for (const auto& r : offsets)
    records += std::string({static_cast<char>(r[0]), 0, 0, 0, static_cast<char>(r[1])});
  dir.Write("r.dat", records);
  dir.Write("k.dat", "abcde");
  dir.Write("i.lc", "ab\tcde\t0\t5\n");
  dir.Write("config.cft",
            "[DAT]\nPATH=r.dat\n$K=DATA\n$K,OFFSET=ULONG\n$K,COUNT=UBYTE\n[$K]\nPATH=k.dat\n"
            "[LC]\nPATH=i.lc\nFIELD=K\n");
  ZTTable* table = ztOpenTable(dir.path());
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(1u, Text(table, "cde", ztfLookupEqual));
  EXPECT_EQ(0u, Text(table, "ab", ztfLookupEqual));
  EXPECT_EQ(0u, Text(table, "abc", ztfLookupBefore));
  EXPECT_EQ(kNone, Text(table, "abc", ztfLookupEqual));
  table->Release();
}

TEST(ZTLCFile, ParsesLinesFieldsAndTheOldFormatFlag) {
  ztTempDir dir;
  dir.Write("i.lc", "a\tb\t1\t2\textra\n-5\t 7\n\nlast-without-lf");
  ZTLCFile index;
  ASSERT_EQ(0, index.ConfigureItem("LC", "PATH", dir.File("i.lc").c_str()));
  ASSERT_EQ(0, index.ConfigureItem("LC", "OLDFORMAT", "true"));
  EXPECT_TRUE(index.IsOldFormat());
  ASSERT_EQ(0, index.Load());
  ASSERT_EQ(3u, index.GetEntryCount());
  EXPECT_STREQ("b", index.GetEntry(0).m_pcLast);
  EXPECT_EQ(1u, index.GetEntry(0).m_uOffset);
  EXPECT_EQ(2u, index.GetEntry(0).m_uLength);
  EXPECT_EQ(static_cast<PRUint32>(-5), index.GetEntry(1).m_uFirst);
  EXPECT_EQ(7u, index.GetEntry(1).m_uLast);
  EXPECT_EQ(0u, index.GetEntry(1).m_uOffset);
  EXPECT_STREQ("", index.GetEntry(2).m_pcFirst);
  EXPECT_EQ(ZT_E_BADOPTION, index.ConfigureItem("LC", "SIZE", "1"));
  ZTLCFile missing;
  ASSERT_EQ(0, missing.ConfigureItem("LC", "OLDFORMAT", "no"));
  EXPECT_EQ(ZT_E_NOTFOUND, missing.ConfigureItem("LC", "PATH", dir.File("none.lc").c_str()));
  PRInt32 page = 0;
  EXPECT_EQ(ZT_NATIVE_E_LCOPEN, missing.Lookup("a", ZTLCFile::kText, &page));
  EXPECT_EQ(ZT_NATIVE_E_LCARGS, missing.Lookup("", ZTLCFile::kText, &page));
}

}  // namespace
