// Page files: pages and records, plain and compressed reads, catalogs, open modes and static
// fragments, over files written by the table writer.
#include "backends/native/ZTPageFile.h"

#include <gtest/gtest.h>
#include <prenv.h>

#include <string>
#include <utility>
#include <vector>

#include "backends/native/ZTNativeErrors.h"
#include "backends/native/ZTPageFileFragment.h"
#include "backends/native/detail/ztPageIO.h"
#include "backends/native/tests/ztNativeTestTables.h"
#include "core/ZTEnvir.h"
#include "tools/writer/ZTBlockWriter.h"
#include "tools/writer/ZTTableWriter.h"

namespace {

typedef std::vector<std::pair<std::string, std::string>> Keys;

// A page file configured with keys (PATH first) and checked; *pRc receives Check's code.
ZTPageFile* MakePageFile(const Keys& keys, int* pRc = nullptr) {
  ZTPageFile* file = new ZTPageFile();
  for (const auto& key : keys)
    EXPECT_EQ(0, file->ConfigureItem("", key.first.c_str(), key.second.c_str())) << key.first;
  int rc = file->Check();
  if (pRc)
    *pRc = rc;
  else
    EXPECT_EQ(0, rc);
  return file;
}

// A record file of count records of one ULONG field (the record number).
std::string WriteRecords(const ztTempDir& dir, PRUint32 count) {
  ZTTableWriter writer;
  int id = -1;
  writer.AddNumField("ID", "ULONG", &id);
  const std::string path = dir.File("t" + std::to_string(count));
  EXPECT_EQ(0, writer.Begin(path.c_str()));
  ZTWriterRow row(1);
  for (PRUint32 i = 0; i < count; ++i) {
    row.SetNum(id, i);
    writer.AddRow(row);
  }
  EXPECT_EQ(0, writer.Finish());
  return path + "/records.dat";
}

// A content file of the given units; compressed with a catalog when blockSize is not 0.
std::string WriteContent(const ztTempDir& dir, const std::vector<std::string>& units,
                         PRUint32 blockSize) {
  ZTBlockWriter writer;
  const std::string path = dir.File("content.dat"), catalog = dir.File("content.cat");
  EXPECT_EQ(0, writer.Open(path.c_str(), blockSize ? catalog.c_str() : nullptr, blockSize, 6));
  for (const std::string& unit : units)
    writer.AppendUnit(unit.data(), static_cast<PRUint32>(unit.size()));
  EXPECT_EQ(0, writer.Close());
  return path;
}

Keys Compressed(const std::string& path) {
  return {
      {"PATH", path}, {"COMPRESSION", "zip"}, {"CATALOG", path.substr(0, path.size() - 3) + "cat"}};
}

TEST(ZTPageFile, PagesHoldTheirRecordsAndTheSuccessor) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile({{"PATH", WriteRecords(dir, 1000)}, {"$ID", "ULONG"}});
  EXPECT_EQ(1000, file->GetRecordCount());
  EXPECT_EQ(4, file->GetPageCount());
  ASSERT_EQ(0, file->LoadPage(0));
  EXPECT_EQ(257u * 4, file->GetBufferSize());
  ASSERT_EQ(0, file->LoadPage(3));
  EXPECT_EQ(232u * 4, file->GetBufferSize());
  EXPECT_EQ(768u * 4, file->GetBufferOffset());
  EXPECT_EQ(ZT_NATIVE_E_ARGS, file->LoadPage(4));
  const PRUint8* record = nullptr;
  ASSERT_EQ(0, file->GetRecordBuffer(999, &record));
  EXPECT_EQ(999u, record[0] | record[1] << 8);
  EXPECT_EQ(ZT_E_FAILED, file->GetRecordBuffer(1000, &record));
  EXPECT_EQ(nullptr, record);
  file->Release();
}

TEST(ZTPageFile, LastPageOfAMultipleOfThePageSizeIsFull) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile({{"PATH", WriteRecords(dir, 512)}, {"$ID", "ULONG"}});
  EXPECT_EQ(2, file->GetPageCount());
  ASSERT_EQ(0, file->LoadPage(1));
  EXPECT_EQ(256u * 4, file->GetBufferSize());
  file->Release();
}

