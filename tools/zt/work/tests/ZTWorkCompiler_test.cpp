// What the compiler stores: media files beside the articles in the file system, and large
// headword lists and indexes whose compressed texts span many blocks.
#include "tools/zt/work/ZTWorkCompiler.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/ZTBinary.h"
#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"
#include "tools/zt/work/ZTWork.h"
#include "tools/zt/work/ztDirectory.h"

namespace {

const std::string kSound("ID3\0\x01\xff\0", 7);

ZTSourceEntry Entry(const std::string& id, const std::string& html,
                    std::vector<std::string> media = {}) {
  ZTSourceEntry entry;
  entry.m_id = id;
  entry.m_headwords = {id};
  entry.m_html = html;
  for (const std::string& file : media) entry.m_media.push_back({file, ZTMediaKind::Audio});
  return entry;
}

// A source whose two entries share a sound and one shows a picture in a sub-folder.
ZTSource WithMedia(const ztTempDir& dir) {
  mkdir(dir.File("media").c_str(), 0755);
  mkdir(dir.File("media/pics").c_str(), 0755);
  dir.Write("media/a.mp3", kSound);
  dir.Write("media/pics/b.png", std::string("\x89PNG\0", 5));
  ZTSource source;
  source.m_manifest.m_name = "media";
  source.m_mediaDir = dir.File("media");
  source.m_entries = {Entry("one", "<p>one</p>", {"a.mp3", "pics/b.png"}),
                      Entry("two", "<p>two</p>", {"a.mp3"})};
  return source;
}

// The bytes of the file at path in the work's file system, or "rc=<code>".
std::string FileBytes(const std::string& work, const char* path) {
  ZTFileSystem* fs = new ZTFileSystem();
  ZTFSFile* file = nullptr;
  ZTBinary* data = nullptr;
  int rc = fs->SetFileName((work + "/articles/fs.cfg").c_str(), nullptr);
  if (!rc) rc = fs->GetFile(path, &file);
  if (!rc) rc = file->GetData(&data);
  std::string bytes =
      rc ? "rc=" + std::to_string(rc)
         : std::string(reinterpret_cast<const char*>(data->GetData()), data->GetLength());
  ztRelease(data);
  ztRelease(file);
  ztRelease(fs);
  return bytes;
}

TEST(ZTWorkCompilerTest, MediaFilesAreStoredAsTheyAreInTheFileSystem) {
  ztTempDir dir;
  ZTWorkCompiler compiler;
  ZTCompileSummary summary;
  ztTakeLog();
  ASSERT_EQ(compiler.Compile(WithMedia(dir), dir.File("work"), &summary), 0) << ztTakeLog();
  // The work is relocatable: every configuration names its tables relative to itself.
  ASSERT_EQ(rename(dir.File("work").c_str(), dir.File("moved").c_str()), 0);
  const std::string work = dir.File("moved");
  EXPECT_EQ(FileBytes(work, "/media/a.mp3"), kSound);
  EXPECT_EQ(FileBytes(work, "/media/pics/b.png"), std::string("\x89PNG\0", 5));
  EXPECT_EQ(FileBytes(work, "/entries/two.html"),
            "<h1><?ZT W?>two<?ZT /W?></h1>\n<p><?ZT W?>two<?ZT /W?></p>" + std::string(1, '\0'));
  EXPECT_EQ(FileBytes(work, "/media/none.mp3"), "rc=3000");
  EXPECT_FALSE(ztExists(work + "/media"));
  ZTWork opened;
  ASSERT_EQ(opened.Open(work), 0) << ztTakeLog();
  std::string title, path;
  ASSERT_EQ(opened.Describe(1, &title, &path), 0) << ztTakeLog();
  EXPECT_EQ(path, "/entries/two.html");
}

TEST(ZTWorkCompilerTest, AMissingMediaFileFailsTheBuild) {
  ztTempDir dir;
  ZTSource source = WithMedia(dir);
  source.m_entries[1].m_media.push_back({"gone.mp3", ZTMediaKind::Audio});
  ZTWorkCompiler compiler;
  ZTCompileSummary summary;
  ztTakeLog();
  EXPECT_EQ(compiler.Compile(source, dir.File("work"), &summary), 11);
  EXPECT_NE(ztTakeLog().find("gone.mp3"), std::string::npos);
  EXPECT_FALSE(ztExists(dir.File("work")));
}

// Thousands of entries: texts fill many compressed blocks and numbers need more than a byte.
TEST(ZTWorkCompilerTest, LargeListsAreReadAcrossTheirBlocks) {
  ztTempDir dir;
  ZTSource source;
  source.m_manifest.m_name = "large";
  char id[16];
  for (int i = 0; i < 3000; ++i) {
    std::snprintf(id, sizeof(id), "w%04d", i);
    source.m_entries.push_back(
        Entry(id, "<p>word" + std::to_string(i % 700) + " and common text</p>"));
  }
  ZTWorkCompiler compiler;
  ZTCompileSummary summary;
  ztTakeLog();
  ASSERT_EQ(compiler.Compile(source, dir.File("work"), &summary), 0) << ztTakeLog();
  ZTWork work;
  ASSERT_EQ(work.Open(dir.File("work")), 0) << ztTakeLog();
  const struct {
    const char* word;
    ZTWork::Mode mode;
    const char* first;
    size_t count;
  } lookups[] = {{"w0000", ZTWork::kExact, "w0000", 1},
                 {"W2999", ZTWork::kExact, "w2999", 1},
                 {"w15", ZTWork::kBegins, "w1500", 100},
                 {"777", ZTWork::kEnds, "w0777", 3},
                 {"w2?0?", ZTWork::kWildCard, "w2000", 100}};
  for (const auto& lookup : lookups) {
    std::vector<ZTWorkHeadword> hits;
    ASSERT_EQ(work.Lookup(lookup.word, lookup.mode, false, 1000, &hits), 0) << lookup.word;
    ASSERT_EQ(hits.size(), lookup.count) << lookup.word;
    EXPECT_EQ(hits[0].m_headword, lookup.first) << lookup.word;
  }
  std::vector<ZTWorkHit> hits;
  PRUint32 total = 0;
  ASSERT_EQ(work.Search("word699", 10, &total, &hits), 0) << ztTakeLog();
  EXPECT_EQ(total, 4u);  // w0699, w1399, w2099, w2799
  ASSERT_EQ(work.Search("common", 5, &total, &hits), 0) << ztTakeLog();
  EXPECT_EQ(total, 3000u);
  std::string html;
  ASSERT_EQ(work.Article(hits[0].m_uDocument, "common", &html), 0) << ztTakeLog();
  EXPECT_NE(html.find("<mark>common</mark> text"), std::string::npos) << html;
}

}  // namespace
