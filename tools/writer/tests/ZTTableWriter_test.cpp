// The table writer: the configuration it writes, the input it refuses, and its all-or-nothing
// rename into place. What the files hold is read back by the native back-end's tests.
#include "tools/writer/ZTTableWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

TEST(ZTTableWriter, WritesTheConfigurationOfItsDeclarations) {
  ztTempDir dir;
  ZTTableWriter writer;
  ZTDataFieldSpec headword;
  headword.m_pcCountType = "USHORT";
  headword.m_pcOpenMode = "PREMAPPED";
  ZTDataFieldSpec article;
  article.m_pcCountType = nullptr;
  article.m_pcPackType = "UBYTE";
  article.m_uPacks = 2;
  article.m_bCompressed = true;
  ZTLinkFieldSpec link;
  link.m_pcTable = "../other";
  int h = -1, a = -1, l = -1, id = -1;
  ASSERT_EQ(0, writer.AddDataField("HEADWORD", headword, &h));
  ASSERT_EQ(0, writer.AddDataField("ARTICLE", article, &a));
  ASSERT_EQ(0, writer.AddLinkField("OCC", link, &l));
  ASSERT_EQ(0, writer.AddNumField("ID", "S24", &id));
  ASSERT_EQ(0, writer.SetLookupField(h));
  writer.SetRecordCache(64);
  ASSERT_EQ(0, writer.SetOpenMode("MAPPED"));
  EXPECT_EQ(22u, writer.GetRecordSize());
  ASSERT_EQ(0, writer.Begin(dir.File("words").c_str()));
  ASSERT_EQ(0, writer.Finish());
  EXPECT_EQ(
      "// Native table written by the table writer.\n[DAT]\nPATH=records.dat\nPAGESIZE=256\n"
      "OPENMODE=MAPPED\n$HEADWORD=DATA\n$HEADWORD,OFFSET=ULONG\n$HEADWORD,COUNT=USHORT\n"
      "$ARTICLE=DATA\n$ARTICLE,OFFSET=ULONG\n$ARTICLE,PACKID=UBYTE\n"
      "$OCC=LINK\n$OCC,OFFSET=ULONG\n$OCC,COUNT=ULONG\n$ID=S24\n"
      "\n[$HEADWORD]\nPATH=f0.0.dat\nOPENMODE=PREMAPPED\n"
      "\n[$ARTICLE]\nPATH=f1.0.dat\nCOMPRESSION=ZIP\nCATALOG=f1.0.cat\n"
      "\n[$ARTICLE,1]\nPATH=f1.1.dat\nCOMPRESSION=ZIP\nCATALOG=f1.1.cat\n"
      "\n[$OCC]\nRSURL=native:../other\n"
      "\n[LC]\nPATH=lookup.lc\nFIELD=HEADWORD\n"
      "\n[RECORDCACHE]\nSIZE=64\nSCOREINCREMENT=5\nSCOREDECREMENT=-1\n",
      ztReadFile(dir.File("words/config.cft")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("words/f1.1.cat")));
}

TEST(ZTTableWriter, TheLookupIndexDescribesEveryPage) {
  ztTempDir dir;
  ZTTableWriter writer;
  int w = -1;
  ZTDataFieldSpec spec;
  ASSERT_EQ(0, writer.AddDataField("W", spec, &w));
  ASSERT_EQ(0, writer.SetLookupField(w));
  ASSERT_EQ(0, writer.SetPageSize(2));
  ASSERT_EQ(0, writer.Begin(dir.File("t").c_str()));
  ZTWriterRow row(1);
  for (const char* key : {"a", "bb", "bb", "c", "d"}) {
    row.SetText(w, key);
    ASSERT_EQ(0, writer.AddRow(row));
  }
  ASSERT_EQ(0, writer.Finish());
  EXPECT_EQ("a\tbb\t0\t5\nbb\tc\t5\t5\nd\td\t10\t2\n", ztReadFile(dir.File("t/lookup.lc")));
  EXPECT_EQ(std::string("a\0bb\0bb\0c\0d\0", 12), ztReadFile(dir.File("t/f0.0.dat")));
}