TEST(ZTPageFile, ShortPlainReadsAreWidenedButStayInsideTheFile) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile({{"PATH", WriteContent(dir, {std::string(5000, 'x')}, 0)}});
  ASSERT_EQ(0, file->Load(0, 10, nullptr));
  EXPECT_EQ(1024u, file->GetBufferSize());
  const PRUint8* start = file->GetBufferPtr();
  ASSERT_EQ(0, file->Load(100, 10, nullptr));  // served by the same fragment
  EXPECT_EQ(0u, file->GetBufferOffset());
  EXPECT_EQ(start + 100, file->GetBufferPtr());
  ASSERT_EQ(0, file->Load(4990, 10, nullptr));
  EXPECT_EQ(10u, file->GetBufferSize());
  EXPECT_EQ(ZT_NATIVE_E_RANGE, file->Load(4995, 10, nullptr));
  EXPECT_EQ(ZT_NATIVE_E_RANGE, file->Load(5001, 0, nullptr));
  EXPECT_EQ(ZT_NATIVE_E_RANGE, file->Load(0xFFFFFFF0u, 0x20, nullptr));
  file->Release();
}

TEST(ZTPageFile, CompressedReadsComeFromTheBlocksTheyCover) {
  ztTempDir dir;
  std::vector<std::string> units;
  for (char c = 'a'; c < 'f'; ++c) units.push_back(std::string(100, c));
  ZTPageFile* file = MakePageFile(Compressed(WriteContent(dir, units, 100)));
  EXPECT_EQ(500u, file->GetLogicalSize());
  ASSERT_EQ(0, file->Load(300, 10, nullptr));
  EXPECT_EQ(300u, file->GetBufferOffset());
  EXPECT_EQ(100u, file->GetBufferSize());
  EXPECT_EQ('d', file->GetBufferPtr()[0]);
  ASSERT_EQ(0, file->Load(399, 1, nullptr));
  EXPECT_EQ(300u, file->GetBufferOffset());
  EXPECT_EQ(ZT_NATIVE_E_BLOCK, file->Load(500, 1, nullptr));
  ASSERT_EQ(0, file->Load(390, 20, nullptr));  // blocks d and e
  EXPECT_EQ(300u, file->GetBufferOffset());
  EXPECT_EQ(200u, file->GetBufferSize());
  EXPECT_EQ(std::string(10, 'd') + std::string(10, 'e'),
            std::string(reinterpret_cast<const char*>(file->GetBufferPtr()), 20));
  EXPECT_EQ(ZT_NATIVE_E_RANGE, file->Load(490, 20, nullptr));
  EXPECT_EQ(ZT_NATIVE_E_RANGE, file->Load(10, 0xFFFFFFFFu, nullptr));
  file->Release();
}

// Catalog pairs (logical, stored) as stored bytes.
std::string Catalog(const std::vector<std::pair<PRUint32, PRUint32>>& pairs) {
  std::string bytes;
  for (const auto& pair : pairs) {
    for (PRUint32 v : {pair.first, pair.second}) {
      for (int i = 0; i < 4; ++i) bytes += static_cast<char>(v >> (8 * i));
    }
  }
  return bytes;
}

TEST(ZTPageFile, CatalogsThatDoNotDescribeTheirFileAreRefused) {
  ztTempDir dir;
  const std::string data = WriteContent(dir, {std::string(100, 'a'), std::string(100, 'b')}, 100);
  const std::string good = ztReadFile(dir.File("content.cat"));
  const PRUint32 first = static_cast<PRUint8>(good[4]) | static_cast<PRUint8>(good[5]) << 8;
  const PRUint32 size = static_cast<PRUint32>(ztReadFile(data).size());
  const std::vector<std::vector<std::pair<PRUint32, PRUint32>>> bad = {
      {{100, first}, {0xFFFFFFF0u, size - first}},  // logical sums wrap
      {{100, first}, {100, size}},                  // stored sums pass the file
      {{0, first}, {200, size - first}},            // an empty block
      {{100, 0}, {100, size}},                      // a block without stored bytes
      {{100, first}, {0x7FFFFFFF, size - first}},   // more than deflate can give
  };
  for (const auto& pairs : bad) {
    dir.Write("content.cat", Catalog(pairs));
    ZTPageFile* file = MakePageFile(Compressed(data));
    EXPECT_EQ(0u, file->GetLogicalSize());
    EXPECT_EQ(ZT_NATIVE_E_BLOCK, file->Load(0, 1, nullptr));
    file->Release();
  }
  dir.Write("content.cat", std::string(size * 8 + 8, '\x01'));  // more entries than bytes
  ZTPageFile* file = MakePageFile(Compressed(data));
  EXPECT_EQ(0u, file->GetLogicalSize());
  file->Release();
}

