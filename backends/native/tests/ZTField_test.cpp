// Fields, records, pools and streams: layouts, numeric readers, DATA values with and without
// COUNT, hostile records.
#include "backends/native/ZTField.h"

#include <gtest/gtest.h>
#include <plstr.h>

#include <string>
#include <vector>

#include "backends/native/ZTFldCollection.h"
#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFile.h"
#include "backends/native/ZTRecord.h"
#include "backends/native/ZTRecordPool.h"
#include "backends/native/ZTTable.h"
#include "backends/native/tests/ztNativeTestTables.h"
#include "core/ZTBinary.h"
#include "find/ZTIRecord.h"
#include "find/ZTIStream.h"
#include "tools/writer/ZTTableWriter.h"

namespace {

struct ReaderCase {
  const char* type;
  std::vector<PRUint8> bytes;
  PRUint32 unsignedValue;
  PRInt32 signedValue;
};

TEST(ZTField, NumbersAreReadByWidth) {
  const ReaderCase cases[] = {
      {"S24", {0xFF, 0xFF, 0xFF}, 16777215u, -1},
      {"S24", {0x00, 0x00, 0x80}, 8388608u, -8388608},
      {"U24", {0x00, 0x00, 0x80}, 8388608u, -8388608},
      {"U24", {0x01, 0x02, 0x03}, 0x030201u, 0x030201},
      {"SBYTE", {0x80}, 128u, -128},
      {"USHORT", {0x34, 0xF2}, 0xF234u, -3532},
      {"SLONG", {0xFE, 0xFF, 0xFF, 0xFF}, 0xFFFFFFFEu, -2},
      {"ULONG", {0x78, 0x56, 0x34, 0x12}, 0x12345678u, 0x12345678},
  };
  for (const ReaderCase& c : cases) {
    ZTField field;
    ASSERT_EQ(0, field.SetType(c.type));
    PRUint32 u = 0;
    PRInt32 s = 0;
    ASSERT_EQ(0, field.GetUNumFieldValue(c.bytes.data(), &u));
    ASSERT_EQ(0, field.GetSNumFieldValue(c.bytes.data(), &s));
    EXPECT_EQ(c.unsignedValue, u) << c.type;
    EXPECT_EQ(c.signedValue, s) << c.type;
    // The same value in three records of one more byte each, read as a column.
    std::vector<PRUint8> records;
    for (int k = 0; k < 3; ++k) {
      records.insert(records.end(), c.bytes.begin(), c.bytes.end());
      records.push_back(0xAA);
    }
    std::vector<PRUint32> column(3);
    const PRUint32 size = static_cast<PRUint32>(c.bytes.size() + 1);
    ASSERT_EQ(0, field.GetUNumFieldValues(records.data(), size, 3, column.data()));
    EXPECT_EQ(std::vector<PRUint32>(3, c.unsignedValue), column) << c.type;
  }
}

ZTField* Field(ZTFldCollection& fields, const char* name) {
  return fields.FindField(name);
}

TEST(ZTFldCollection, CompositeFieldsLayTheirSubFieldsOutInFixedOrder) {
  for (bool countFirst : {false, true}) {
    ZTFldCollection fields;
    ASSERT_EQ(0, fields.Configure("TEXT", "DATA"));
    const char* const order[] = {"TEXT,OFFSET", "TEXT,COUNT"};
    const char* const types[] = {"ULONG", "USHORT"};
    for (int i = 0; i < 2; ++i) {
      const int k = countFirst ? 1 - i : i;
      ASSERT_EQ(0, fields.Configure(order[k], types[k]));
    }
    ASSERT_EQ(0, fields.Configure("ID", "U24"));
    ZTField* text = Field(fields, "TEXT");
    EXPECT_EQ(0u, text->GetOffset());
    EXPECT_EQ(6u, text->GetWidth());
    ZTField* offset = text->GetOffsetField();
    ZTField* count = text->GetCountField();
    EXPECT_EQ(0u, offset->GetOffset());
    EXPECT_EQ(4u, count->GetOffset());
    EXPECT_STREQ("TEXT,COUNT", count->GetNameRef());
    offset->Release();
    count->Release();
    EXPECT_EQ(6u, Field(fields, "ID")->GetOffset());
    EXPECT_EQ(1u, Field(fields, "ID")->GetDeclarationNumber());
    EXPECT_EQ(9u, fields.GetRecordSize());
  }
}

struct DeclarationCase {
  const char* token;
  const char* value;
  int code;
  const char* message;
};

TEST(ZTFldCollection, BadDeclarationsAreRefused) {
  const DeclarationCase cases[] = {
      {"ID,OFFSET", "ULONG", ZT_NATIVE_E_SUBFIELD, "which is not a composite field (type = 32)."},
      {"L,PACKID", "UBYTE", ZT_NATIVE_E_SUBFIELD, "L field (PACKID=UBYTE). Key is incorrect."},
      {"L,OFFSET", "ULONG", ZT_NATIVE_E_SUBFIELD, "Key given twice or more."},
      {"L,SIZE", "ULONG", ZT_NATIVE_E_SUBFIELD, "Key is incorrect."},
      {"NONE,OFFSET", "ULONG", ZT_NATIVE_E_UNKNOWN, "NONE which is not a known field"},
      {"D,OFFSET", "ULONG", ZT_NATIVE_E_SUBFIELD, "declared after the field that follows D"},
  };
  ZTFldCollection fields;
  ASSERT_EQ(0, fields.Configure("D", "DATA"));
  ASSERT_EQ(0, fields.Configure("ID", "ULONG"));
  ASSERT_EQ(0, fields.Configure("L", "LINK"));
  ASSERT_EQ(0, fields.Configure("L,OFFSET", "ULONG"));
  ztTakeLog();
  for (const DeclarationCase& c : cases) {
    EXPECT_EQ(c.code, fields.Configure(c.token, c.value)) << c.token;
    EXPECT_NE(std::string::npos, ztTakeLog().find(c.message)) << c.token;
  }
  EXPECT_EQ(8u, fields.GetRecordSize());
}

TEST(ZTFldCollection, UnknownTypeLeavesATypelessFieldAndGoesOn) {
  ZTFldCollection fields;
  ztTakeLog();
  EXPECT_EQ(0, fields.Configure("NAME", "STRING"));
  EXPECT_NE(std::string::npos,
            ztTakeLog().find(
                "[ZTFldCollection::Configure] ignoring error on token 'NAME', value 'STRING'"));
  EXPECT_EQ(0u, Field(fields, "NAME")->GetWidth());
  EXPECT_EQ(0, fields.Configure("ID", "ULONG"));
  EXPECT_EQ(4u, fields.GetRecordSize());
  PRUint32 value = 0;
  const PRUint8 bytes[4] = {1, 0, 0, 0};
  EXPECT_EQ(ZT_NATIVE_E_VALUE, Field(fields, "NAME")->GetUNumFieldValue(bytes, &value));
  EXPECT_EQ(0, fields.GetUNumFieldValue(bytes, "ID", &value));
  EXPECT_EQ(1u, value);
  EXPECT_EQ(ZT_NATIVE_E_UNKNOWN, fields.GetUNumFieldValue(bytes, "X", &value));
  char* name = nullptr;
  EXPECT_EQ(0, fields.GetFieldName(1, &name));
  EXPECT_STREQ("ID", name);
  PL_strfree(name);
  EXPECT_EQ(ZT_NATIVE_E_UNKNOWN, fields.GetFieldName(2, &name));
}

// A table of one DATA field F with the given layout and rows (value, pack).
std::string WriteDataTable(const ztTempDir& dir, const ZTDataFieldSpec& spec,
                           const std::vector<std::pair<std::string, PRUint32>>& rows) {
  ZTTableWriter writer;
  int f = -1;
  EXPECT_EQ(0, writer.AddDataField("F", spec, &f));
  const std::string path = dir.File("data");
  EXPECT_EQ(0, writer.Begin(path.c_str()));
  ZTWriterRow row(1);
  for (const auto& r : rows) {
    row.SetData(f, r.first.data(), static_cast<PRUint32>(r.first.size()), r.second);
    EXPECT_EQ(0, writer.AddRow(row));
  }
  EXPECT_EQ(0, writer.Finish());
  return path;
}

TEST(ZTRecord, LengthsComeFromCountOrFromTheSuccessor) {
  const std::vector<std::pair<std::string, PRUint32>> rows = {
      {"aa", 0}, {"bbb", 0}, {"", 0}, {"cccc", 1}, {"d", 1}};
  for (bool withCount : {true, false}) {
    for (bool compressed : {false, true}) {
      ztTempDir dir;
      ZTDataFieldSpec spec;
      spec.m_pcCountType = withCount ? "UBYTE" : nullptr;
      spec.m_pcPackType = "UBYTE";
      spec.m_uPacks = 2;
      spec.m_bCompressed = compressed;
      ZTTable* table = ztOpenTable(WriteDataTable(dir, spec, rows));
      ASSERT_NE(nullptr, table);
      for (PRUint32 i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].first, ztTextValue(table, "F", i)) << i << withCount << compressed;
      }
      table->Release();
    }
  }
}