struct Refusal {
  const char* name;
  // Declares and writes; answers the first non-zero code.
  std::function<int(ZTTableWriter&, const std::string&)> write;
  const char* message;
};

int WriteTexts(ZTTableWriter& writer, const std::string& path,
               std::initializer_list<const char*> keys, ZTDataFieldSpec spec = ZTDataFieldSpec()) {
  int w = -1;
  int rc = writer.AddDataField("W", spec, &w);
  if (!rc) rc = writer.SetLookupField(w);
  if (!rc) rc = writer.Begin(path.c_str());
  ZTWriterRow row(1);
  for (const char* key : keys) {
    if (rc) break;
    row.SetText(w, key);
    rc = writer.AddRow(row);
  }
  return rc ? rc : writer.Finish();
}

int WriteNumbers(ZTTableWriter& writer, const std::string& path, const char* type,
                 std::initializer_list<PRInt64> values) {
  int f = -1;
  int rc = writer.AddNumField("N", type, &f);
  if (!rc) rc = writer.Begin(path.c_str());
  ZTWriterRow row(1);
  for (PRInt64 value : values) {
    if (rc) break;
    row.SetNum(f, value);
    rc = writer.AddRow(row);
  }
  return rc ? rc : writer.Finish();
}

int WritePacks(ZTTableWriter& writer, const std::string& path,
               std::initializer_list<PRUint32> packs) {
  ZTDataFieldSpec spec;
  spec.m_pcCountType = nullptr;
  spec.m_pcPackType = "UBYTE";
  spec.m_uPacks = 2;
  int f = -1;
  int rc = writer.AddDataField("A", spec, &f);
  if (!rc) rc = writer.Begin(path.c_str());
  ZTWriterRow row(1);
  for (PRUint32 pack : packs) {
    if (rc) break;
    row.SetData(f, "x", 1, pack);
    rc = writer.AddRow(row);
  }
  return rc ? rc : writer.Finish();
}

int WriteLinks(ZTTableWriter& writer, const std::string& path, const char* countType,
               std::initializer_list<std::pair<PRUint32, PRUint32>> links) {
  ZTLinkFieldSpec spec;
  spec.m_pcCountType = countType;
  spec.m_pcTable = "../t";
  int f = -1;
  int rc = writer.AddLinkField("L", spec, &f);
  if (!rc) rc = writer.Begin(path.c_str());
  ZTWriterRow row(1);
  for (const auto& link : links) {
    if (rc) break;
    row.SetLink(f, link.first, link.second);
    rc = writer.AddRow(row);
  }
  return rc ? rc : writer.Finish();
}