TEST(ZTPageFile, BlocksMustInflateToTheirCataloguedLength) {
  ztTempDir dir;
  const std::string data = WriteContent(dir, {std::string(100, 'a'), std::string(100, 'b')}, 100);
  std::string catalog = ztReadFile(dir.File("content.cat"));
  catalog[0] = 99;  // block 0 claims 99 bytes
  dir.Write("content.cat", catalog);
  ZTPageFile* file = MakePageFile(Compressed(data));
  EXPECT_EQ(ZT_NATIVE_E_INFLATE, file->Load(0, 10, nullptr));
  EXPECT_EQ(0u, file->GetBufferSize());
  EXPECT_EQ(0, file->Load(150, 10, nullptr));  // block 1 is intact
  file->Release();
  std::string bytes = ztReadFile(data);
  bytes[bytes.size() - 3] ^= 0x55;  // block 1's checksum
  dir.Write("content.dat", bytes);
  catalog[0] = 100;
  dir.Write("content.cat", catalog);
  file = MakePageFile(Compressed(data));
  EXPECT_EQ(ZT_NATIVE_E_INFLATE, file->Load(150, 10, nullptr));
  file->Release();
}

// Reads blocks a, b and c of a five-block file, then overwrites the stored file with zeros
// (the open descriptor sees them): only blocks kept in memory can still be read.
std::vector<int> ReadAgainAfterTheFileIsLost(const Keys& extra) {
  ztTempDir dir;
  std::vector<std::string> units;
  for (char c = 'a'; c < 'f'; ++c) units.push_back(std::string(100, c));
  const std::string data = WriteContent(dir, units, 100);
  Keys keys = Compressed(data);
  keys.insert(keys.end(), extra.begin(), extra.end());
  ZTPageFile* file = MakePageFile(keys);
  for (PRUint32 offset : {0u, 100u, 200u}) EXPECT_EQ(0, file->Load(offset, 10, nullptr));
  dir.Write("content.dat", std::string(ztReadFile(data).size(), '\0'));
  std::vector<int> codes;
  for (PRUint32 offset : {250u, 0u, 150u, 300u}) {
    const int rc = file->Load(offset, 10, nullptr);
    codes.push_back(rc);
    if (rc == 0) {
      EXPECT_EQ('a' + offset / 100, file->GetBufferPtr()[0]) << offset;
    }
  }
  file->Release();
  return codes;
}

TEST(ZTPageFile, CompressedBlocksReadEarlierAreKept) {
  EXPECT_EQ(ReadAgainAfterTheFileIsLost({}), std::vector<int>({0, 0, 0, ZT_NATIVE_E_INFLATE}));
  // A memory limit keeps only the main fragment's block.
  EXPECT_EQ(ReadAgainAfterTheFileIsLost({{"MAXCACHESIZE", "1000000"}}),
            std::vector<int>({0, ZT_NATIVE_E_INFLATE, ZT_NATIVE_E_INFLATE, ZT_NATIVE_E_INFLATE}));
}

TEST(ZTPageFile, CatalogWithoutCompressionLeavesNoRecords) {
  ztTempDir dir;
  const std::string path = WriteRecords(dir, 10);
  dir.Write("x.cat", Catalog({{40, 40}}));
  ztTakeLog();
  ZTPageFile* file =
      MakePageFile({{"PATH", path}, {"CATALOG", dir.File("x.cat")}, {"$ID", "ULONG"}});
  EXPECT_EQ(0, file->GetRecordCount());
  EXPECT_NE(std::string::npos, ztTakeLog().find("[ZTPageFile::LoadCatalog] Invalid arguments"));
  file->Release();
}

TEST(ZTPageFile, ConfigurationKeys) {
  ztTempDir dir;
  const std::string path = WriteRecords(dir, 10);
  ZTPageFile file;
  ztTakeLog();
  EXPECT_EQ(0, file.ConfigureItem("", "OPENMODE", "premapped"));
  EXPECT_EQ(ZTPageFile::PREMAPPED, file.GetOpenMode());
  EXPECT_EQ(ZT_E_INVALID, file.ConfigureItem("", "OPENMODE", "mmap"));
  EXPECT_EQ(ZTPageFile::STANDARD, file.GetOpenMode());
  EXPECT_NE(std::string::npos,
            ztTakeLog().find("[(buf):StringToOpenMode] Unknown Openmode : `MMAP'"));
  EXPECT_EQ(0, file.ConfigureItem("", "CRYPT", "yes"));
  EXPECT_FALSE(file.IsEnciphered());
  EXPECT_EQ(0, file.ConfigureItem("", "CRYPT", "YES"));
  EXPECT_TRUE(file.IsEnciphered());
  EXPECT_EQ(0, file.ConfigureItem("", "PAGESIZE", "16"));
  EXPECT_EQ(0, file.ConfigureItem("", "PATH", path.c_str()));
  EXPECT_EQ(256u, file.GetPageSize());
  EXPECT_FALSE(file.IsEnciphered());
  for (const char* size : {"0", "x", "99999999999", "16777216"}) {
    EXPECT_EQ(ZT_E_BADOPTION, file.ConfigureItem("", "PAGESIZE", size)) << size;
  }
  EXPECT_EQ(ZT_E_BADOPTION, file.ConfigureItem("", "COMPRESSION", "gzip"));
  EXPECT_EQ(ZT_E_BADOPTION, file.ConfigureItem("", "SIZE", "1"));
  EXPECT_EQ(ZT_E_NOTFOUND, file.ConfigureItem("", "CATALOG", "no-such.cat"));
}