// A hand-made table of one DATA field without COUNT (records of a ULONG offset) over a
// 10-byte content file.
ZTTable* HandMadeTable(const ztTempDir& dir, const std::vector<PRUint32>& offsets,
                       const char* countType = nullptr) {
  std::string records;
  for (PRUint32 offset : offsets) {
    for (int i = 0; i < 4; ++i) records += static_cast<char>(offset >> (8 * i));
    if (countType) records += '\x08';
  }
  dir.Write("r.dat", records);
  dir.Write("c.dat", "0123456789");
  std::string config = "[DAT]\nPATH=r.dat\n$F=DATA\n$F,OFFSET=ULONG\n";
  if (countType) config += std::string("$F,COUNT=") + countType + "\n";
  dir.Write("config.cft", config + "[$F]\nPATH=c.dat\n");
  return ztOpenTable(dir.path());
}

TEST(ZTRecord, HostileOffsetsAndCountsAreRefused) {
  ztTempDir dir;
  ZTTable* table = HandMadeTable(dir, {6, 2, 8, 12});
  ASSERT_NE(nullptr, table);
  ztTakeLog();
  EXPECT_EQ("<error>", ztTextValue(table, "F", 0));  // the successor starts before it
  EXPECT_NE(std::string::npos, ztTakeLog().find("would end before it starts"));
  EXPECT_EQ("234567", ztTextValue(table, "F", 1));
  EXPECT_EQ("<error>", ztTextValue(table, "F", 2));  // [8, 12) passes the content file
  EXPECT_NE(std::string::npos, ztTakeLog().find("passes the end of"));
  EXPECT_EQ("<error>", ztTextValue(table, "F", 3));  // starts beyond it
  EXPECT_NE(std::string::npos, ztTakeLog().find("would end before it starts"));
  table->Release();
  ztTempDir other;
  table = HandMadeTable(other, {0, 5}, "UBYTE");  // COUNT 8 from offset 5 passes the end
  ASSERT_NE(nullptr, table);
  EXPECT_EQ("01234567", ztTextValue(table, "F", 0));
  ztTakeLog();
  EXPECT_EQ("<error>", ztTextValue(table, "F", 1));
  EXPECT_NE(std::string::npos, ztTakeLog().find("passes the end of"));
  table->Release();
}