TEST(ZTTableWriter, RefusesBadInputAndLeavesNothingBehind) {
  ZTDataFieldSpec tiny;
  tiny.m_pcOffsetType = "UBYTE";
  const std::string big(300, 'x');
  const Refusal cases[] = {
      {"unsorted",
       [](ZTTableWriter& w, const std::string& p) {
         return WriteTexts(w, p, {"b", "a"});
       },
       "key 'a' of row 1 sorts before 'b'"},
      {"tab", [](ZTTableWriter& w, const std::string& p) { return WriteTexts(w, p, {"a\tb"}); },
       "holds TAB, LF or NUL"},
      {"lf",
       [](ZTTableWriter& w, const std::string& p) {
         return WriteTexts(w, p, {"a", "b\n"});
       },
       "holds TAB, LF or NUL"},
      {"offset width",
       [&](ZTTableWriter& w, const std::string& p) {
         return WriteTexts(w, p, {big.c_str(), "y"}, tiny);
       },
       "offset 301 of row 1 does not fit UBYTE"},
      {"count width",
       [&](ZTTableWriter& w, const std::string& p) {
         ZTDataFieldSpec spec;
         spec.m_pcCountType = "UBYTE";
         return WriteTexts(w, p, {big.c_str()}, spec);
       },
       "length 301 of row 0 does not fit UBYTE"},
      {"signed range",
       [](ZTTableWriter& w, const std::string& p) {
         return WriteNumbers(w, p, "SBYTE", {127, 128});
       },
       "value 128 of row 1 does not fit SBYTE"},
      {"negative unsigned",
       [](ZTTableWriter& w, const std::string& p) { return WriteNumbers(w, p, "U24", {-1}); },
       "value -1 of row 0 does not fit U24"},
      {"32 bits",
       [](ZTTableWriter& w, const std::string& p) {
         return WriteNumbers(w, p, "ULONG", {0x100000000LL});
       },
       "does not fit ULONG"},
      {"type",
       [](ZTTableWriter& w, const std::string& p) { return WriteNumbers(w, p, "STRING", {1}); },
       "'STRING' is not a numeric type"},
      {"pack order",
       [](ZTTableWriter& w, const std::string& p) {
         return WritePacks(w, p, {0, 1, 0});
       },
       "row 2 returns to pack 0 after another pack"},
      {"pack number", [](ZTTableWriter& w, const std::string& p) { return WritePacks(w, p, {2}); },
       "row 0 names pack 2 of 2"},
      {"link ranges",
       [](ZTTableWriter& w, const std::string& p) {
         return WriteLinks(w, p, nullptr, {{0, 2}, {3, 1}});
       },
       "the range of row 1 begins at 3, not at 2"},
      {"file size",
       [&](ZTTableWriter& w, const std::string& p) {
         w.SetMaxFileSize(200);
         return WriteTexts(w, p, {big.c_str()});
       },
       "would exceed 200 bytes"},
      {"field name",
       [](ZTTableWriter& w, const std::string&) {
         int f = -1;
         return w.AddNumField("A B", "ULONG", &f);
       },
       "invalid field name 'A B'"},
      {"lookup packs",
       [](ZTTableWriter& w, const std::string&) {
         ZTDataFieldSpec spec;
         spec.m_pcPackType = "UBYTE";
         spec.m_uPacks = 2;
         int f = -1;
         w.AddDataField("A", spec, &f);
         return w.SetLookupField(f);
       },
       "neither a single-pack DATA field nor a numeric field"},
      {"record file open mode",
       [](ZTTableWriter& w, const std::string&) { return w.SetOpenMode("MEMORY"); },
       "the record file: unknown open mode 'MEMORY'"},
      {"content open mode",
       [](ZTTableWriter& w, const std::string& p) {
         ZTDataFieldSpec spec;
         spec.m_pcOpenMode = "";
         return WriteTexts(w, p, {"a"}, spec);
       },
       "W: unknown open mode ''"},
  };
  for (const Refusal& c : cases) {
    ztTempDir dir;
    ZTTableWriter writer;
    ztTakeLog();
    EXPECT_EQ(1, c.write(writer, dir.File("t"))) << c.name;
    EXPECT_NE(std::string::npos, ztTakeLog().find(c.message)) << c.name;
    writer.Abort();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << c.name;
  }
}

TEST(ZTTableWriter, ReplacesATableOnlyWhenTheNewOneIsComplete) {
  ztTempDir dir;
  const std::string path = dir.File("t");
  {
    ZTTableWriter writer;
    ASSERT_EQ(0, WriteTexts(writer, path, {"old"}));
  }
  {
    ZTTableWriter writer;
    EXPECT_EQ(1, WriteTexts(writer, path, {"b", "a"}));
  }
  EXPECT_EQ(std::string("old", 4), ztReadFile(path + "/f0.0.dat"));
  {
    ZTTableWriter writer;
    ASSERT_EQ(0, WriteTexts(writer, path, {"new"}));
  }
  EXPECT_EQ(std::string("new", 4), ztReadFile(path + "/f0.0.dat"));
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(1, entries);
}

}  // namespace