struct ModeCase {
  const char* mode;
  int missingCheck;  // Check's code for a missing file
  bool keptOpen;     // descriptor open after Check of an existing file
};

TEST(ZTPageFile, OpenModesDecideCheckAndTheDescriptor) {
  const ModeCase cases[] = {{"STANDARD", ZT_NATIVE_E_OPEN, true},
                            {"DELAYED", 0, true},
                            {"TRANSIENT", 0, false},
                            {"MAPPED", 0, true},
                            {"PREMAPPED", ZT_NATIVE_E_OPEN, false}};
  for (const ModeCase& c : cases) {
    ztTempDir dir;
    const std::string path = WriteContent(dir, {std::string(5000, 'x')}, 0);
    ZTPageFile* file = MakePageFile({{"PATH", path}, {"OPENMODE", c.mode}});
    EXPECT_EQ(c.keptOpen, file->IsOpen()) << c.mode;
    // PREMAPPED read the whole file at Check.
    EXPECT_EQ(std::string(c.mode) == "PREMAPPED" ? 5000u : 0u, file->GetBufferSize()) << c.mode;
    ASSERT_EQ(0, file->Load(4000, 10, nullptr)) << c.mode;
    EXPECT_EQ(c.keptOpen, file->IsOpen()) << c.mode;
    file->Release();
    // The file disappears between configuration and Check.
    ZTPageFile* missing = new ZTPageFile();
    EXPECT_EQ(0, missing->ConfigureItem("", "PATH", path.c_str()));
    EXPECT_EQ(0, missing->ConfigureItem("", "OPENMODE", c.mode));
    std::remove(path.c_str());
    EXPECT_EQ(c.missingCheck, missing->Check()) << c.mode;
    if (!c.missingCheck) {
      EXPECT_EQ(ZT_NATIVE_E_NOTOPEN, missing->Load(0, 1, nullptr)) << c.mode;
    }
    missing->Release();
  }
}

TEST(ZTPageFile, DefaultOpenModeComesFromTheEnvironment) {
  ZTEnvir* envir = nullptr;
  ASSERT_EQ(0, ZTEnvir::GetEnvir(&envir));
  envir->SetValue("ZTF_BE_NATIVE_DEFAULT_OPENMODE", "TRANSIENT");
  ZTPageFile file;
  EXPECT_EQ(ZTPageFile::TRANSIENT, file.GetOpenMode());
}

TEST(ZTPageFile, SmallFilesAreReadAtCheck) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile({{"PATH", WriteContent(dir, {std::string(1000, 'x')}, 0)}});
  EXPECT_EQ(1000u, file->GetBufferSize());
  file->Release();
  ZTEnvir* envir = nullptr;
  ASSERT_EQ(0, ZTEnvir::GetEnvir(&envir));
  envir->SetValue("ZTF_BE_NATIVE_AUTOMAPLIMIT", "100");
  file = MakePageFile({{"PATH", dir.File("content.dat")}});
  EXPECT_EQ(0u, file->GetBufferSize());
  file->Release();
}

TEST(ZTPageFile, StaticFragmentOfAStandardFileTakesTheMainFragmentsBytes) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile({{"PATH", WriteRecords(dir, 1000)}, {"$ID", "ULONG"}});
  ASSERT_EQ(0, file->LoadPage(1));
  ZTPageFileFragment* fragment = nullptr;
  ASSERT_EQ(0, file->LoadStaticRecord(300, 10, &fragment));
  EXPECT_EQ(2u, file->GetFragmentCount());
  EXPECT_EQ(256u * 4, fragment->GetStart());
  EXPECT_EQ(300u, fragment->GetBuffer()[44 * 4] | fragment->GetBuffer()[44 * 4 + 1] << 8);
  EXPECT_EQ(ZT_E_FAILED, file->Terminate());
  EXPECT_EQ(ZT_E_FAILED, file->SetFileName(dir.File("t1000/records.dat").c_str(), nullptr));
  // The current page is now the fragment's; releasing it gives the bytes back to the main one.
  fragment->Release();
  EXPECT_EQ(1u, file->GetFragmentCount());
  EXPECT_EQ(256u * 4, file->GetBufferOffset());
  EXPECT_EQ(257u * 4, file->GetBufferSize());
  file->Release();
}

