// The writer's file layer: plain files, compressed blocks and their catalogs.
#include "tools/writer/ZTBlockWriter.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "core/ZTErrors.h"
#include "testing/ztTempDir.h"

namespace {

struct Block {
  PRUint32 logical;
  PRUint32 stored;
};

std::vector<Block> ReadCatalog(const std::string& path) {
  const std::string bytes = ztReadFile(path);
  std::vector<Block> blocks;
  for (size_t i = 0; i + 8 <= bytes.size(); i += 8) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data() + i);
    blocks.push_back({p[0] | p[1] << 8 | p[2] << 16 | PRUint32(p[3]) << 24,
                      p[4] | p[5] << 8 | p[6] << 16 | PRUint32(p[7]) << 24});
  }
  return blocks;
}

// Inflates every block of a compressed file and checks it against its catalog entry.
std::string Inflate(const std::string& data, const std::vector<Block>& blocks) {
  std::string logical;
  size_t at = 0;
  for (const Block& block : blocks) {
    std::string out(block.logical, '\0');
    uLongf length = block.logical;
    EXPECT_EQ(Z_OK, uncompress(reinterpret_cast<Bytef*>(&out[0]), &length,
                               reinterpret_cast<const Bytef*>(data.data() + at), block.stored));
    EXPECT_EQ(block.logical, length);
    logical += out;
    at += block.stored;
  }
  EXPECT_EQ(data.size(), at);
  return logical;
}

TEST(ZTBlockWriter, PlainFileHoldsTheBytesAppended) {
  ztTempDir dir;
  ZTBlockWriter writer;
  ASSERT_EQ(0, writer.Open(dir.File("p.dat").c_str(), nullptr, 16, 6));
  ASSERT_EQ(0, writer.AppendUnit("abc", 3));
  ASSERT_EQ(0, writer.Append("de", 2));
  EXPECT_EQ(5u, writer.GetLogicalSize());
  ASSERT_EQ(0, writer.Close());
  EXPECT_EQ("abcde", ztReadFile(dir.File("p.dat")));
}

TEST(ZTBlockWriter, UnitsNeverCrossABlockBoundary) {
  ztTempDir dir;
  ZTBlockWriter writer;
  ASSERT_EQ(0, writer.Open(dir.File("c.dat").c_str(), dir.File("c.cat").c_str(), 10, 6));
  const std::string units[] = {"aaaa", "bbbb", "cccc", std::string(25, 'd'), "ee"};
  std::string all;
  for (const std::string& unit : units) {
    ASSERT_EQ(0, writer.AppendUnit(unit.data(), static_cast<PRUint32>(unit.size())));
    all += unit;
  }
  ASSERT_EQ(0, writer.Close());
  const std::vector<Block> blocks = ReadCatalog(dir.File("c.cat"));
  // "aaaabbbb" fills a block; "cccc" starts the next; the long unit gets a block of its own.
  ASSERT_EQ(4u, blocks.size());
  EXPECT_EQ(8u, blocks[0].logical);
  EXPECT_EQ(4u, blocks[1].logical);
  EXPECT_EQ(25u, blocks[2].logical);
  EXPECT_EQ(2u, blocks[3].logical);
  EXPECT_EQ(all, Inflate(ztReadFile(dir.File("c.dat")), blocks));
}

TEST(ZTBlockWriter, EveryLevelWritesBlocksZlibInflates) {
  ztTempDir dir;
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "entry " + std::to_string(i % 37) + " of the work; ";
  for (int level = -1; level <= 9; ++level) {
    ZTBlockWriter writer;
    ASSERT_EQ(0, writer.Open(dir.File("l.dat").c_str(), dir.File("l.cat").c_str(), 4096, level));
    ASSERT_EQ(0, writer.Append(text.data(), static_cast<PRUint32>(text.size())));
    ASSERT_EQ(0, writer.AppendUnit("end", 3));
    ASSERT_EQ(0, writer.Close());
    EXPECT_EQ(text + "end", Inflate(ztReadFile(dir.File("l.dat")), ReadCatalog(dir.File("l.cat"))))
        << level;
  }
  for (int level : {-2, 10}) {
    ZTBlockWriter writer;
    EXPECT_EQ(ZT_E_INVALID,
              writer.Open(dir.File("x.dat").c_str(), dir.File("x.cat").c_str(), 16, level));
  }
}

TEST(ZTBlockWriter, RefusesToGrowBeyondItsLimit) {
  ztTempDir dir;
  for (const char* catalog : {static_cast<const char*>(nullptr), "c.cat"}) {
    ZTBlockWriter writer;
    const std::string cat = catalog ? dir.File(catalog) : std::string();
    ASSERT_EQ(0, writer.Open(dir.File("f.dat").c_str(), catalog ? cat.c_str() : nullptr, 4, 0, 10));
    const std::string unit(6, 'x');
    EXPECT_EQ(0, writer.AppendUnit(unit.data(), 6));
    // A plain file counts logical bytes; a compressed one its stored blocks when they are
    // written (stored level 0 makes them larger than their content).
    int rc = writer.AppendUnit(unit.data(), 6);
    if (!rc) rc = writer.Close();
    EXPECT_EQ(1, rc);
  }
}

}  // namespace