TEST(ZTRecord, ReadsRefuseTheWrongKindOfField) {
  ztTempDir dir;
  ZTTable* table = HandMadeTable(dir, {0, 5});
  ASSERT_NE(nullptr, table);
  ZTIRecord* record = nullptr;
  ASSERT_EQ(0, table->GetRecord(0, &record));
  ZTField* data = table->GetRecordFile()->GetFldCollection()->FindField("F");
  PRUint32 value = 0, count = 0;
  EXPECT_EQ(ZT_NATIVE_E_VALUE, record->GetUNumFieldValue(data, &value));
  EXPECT_EQ(ZT_NATIVE_E_RECORD, record->GetUNumFieldValue(nullptr, &value));
  EXPECT_EQ(ZT_NATIVE_E_RECORD, record->GetLinkFieldCount(data, &count));
  ZTPageFile* file = nullptr;
  EXPECT_EQ(ZT_NATIVE_E_UNKNOWN, data->GetFile(&file, 3));
  ZTField id;
  id.SetType("ULONG");
  ZTBinary* bytes = nullptr;
  EXPECT_EQ(ZT_NATIVE_E_RECORD, record->GetDataFieldValue(&id, &bytes));
  record->Release();
  table->Release();
}

TEST(ZTStream, ReadsAValuePiecewise) {
  ztTempDir dir;
  ZTTable* table = HandMadeTable(dir, {0});
  ASSERT_NE(nullptr, table);
  ZTIRecord* record = nullptr;
  ASSERT_EQ(0, table->GetRecord(0, &record));
  ZTField* data = table->GetRecordFile()->GetFldCollection()->FindField("F");
  ZTIStream* stream = nullptr;
  ASSERT_EQ(0, record->GetStreamFieldValue(data, &stream));
  char buffer[8];
  PRUint32 read = 0;
  std::string all;
  for (PRUint32 expected : {4u, 4u, 2u, 0u}) {
    ASSERT_EQ(0, stream->Read(4, buffer, &read));
    EXPECT_EQ(expected, read);
    all.append(buffer, read);
  }
  EXPECT_EQ("0123456789", all);
  EXPECT_EQ(ZT_E_INVALID, stream->Seek(10));
  ASSERT_EQ(0, stream->Seek(9));
  ASSERT_EQ(0, stream->Read(4, buffer, &read));
  EXPECT_EQ(1u, read);
  EXPECT_EQ('9', buffer[0]);
  stream->Release();
  record->Release();
  table->Release();
}

