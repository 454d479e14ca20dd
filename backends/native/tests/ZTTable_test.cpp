// Native tables: opening and configuration, the module and its component URL, sub record
// sets, cursors of field values, LINK fields between sibling tables.
#include "backends/native/ZTTable.h"

#include <gtest/gtest.h>
#include <plstr.h>
#include <prio.h>

#include <cstdlib>

#include <string>
#include <thread>
#include <vector>

#include "backends/native/ZTField.h"
#include "backends/native/ZTFldCollection.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/tests/ztNativeTestTables.h"
#include "core/ZTEnvir.h"
#include "core/ZTFactory.h"
#include "find/ZTCursor.h"
#include "find/ZTIField.h"
#include "find/ZTIFldCollection.h"
#include "find/ZTIRecord.h"
#include "find/ZTIRecordFilter.h"
#include "find/ZTRecordComparatorUNumField.h"
#include "tools/writer/ZTTableWriter.h"

namespace {

// The named field of a table (one reference).
ZTIField* FieldOf(ZTTable* table, const char* name) {
  ZTIFldCollection* fields = nullptr;
  ZTIField* field = nullptr;
  if (table->GetFldCollection(&fields) == 0) fields->GetField(name, &field);
  ztRelease(fields);
  return field;
}

ZTIRecordSet* CreateByUrl(const std::string& url, int* pRc) {
  ZTFactory* factory = nullptr;
  ZTRefCount* object = nullptr;
  *pRc = ZTFactory::GetFactory(&factory);
  if (!*pRc) *pRc = factory->CreateInstance(url.c_str(), &object);
  if (*pRc) return nullptr;
  ZTIRecordSet* set = nullptr;
  object->QueryZTInterface(ZTIRecordSet::GetZTIID(), reinterpret_cast<void**>(&set));
  object->Release();
  return set;
}

TEST(ZTTable, OpensThroughTheFactory) {
  ztTempDir dir;
  const std::string path = ztWriteTextTable(dir, "words", {"a", "b", "c"});
  int rc = 0;
  ZTIRecordSet* set = CreateByUrl("recordset:native:" + path, &rc);
  ASSERT_EQ(0, rc);
  ASSERT_NE(nullptr, set);
  PRUint32 count = 0;
  EXPECT_EQ(0, set->GetCount(&count));
  EXPECT_EQ(3u, count);
  const ztID* id = set->GetLastZTIID();
  EXPECT_EQ(ZTTable::GetZTIID(), *id);
  set->Release();
  set = CreateByUrl("recordset:native:", &rc);
  ASSERT_NE(nullptr, set);
  EXPECT_EQ(ZT_NATIVE_E_TABLE, set->GetCount(&count));
  EXPECT_EQ(0xFFFFFFFFu, count);
  set->Release();
  EXPECT_EQ(nullptr, CreateByUrl("recordset:native:" + dir.File("none"), &rc));
  EXPECT_EQ(ZT_E_NOTFOUND, rc);
}

TEST(ZTTable, TheModuleImportsItsVariablesUnlessTheEngineHasThem) {
  setenv("ZTF_BE_NATIVE_AUTOMAPLIMIT", "77", 1);
  setenv("ZTF_BE_NATIVE_DEFAULT_OPENMODE", "TRANSIENT", 1);
  ZTEnvir* envir = nullptr;
  ASSERT_EQ(0, ZTEnvir::GetEnvir(&envir));
  envir->SetValue("ZTF_BE_NATIVE_DEFAULT_OPENMODE", "DELAYED");
  ZTFactory* factory = nullptr;
  ASSERT_EQ(0, ZTFactory::GetFactory(&factory));  // loads the module
  for (const auto& expected : {std::make_pair("ZTF_BE_NATIVE_AUTOMAPLIMIT", "77"),
                               std::make_pair("ZTF_BE_NATIVE_DEFAULT_OPENMODE", "DELAYED")}) {
    char* value = nullptr;
    ASSERT_EQ(0, envir->GetValue(expected.first, &value));
    EXPECT_STREQ(expected.second, value);
    PL_strfree(value);
  }
}

TEST(ZTTable, FindsItsConfigurationInADirectoryOrBesideIt) {
  ztTempDir dir;
  const std::string path = ztWriteTextTable(dir, "words", {"a"});
  dir.Write("flat.ztn", "[DAT]\nPATH=words/records.dat\n$X=ULONG\n");
  ZTTable* table = ztOpenTable(dir.File("flat"));
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(2, table->GetCount());  // 8 bytes of records read as two ULONGs
  EXPECT_EQ(4u, table->GetRecordSize());
  table->Release();
  table = new ZTTable();
  ztTakeLog();
  EXPECT_EQ(ZT_E_NOTFOUND, table->SetFileName(dir.File("nothing").c_str()));
  EXPECT_NE(std::string::npos, ztTakeLog().find("Cannot find config file for table `"));
  EXPECT_FALSE(table->IsValid());
  EXPECT_EQ(-1, table->GetCount());
  EXPECT_EQ(0u, table->GetRecordSize());
  table->Release();
}

struct ConfigCase {
  const char* config;
  int code;
  const char* message;
};

TEST(ZTTable, RefusesConfigurationsInTheWrongOrderOrWithUnknownKeys) {
  const ConfigCase cases[] = {
      {"[GENERAL]\nNAME=x\n", ZT_E_BADOPTION, "Invalid configuration option [GENERAL] NAME=x"},
      {"[$ARTICLE,1]\nPATH=c.dat\n[DAT]\nPATH=r.dat\n$ARTICLE=DATA\n", ZT_E_BADOPTION,
       "Field ARTICLE unknwon."},
      {"[DAT]\nPATH=r.dat\n$A=DATA\n[$A,x]\nPATH=c.dat\n", ZT_E_BADOPTION, "Invalid pack number"},
      {"[DAT]\nPATH=r.dat\n$A=DATA\n[$A,70000]\nPATH=c.dat\n", ZT_E_BADOPTION,
       "Invalid pack number"},
      {"[LC]\nFIELD=A\n[DAT]\nPATH=r.dat\n$A=ULONG\n", ZT_NATIVE_E_UNKNOWN, "Field A is unknown."},
      {"[DAT]\nPATH=r.dat\n$A=ULONG\n[LC]\nFIELD=A\nFIELD=A\n", ZT_NATIVE_E_TABLE,
       "LC file record given twice or more."},
      {"[RECORDCACHE]\nSIZE=-1\n", ZT_NATIVE_E_RECORD, "Cache size not valid (-1)"},
      {"[RECORDCACHE]\nSIZE=100000\n", ZT_NATIVE_E_RECORD, "Cache size not valid (100000)"},
      {"[RECORDCACHE]\nSIZE=2\n", ZT_NATIVE_E_TABLE, "No DAT file ("},
      {"[DAT]\nPATH=r.dat\n$A=DATA\n$A,OFFSET=ULONG\n[$A]\nNAME=c.dat\n", ZT_E_BADOPTION,
       "Invalid configuration option [] NAME=c.dat"},
      {"[DAT]\nPATH=r.dat\n$L=LINK\n[$L]\nPATH=x\n", ZT_NATIVE_E_VALUE,
       "unknown configuration token 'PATH'"},
      {"[DAT]\nPATH=missing.dat\n", ZT_E_NOTFOUND, "Stops parsing. Error 11 on line 2"},
  };
  for (const ConfigCase& c : cases) {
    ztTempDir dir;
    dir.Write("r.dat", std::string(40, '\0'));
    dir.Write("c.dat", "xyz");
    dir.Write("config.cft", c.config);
    ZTTable* table = new ZTTable();
    ztTakeLog();
    EXPECT_EQ(c.code, table->SetFileName(dir.path().c_str())) << c.config;
    EXPECT_NE(std::string::npos, ztTakeLog().find(c.message)) << c.config;
    EXPECT_FALSE(table->IsValid());
    table->Release();
  }
}

TEST(ZTTable, InPlaceOperationsAreRefused) {
  ztTempDir dir;
  ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", {"a"}));
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(ZT_E_FAILED, table->Filter(nullptr));
  EXPECT_EQ(ZT_E_FAILED, table->Sort(nullptr, 0));
  EXPECT_EQ(ZT_E_FAILED, table->Merge(table, ztfOr, nullptr, 0));
  table->Release();
}

// Keeps the records whose ID is even.
class EvenIds : public ZTIRecordFilter {
 public:
  int CheckRecord(ZTIRecord* record, int* pbKeep) override {
    PRUint32 id = 0;
    ZTIField* field = FieldOf(static_cast<ZTTable*>(m_pRecordSet), "ID");
    int rc = record->GetUNumFieldValue(field, &id);
    field->Release();
    *pbKeep = id % 2 == 0;
    return rc;
  }
};

PRUint32 IdOf(ZTIRecordSet* set, PRUint32 n, ZTIField* id) {
  ZTIRecord* record = nullptr;
  PRUint32 value = 0xFFFFFFFF;
  if (set->GetRecord(n, &record) == 0) record->GetUNumFieldValue(id, &value);
  ztRelease(record);
  return value;
}

TEST(ZTTable, ToNewOperationsLeaveTheTableAsItIs) {
  ztTempDir dir;
  ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", ztNumberedKeys(10)));
  ASSERT_NE(nullptr, table);
  ZTIField* id = FieldOf(table, "ID");
  ZTRecordComparatorUNumField* comparator = new ZTRecordComparatorUNumField();
  ASSERT_EQ(0, comparator->SetField("ID"));
  comparator->SetSortingOrder(ztfSortDescending);
  ZTIRecordSet* sorted = nullptr;
  ASSERT_EQ(0, table->SortToNew(comparator, 0, &sorted));
  EXPECT_EQ(9u, IdOf(sorted, 0, id));
  EXPECT_EQ(0u, IdOf(table, 0, id));
  EvenIds* filter = new EvenIds();
  ZTIRecordSet* even = nullptr;
  ASSERT_EQ(0, table->FilterToNew(filter, &even));
  PRUint32 count = 0;
  ASSERT_EQ(0, even->GetCount(&count));
  EXPECT_EQ(5u, count);
  EXPECT_EQ(2u, IdOf(even, 1, id));
  ZTIRecordSet* both = nullptr;
  ASSERT_EQ(0, table->MergeToNew(even, ztfAnd, comparator, 0, &both));
  ASSERT_EQ(0, both->GetCount(&count));
  EXPECT_EQ(5u, count);
  both->Release();
  even->Release();
  filter->Release();
  sorted->Release();
  comparator->Release();
  id->Release();
  table->Release();
}

TEST(ZTTable, SubRecordSetsPresentARangeOfRecords) {
  ztTempDir dir;
  ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", ztNumberedKeys(600)));
  ASSERT_NE(nullptr, table);
  ZTIRecordSet* sub = nullptr;
  ASSERT_EQ(0, table->GetSubRecordSet(300, 100, &sub));
  PRUint32 count = 0, id = 0;
  ASSERT_EQ(0, sub->GetCount(&count));
  EXPECT_EQ(100u, count);
  ZTIRecord* record = nullptr;
  ASSERT_EQ(0, sub->GetRecord(0, &record));
  ASSERT_EQ(0, record->GetId(&id));
  EXPECT_EQ(300u, id);
  record->Release();
  // The range's records and their successor stay in a fragment held by the set.
  EXPECT_EQ(2u, table->GetRecordFile()->GetFragmentCount());
  sub->Release();
  EXPECT_EQ(1u, table->GetRecordFile()->GetFragmentCount());
  // Up to the last record: no successor is read.
  ASSERT_EQ(0, table->GetSubRecordSet(590, 10, &sub));
  sub->Release();
  ztTakeLog();
  EXPECT_EQ(ZT_NATIVE_E_TABLE, table->GetSubRecordSet(590, 11, &sub));
  EXPECT_NE(std::string::npos, ztTakeLog().find("Invalid record boundaries ("));
  EXPECT_EQ(ZT_NATIVE_E_TABLE, table->GetSubRecordSet(0xFFFFFFFF, 2, &sub));
  EXPECT_EQ(nullptr, sub);
  table->Release();
}

// Records and key texts in blocks of a few pages, texts without COUNT (each length comes from
// the successor, which the last page of a block finds in the next block).
TEST(ZTTable, CompressedRecordFilesSpanManyBlocks) {
  ztTempDir dir;
  ztTextTableOptions options;
  options.m_uPageSize = 16;
  options.m_bCompressed = options.m_bCompressRecords = true;
  options.m_bWithCount = false;
  options.m_uBlockSize = 256;
  const std::vector<std::string> keys = ztNumberedKeys(2000);
  const std::string path = ztWriteTextTable(dir, "t", keys, options);
  EXPECT_GT(ztReadFile(path + "/records.cat").size(), 8u * 40);
  ZTTable* table = ztOpenTable(path);
  ASSERT_NE(nullptr, table);
  ZTIField* id = FieldOf(table, "ID");
  for (PRUint32 n : {0u, 15u, 16u, 17u, 1000u, 1999u, 31u, 32u, 5u}) {
    EXPECT_EQ(keys[n], ztTextValue(table, "WORD", n)) << n;
    EXPECT_EQ(n, IdOf(table, n, id));
    PRUint32 found = 0;
    EXPECT_EQ(0, table->LookupText(keys[n].c_str(), ztfLookupEqual, &found));
    EXPECT_EQ(n, found);
  }
  ZTIRecordSet* sub = nullptr;
  ASSERT_EQ(0, table->GetSubRecordSet(100, 900, &sub));
  for (PRUint32 i = 0; i < 900; i += 7) EXPECT_EQ(100 + i, IdOf(sub, i, id)) << i;
  sub->Release();
  id->Release();
  table->Release();
}

TEST(ZTTable, ExtractCursorReadsAnUnsignedField) {
  ztTempDir dir;
  ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", ztNumberedKeys(600)));
  ASSERT_NE(nullptr, table);
  ZTIField* id = FieldOf(table, "ID");
  ASSERT_NE(nullptr, id);
  ZTCursor* cursor = nullptr;
  ASSERT_EQ(0, table->ExtractCursor(id, 250, 20, &cursor));
  ASSERT_EQ(20u, cursor->GetCount());
  for (PRUint32 i = 0; i < 20; ++i) EXPECT_EQ(250 + i, cursor->GetArray()[i]);
  cursor->Release();
  EXPECT_EQ(ZT_NATIVE_E_TABLE, table->ExtractCursor(id, 590, 11, &cursor));
  id->Release();
  table->Release();
}

// Collects the texts it is shown (without their NUL), and fails at a given record.
class TextCollector : public ZTIDataValueVisitor {
 public:
  explicit TextCollector(PRUint32 failAt = 0xFFFFFFFF) : m_uFailAt(failAt) {}
  int VisitDataValue(PRUint32 uRecord, const PRUint8* value, PRUint32 length) override {
    if (uRecord == m_uFailAt) return ZT_E_FAILED;
    std::string text(reinterpret_cast<const char*>(value), length);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    m_texts.push_back(std::to_string(uRecord) + "=" + text);
    return ZT_OK;
  }
  std::vector<std::string> m_texts;