TEST(ZTPageFile, StaticFragmentOfAPremappedFileIsTheMainFragment) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile(
      {{"PATH", WriteRecords(dir, 1000)}, {"OPENMODE", "PREMAPPED"}, {"$ID", "ULONG"}});
  ZTPageFileFragment* fragment = nullptr;
  ASSERT_EQ(0, file->LoadStaticRecord(300, 10, &fragment));
  EXPECT_EQ(1u, file->GetFragmentCount());
  EXPECT_EQ(4000u, fragment->GetLength());
  fragment->Release();
  file->Release();
}

TEST(ZTPageFile, StaticRequestsExtendOrShareTheMostRecentFragment) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile({{"PATH", WriteRecords(dir, 2000)}, {"$ID", "ULONG"}});
  ZTPageFileFragment *a = nullptr, *b = nullptr, *c = nullptr;
  ASSERT_EQ(0, file->LoadStaticRecord(0, 10, &a));
  EXPECT_EQ(257u * 4, a->GetLength());
  // Starts inside a and runs past it: a grows.
  ASSERT_EQ(0, file->Load(200 * 4, 200 * 4, &b));
  EXPECT_EQ(a, b);
  EXPECT_EQ(400u * 4, a->GetLength());
  // Already inside a: nothing is read.
  ASSERT_EQ(0, file->Load(10 * 4, 10 * 4, &c));
  EXPECT_EQ(a, c);
  EXPECT_EQ(400u * 4, a->GetLength());
  EXPECT_EQ(2u, file->GetFragmentCount());
  c->Release();
  b->Release();
  a->Release();
  EXPECT_EQ(1u, file->GetFragmentCount());
  file->Release();
}

TEST(ZTPageFile, CompressedStaticRequestsShareTheBlocksKept) {
  ztTempDir dir;
  ZTPageFile* file = MakePageFile(
      Compressed(WriteContent(dir, {std::string(100, 'a'), std::string(100, 'b')}, 100)));
  ZTPageFileFragment *a = nullptr, *again = nullptr, *ab = nullptr, *b = nullptr;
  ASSERT_EQ(0, file->Load(50, 10, &a));
  ASSERT_EQ(0, file->Load(0, 100, &again));
  EXPECT_EQ(a, again);                   // block a is inflated once
  ASSERT_EQ(0, file->Load(99, 2, &ab));  // crosses the end of block a: a fragment of its own
  EXPECT_EQ(0u, ab->GetStart());
  EXPECT_EQ(200u, ab->GetLength());
  ASSERT_EQ(0, file->Load(100, 50, &b));
  EXPECT_NE(a, b);
  EXPECT_EQ(100u, b->GetStart());
  EXPECT_EQ(100u, b->GetLength());
  EXPECT_EQ('b', b->GetBuffer()[0]);
  EXPECT_EQ('a', a->GetBuffer()[99]);
  EXPECT_EQ(0, file->Terminate());  // the fragments handed out stay readable
  EXPECT_EQ('b', ab->GetBuffer()[100]);
  for (ZTPageFileFragment* fragment : {a, again, ab, b}) fragment->Release();
  file->Release();
}

TEST(ZTPageFile, DecipheringStartsAtAnyFilePosition) {
  const PRUint8 key[] = {7, 42, 99};
  std::string plain = "the quick brown fox jumps over the lazy dog";
  std::string stored = plain;
  PRUint8* bytes = reinterpret_cast<PRUint8*>(&stored[0]);
  ztDecipher(bytes, static_cast<PRUint32>(stored.size()), 1000, key, 3);  // a XOR stream
  EXPECT_NE(plain, stored);
  ztDecipher(bytes + 10, 20, 1010, key, 3);
  EXPECT_EQ(plain.substr(10, 20), stored.substr(10, 20));
  ztDecipher(bytes, 5, 1000, nullptr, 0);  // an empty key changes nothing
  EXPECT_NE(plain.substr(0, 5), stored.substr(0, 5));
}

}  // namespace