TEST(ZTRecordPool, ChunksOutliveThePoolWhileTheirRecordsAreHeld) {
  ZTRecordPool* pool = ZTRecordPool::_CreateInstance(10000, 4);
  std::vector<ZTRecord*> records(10001);
  const PRUint8 bytes[4] = {1, 2, 3, 4};
  for (ZTRecord*& record : records) ASSERT_EQ(0, pool->GetRecord(&record, bytes, true));
  EXPECT_EQ(2u, pool->GetChunkCount());
  EXPECT_NE(bytes, records[0]->GetBuffer());
  pool->Release();
  // The records' chunks are still there: their bytes stay readable.
  EXPECT_EQ(4, records[10000]->GetBuffer()[3]);
  for (ZTRecord* record : records) record->Release();
}

TEST(ZTRecordPool, ReleasedRecordsAreReusedLastInFirstOut) {
  ZTRecordPool* pool = ZTRecordPool::_CreateInstance(4, 1);
  const PRUint8 byte = 7;
  ZTRecord *a = nullptr, *b = nullptr, *c = nullptr;
  ASSERT_EQ(0, pool->GetRecord(&a, &byte, false));
  ASSERT_EQ(0, pool->GetRecord(&b, &byte, false));
  EXPECT_EQ(&byte, a->GetBuffer());
  b->Release();
  ASSERT_EQ(0, pool->GetRecord(&c, &byte, true));
  EXPECT_EQ(b, c);
  a->Release();
  c->Release();
  EXPECT_EQ(1u, pool->GetChunkCount());
  pool->Release();
}

}  // namespace