 private:
  PRUint32 m_uFailAt;
};

// Values are lent in place, with COUNT or ended by their successor (the last by its file),
// plain or compressed across blocks.
TEST(ZTTable, VisitDataValuesLendsEachValueOfARange) {
  for (bool withCount : {true, false}) {
    for (bool compressed : {false, true}) {
      ztTempDir dir;
      ztTextTableOptions options;
      options.m_bWithCount = withCount;
      options.m_bCompressed = compressed;
      options.m_uBlockSize = 16;
      options.m_uPageSize = 4;
      ZTTable* table = ztOpenTable(ztWriteTextTable(dir, "t", ztNumberedKeys(10), options));
      ASSERT_NE(nullptr, table);
      ZTIField* word = FieldOf(table, "WORD");
      TextCollector tail;
      ASSERT_EQ(0, table->VisitDataValues(word, 7, 3, &tail));
      EXPECT_EQ(std::vector<std::string>({"7=k00007", "8=k00008", "9=k00009"}), tail.m_texts);
      TextCollector middle;
      ASSERT_EQ(0, table->VisitDataValues(word, 2, 2, &middle));
      EXPECT_EQ(std::vector<std::string>({"2=k00002", "3=k00003"}), middle.m_texts);
      TextCollector failing(5);
      EXPECT_EQ(ZT_E_FAILED, table->VisitDataValues(word, 3, 5, &failing));
      EXPECT_EQ(2u, failing.m_texts.size());
      EXPECT_EQ(ZT_NATIVE_E_TABLE, table->VisitDataValues(word, 8, 3, &tail));
      word->Release();
      table->Release();
    }
  }
}

// Two sibling tables: words whose LINK field points at ranges of occurrences.
std::string WriteLinkedTables(const ztTempDir& dir, const char* countType) {
  ZTTableWriter occurrences;
  int pos = -1;
  occurrences.AddNumField("POS", "ULONG", &pos);
  EXPECT_EQ(0, occurrences.Begin(dir.File("occ").c_str()));
  ZTWriterRow row(1);
  for (PRUint32 i = 0; i < 6; ++i) {
    row.SetNum(pos, 100 + i);
    EXPECT_EQ(0, occurrences.AddRow(row));
  }
  EXPECT_EQ(0, occurrences.Finish());
  ZTTableWriter words;
  ZTLinkFieldSpec spec;
  spec.m_pcCountType = countType;
  spec.m_pcTable = "../occ";
  int link = -1;
  words.AddLinkField("OCC", spec, &link);
  EXPECT_EQ(0, words.Begin(dir.File("words").c_str()));
  ZTWriterRow links(1);
  for (const auto& range :
       {std::make_pair(0u, 2u), std::make_pair(2u, 1u), std::make_pair(3u, 3u)}) {
    links.SetLink(link, range.first, range.second);
    EXPECT_EQ(0, words.AddRow(links));
  }
  EXPECT_EQ(0, words.Finish());
  return dir.File("words");
}

TEST(ZTTable, LinkFieldsReachRangesOfASiblingTable) {
  for (const char* countType : {"UBYTE", static_cast<const char*>(nullptr)}) {
    ztTempDir dir;
    ZTTable* words = ztOpenTable(WriteLinkedTables(dir, countType));
    ASSERT_NE(nullptr, words);
    ZTIField* link = FieldOf(words, "OCC");
    ASSERT_NE(nullptr, link);
    const PRUint32 counts[] = {2, 1, 3}, firsts[] = {0, 2, 3};
    for (PRUint32 n = 0; n < 3; ++n) {
      ZTIRecord* record = nullptr;
      ASSERT_EQ(0, words->GetRecord(n, &record));
      PRUint32 count = 0;
      ASSERT_EQ(0, record->GetLinkFieldCount(link, &count));
      EXPECT_EQ(counts[n], count) << n;
      ZTIRecordSet* linked = nullptr;
      ASSERT_EQ(0, record->GetLinkFieldValue(link, &linked));
      PRUint32 linkedCount = 0;
      ASSERT_EQ(0, linked->GetCount(&linkedCount));
      EXPECT_EQ(counts[n], linkedCount);
      // The range the set presents, in the sibling table itself.
      ZTIRecordSet* sibling = nullptr;
      PRUint32 first = 0, rangeCount = 0;
      ASSERT_EQ(0, record->GetLinkFieldRange(link, &sibling, &first, &rangeCount));
      EXPECT_EQ(firsts[n], first);
      EXPECT_EQ(counts[n], rangeCount);
      ZTIRecord* head = nullptr;
      PRUint32 id = 0;
      ASSERT_EQ(0, linked->GetRecord(0, &head));
      ASSERT_EQ(0, head->GetId(&id));
      EXPECT_EQ(first, id);
      head->Release();
      sibling->Release();
      linked->Release();
      record->Release();
    }
    // Read in one go, from the table and from a range of it; the last link ends with the
    // linked table.
    ZTCursor* cursor = nullptr;
    ASSERT_EQ(0, words->ExtractLinkCounts(link, 0, 3, &cursor));
    EXPECT_EQ(std::vector<PRUint32>(counts, counts + 3),
              std::vector<PRUint32>(cursor->GetArray(), cursor->GetArray() + 3));
    cursor->Release();
    ZTIRecordSet* range = nullptr;
    ASSERT_EQ(0, words->GetSubRecordSet(0, 2, &range));
    ASSERT_EQ(0, range->ExtractLinkCounts(link, 1, 1, &cursor));
    EXPECT_EQ(1u, cursor->GetCount());
    EXPECT_EQ(counts[1], cursor->GetArray()[0]);
    cursor->Release();
    range->Release();
    EXPECT_EQ(ZT_NATIVE_E_TABLE, words->ExtractLinkCounts(link, 2, 2, &cursor));
    // Without COUNT consecutive links cover one range: to the next record's, or to the end.
    for (const auto& run : {std::make_pair(0u, 2u), std::make_pair(1u, 2u)}) {
      ZTIRecordSet* sibling = nullptr;
      PRUint32 first = 0, covered = 0;
      const int rc =
          words->ExtractLinkRange(link, run.first, run.second, &sibling, &first, &covered);
      if (countType) {
        EXPECT_EQ(ZT_E_UNSUPPORTED, rc);
        continue;
      }
      ASSERT_EQ(0, rc);
      EXPECT_EQ(firsts[run.first], first);
      EXPECT_EQ(counts[run.first] + counts[run.first + 1], covered);
      sibling->Release();
    }
    ZTIRecordSet* target = nullptr;
    ASSERT_EQ(0, link->GetLinkSubRecordSet(&target));
    PRUint32 total = 0;
    ASSERT_EQ(0, target->GetCount(&total));
    EXPECT_EQ(6u, total);
    target->Release();
    link->Release();
    words->Release();
  }
}

// Without COUNT a link ends where the next one starts: one that would end before it starts is
// refused, record by record as in one go.
TEST(ZTTable, ALinkEndingBeforeItStartsIsRefused) {
  ztTempDir dir;
  WriteLinkedTables(dir, nullptr);  // its six occurrences
  ASSERT_EQ(PR_SUCCESS, PR_MkDir(dir.File("hostile").c_str(), 0755));
  dir.Write("hostile/r.dat", std::string("\x03\x00\x00\x00", 4));  // starts 3, 0
  dir.Write("hostile/config.cft",
            "[DAT]\nPATH=r.dat\n$OCC=LINK\n$OCC,OFFSET=USHORT\n[$OCC]\nRSURL=native:../occ\n");
  ZTTable* words = ztOpenTable(dir.File("hostile"));
  ASSERT_NE(nullptr, words);
  ZTIField* link = FieldOf(words, "OCC");
  ZTIRecord* record = nullptr;
  ASSERT_EQ(0, words->GetRecord(0, &record));
  PRUint32 count = 0;
  ztTakeLog();
  EXPECT_EQ(ZT_NATIVE_E_RECORD, record->GetLinkFieldCount(link, &count));
  EXPECT_NE(std::string::npos, ztTakeLog().find("would end before it starts"));
  ZTCursor* cursor = nullptr;
  EXPECT_EQ(ZT_NATIVE_E_RECORD, words->ExtractLinkCounts(link, 0, 2, &cursor));
  EXPECT_EQ(nullptr, cursor);
  ASSERT_EQ(0, words->ExtractLinkCounts(link, 1, 1, &cursor));
  EXPECT_EQ(6u, cursor->GetArray()[0]);  // to the end of the six occurrences
  ZTIRecordSet* linked = nullptr;
  PRUint32 first = 0;
  EXPECT_EQ(ZT_NATIVE_E_RECORD, words->ExtractLinkRange(link, 0, 1, &linked, &first, &count));
  EXPECT_EQ(nullptr, linked);
  cursor->Release();
  record->Release();
  link->Release();
  words->Release();
}

// Two tables whose LINK fields lead to each other: opening either would never end. The depth
// is the opening thread's own, and back to 0 after a refusal.
TEST(ZTTable, ACycleOfLinkedTablesIsRefused) {
  ztTempDir dir;
  for (const char* name : {"a", "b"}) {
    ASSERT_EQ(PR_SUCCESS, PR_MkDir(dir.File(name).c_str(), 0755));
    dir.Write(std::string(name) + "/r.dat", std::string("\0\0", 2));
    dir.Write(std::string(name) + "/config.cft",
              std::string("[DAT]\nPATH=r.dat\n$L=LINK\n$L,OFFSET=USHORT\n[$L]\nRSURL=native:../") +
                  (name[0] == 'a' ? "b" : "a") + "\n");
  }
  const std::string plain = WriteLinkedTables(dir, "UBYTE");
  auto openBoth = [&] {
    ztTakeLog();
    EXPECT_EQ(nullptr, ztOpenTable(dir.File("a")));
    EXPECT_NE(std::string::npos,
              ztTakeLog().find("Tables opened more than 32 deep by their LINK fields"));
    ZTTable* words = ztOpenTable(plain);  // two deep: the depth went back down
    EXPECT_NE(nullptr, words);
    ztRelease(words);
  };
  openBoth();
  std::thread other(openBoth);
  other.join();
}

TEST(ZTTable, LinkRangesBeyondTheirTableAreRefused) {
  ztTempDir dir;
  WriteLinkedTables(dir, "UBYTE");
  std::string records = ztReadFile(dir.File("words/records.dat"));
  records[4] = 9;  // record 0 links 9 records from 0: the target has 6
  dir.Write("words/records.dat", records);
  ZTTable* words = ztOpenTable(dir.File("words"));
  ASSERT_NE(nullptr, words);
  ZTField* link = words->GetRecordFile()->GetFldCollection()->FindField("OCC");
  ZTIRecord* record = nullptr;
  ASSERT_EQ(0, words->GetRecord(0, &record));
  ZTIRecordSet* linked = nullptr;
  EXPECT_EQ(ZT_NATIVE_E_TABLE, record->GetLinkFieldValue(link, &linked));
  EXPECT_EQ(nullptr, linked);
  record->Release();
  words->Release();
}

}  // namespace
