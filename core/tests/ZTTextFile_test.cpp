#include "core/ZTTextFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <prmem.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/ZTSearchPath.h"
#include "core/tests/ztEnvirTesting.h"
#include "core/ztMemoryFile.h"
#include "testing/ztCapturedLog.h"
#include "testing/ztTempDir.h"

namespace {

using Lines = std::vector<std::string>;

// Records every configuration line as "section|[]" (a header) or "section|key=value".
class Recorder : public ZTTextFile {
 public:
  using Hook = std::function<int(Recorder*, const char* key, const char* value)>;
  explicit Recorder(Lines* seen, Hook hook = nullptr) : m_seen(seen), m_hook(std::move(hook)) {}
  ~Recorder() override {
    if (m_pbDestroyed) *m_pbDestroyed = true;
  }
  int ConfigureItem(const char* section, const char* key, const char* value) override {
    m_seen->push_back(std::string(section) + "|" + (key ? std::string(key) + "=" + value : "[]"));
    return m_hook ? m_hook(this, key, value) : 0;
  }
  bool* m_pbDestroyed = nullptr;

 private:
  Lines* m_seen;
  Hook m_hook;
};

// Reads every line, then checks that the end stays the end.
Lines ReadAll(ZTTextFile* file) {
  Lines lines;
  char* line = nullptr;
  while (file->GetLine(&line) == 0 && line) lines.push_back(line);
  for (int i = 0; i < 2; ++i) {
    line = reinterpret_cast<char*>(1);
    EXPECT_EQ(file->GetLine(&line), 0);
    EXPECT_EQ(line, nullptr);
  }
  return lines;
}

class ZTTextFileTest : public ::testing::Test {
 protected:
  // A text file reading bytes from a real file of the temporary directory.
  ZTTextFile* OverFile(const std::string& bytes) {
    ZTTextFile* file = new ZTTextFile();
    EXPECT_EQ(file->SetFileName(m_dir.Write("file.txt", bytes).c_str(), nullptr), 0);
    return file;
  }
  // A text file reading bytes from memory; the bytes stay alive with the fixture.
  template <class File = ZTTextFile, class... Args>
  File* OverMemory(const std::string& bytes, Args&&... args) {
    m_memory.push_back(bytes);
    File* file = new File(std::forward<Args>(args)...);
    const std::string& kept = m_memory.back();
    EXPECT_EQ(file->SetFileDesc(ztPR_OpenMemory(kept.data(), kept.size())), 0);
    return file;
  }

  ztTempDir m_dir;
  std::deque<std::string> m_memory;  // never moves its strings
};

TEST_F(ZTTextFileTest, GetLineSplitsLines) {
  const std::string longLine(10000, 'x');
  const std::string p(4095, 'p'), q(4096, 'q'), r(8193, 'r');
  struct Case {
    std::string bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb\r", {"a", "b\r"}},  // the last line keeps its carriage return
      {"a\nb", {"a", "b"}},
      {"\n\n", {"", ""}},
      {"\r\n", {""}},
      {"a\rb\n", {"a\rb"}},
      {longLine + "\ny", {longLine, "y"}},
      {p + "\n" + q + "\r\n" + r, {p, q, r}},
  };
  for (const Case& c : cases) {
    for (ZTTextFile* file : {OverFile(c.bytes), OverMemory(c.bytes)}) {
      EXPECT_EQ(ReadAll(file), c.lines) << c.bytes.substr(0, 20);
      file->Release();
    }
  }
}

TEST_F(ZTTextFileTest, NotReadyAndNullOutPointer) {
  ZTTextFile* file = new ZTTextFile();
  char* line = nullptr;
  EXPECT_EQ(file->GetLine(&line), 10);
  EXPECT_EQ(file->PostInitialize(), 2);
  EXPECT_EQ(file->GetFilePosition(), -1);
  file->Release();
  file = OverMemory("a\n");
  EXPECT_EQ(file->GetLine(nullptr), 1);
  EXPECT_EQ(file->SetFileDesc(nullptr), 1);
  file->Release();
}

TEST_F(ZTTextFileTest, SetFileNamePassesCodesOn) {
  std::filesystem::create_directories(m_dir.File("d"));
  ZTTextFile* file = new ZTTextFile();
  EXPECT_EQ(file->SetFileName(m_dir.File("missing").c_str(), nullptr), 11);
  EXPECT_EQ(file->SetFileName(m_dir.File("d").c_str(), nullptr), 1);
  EXPECT_EQ(file->SetFileName(m_dir.File("d").c_str(), "missing"), 10);
  char* line = nullptr;
  EXPECT_EQ(file->GetLine(&line), 10);  // not ready after a failure
  file->Release();
}

TEST_F(ZTTextFileTest, SizeAndPosition) {
  ZTTextFile* file = OverFile("abc\ndefgh\n");
  EXPECT_EQ(file->GetFileSize(), 10);
  EXPECT_EQ(file->GetFilePosition(), 0);
  char* line = nullptr;
  ASSERT_EQ(file->GetLine(&line), 0);
  EXPECT_STREQ(line, "abc");
  EXPECT_EQ(file->GetFilePosition(), 10);  // everything is buffered
  file->Release();
  file = OverMemory("abc\n");
  EXPECT_EQ(file->GetFileSize(), 0);
  file->Release();
}

TEST_F(ZTTextFileTest, PostInitializeStartsAfresh) {
  ZTTextFile* file = OverFile("one\ntwo\n");
  Lines lines = ReadAll(file);
  ASSERT_EQ(lines.size(), 2u);
  ASSERT_EQ(file->PostInitialize(), 0);  // the descriptor stays at its end
  EXPECT_EQ(ReadAll(file), Lines{});
  file->Release();
}

TEST_F(ZTTextFileTest, ReadErrorIsReported) {
  ztTakeLog();
  Lines seen;
  Recorder* file = new Recorder(&seen);
  // Reading a directory fails with an input/output error.
  ASSERT_EQ(file->SetFileDesc(PR_Open(m_dir.path().c_str(), PR_RDONLY, 0)), 0);
  char* line = nullptr;
  EXPECT_EQ(file->GetLine(&line), 10);
  EXPECT_EQ(file->ParseConfiguration(), 10);
  EXPECT_TRUE(seen.empty());
  EXPECT_NE(ztTakeLog().find("[ZTTextFile::GetLine] Read error"), std::string::npos);
  file->Release();
}

TEST_F(ZTTextFileTest, StandardInputIsNotClosed) {
  if (fcntl(0, F_GETFD) == -1) GTEST_SKIP() << "no standard input";
  ZTTextFile* file = new ZTTextFile();
  EXPECT_EQ(file->SetFileName(nullptr, nullptr), 0);
  EXPECT_EQ(file->GetFileSize(), 0);
  file->Release();
  EXPECT_NE(fcntl(0, F_GETFD), -1);
}

TEST_F(ZTTextFileTest, ConfigurationGrammar) {
  const std::string longSection(300, 'a'), longValue(5000, 'x');
  struct Case {
    std::string bytes;
    Lines seen;
  };
  const Case cases[] = {
      {"[S]\nK = v  // comment\n=x\nletters only\n[T\nk2=v2\n",
       {"S|[]", "S|K=v", "S|=x", "T|[]", "T|k2=v2"}},
      {"url=http://example.org/x\n", {"|url=http:"}},
      {"[A]\r\nk=v\r\n", {"A|[]", "A|k=v"}},
      {"a=b=c\n=\n  k \t=\t v \t\n", {"|a=b=c", "|=", "|k=v"}},
      {"[ S x ] tail=1\n[]\n[\n", {" S x |[]", "|[]", "|[]"}},
      {"// only a comment\n\n \t \nno equals sign\n", {}},
      {"key with spaces = v // c // d\n", {"|key with spaces=v"}},
      {"\xC3\xA9t\xC3\xA9 = caf\xC3\xA9\n", {"|\xC3\xA9t\xC3\xA9=caf\xC3\xA9"}},
      {"\xA0k\xA0=\xA0v\xA0\n", {"|\xA0k\xA0=\xA0v\xA0"}},  // bytes above 0x7F are not blank
      {"\x01\x1Fk\x01=\x02v\x20\n", {"|k=v"}},
      {"[" + longSection + "]\nk=" + longValue + "\n",
       {longSection.substr(0, 255) + "|[]", longSection.substr(0, 255) + "|k=" + longValue}},
      {"k=v", {"|k=v"}},  // a last line without a line feed is read once
  };
  for (const Case& c : cases) {
    Lines seen;
    Recorder* file = OverMemory<Recorder>(c.bytes, &seen);
    EXPECT_EQ(file->ParseConfiguration(), 0) << c.bytes.substr(0, 30);
    EXPECT_EQ(seen, c.seen) << c.bytes.substr(0, 30);
    file->Release();
  }
}

TEST_F(ZTTextFileTest, RejectedLineStopsTheParse) {
  ztTakeLog();
  ASSERT_EQ(ztTestEnvir()->SetValue("PATH", "/before"), 0);
  std::string path = m_dir.Write("conf.ini", "a=1\n\n[S]\nb=2\nc=3\n");
  Lines seen;
  Recorder* file = new Recorder(&seen, [](Recorder*, const char* key, const char*) {
    return key && std::string(key) == "b" ? 42 : 0;
  });
  ASSERT_EQ(file->SetFileName(path.c_str(), nullptr), 0);
  EXPECT_EQ(file->ParseConfiguration(), 42);
  EXPECT_EQ(seen, (Lines{"|a=1", "S|[]", "S|b=2"}));
  EXPECT_EQ(ztTakeLog(), "[ZTTextFile::ParseConfiguration] Stops parsing. Error 42 on line 4 of " +
                             path + " : S/b=2\n");
  EXPECT_EQ(ztTestValue("PATH"), "/before");
  EXPECT_EQ(ztTestContexts(), 1);
  file->Release();
}

class Delegate : public ZTConfigurationDelegate {
 public:
  int ConfigureItem(const char*, const char* key, const char*) override {
    return std::string(key) == "mine" ? 0 : std::string(key) == "bad" ? 7 : 14;
  }
};

TEST_F(ZTTextFileTest, BaseConfigureItemAsksTheDelegate) {
  ztTakeLog();
  struct Case {
    const char* bytes;
    bool delegate;
    int rc;
    const char* message;
  };
  const Case cases[] = {
      {"[S]\n[T]\n", false, 0, ""},
      {"[S]\nk=v\n", false, 100,
       "[ZTTextFile::Configure] Invalid configuration option [S] k=v\n"
       "[ZTTextFile::ParseConfiguration] Stops parsing. Error 100 on line 2 of (null) : S/k=v\n"},
      {"mine=1\n", true, 0, ""},
      {"mine=1\nbad=2\n", true, 7,
       "[ZTTextFile::ParseConfiguration] Stops parsing. Error 7 on line 2 of (null) : /bad=2\n"},
      {"mine=1\nother=3\n", true, 100,
       "[ZTTextFile::Configure] Invalid configuration option [] other=3\n"
       "[ZTTextFile::ParseConfiguration] Stops parsing. Error 100 on line 2 of (null) : "
       "/other=3\n"},
  };
  Delegate delegate;
  for (const Case& c : cases) {
    ztTakeLog();
    ZTTextFile* file = OverMemory(c.bytes);
    if (c.delegate) file->SetConfigurationDelegate(&delegate);
    EXPECT_EQ(file->ParseConfiguration(), c.rc) << c.bytes;
    EXPECT_EQ(ztTakeLog(), c.message) << c.bytes;
    file->Release();
  }
}

TEST_F(ZTTextFileTest, NamesAreSearchedInTheFilesDirectoryDuringTheParse) {
  std::filesystem::create_directories(m_dir.File("conf/inner"));
  std::filesystem::create_directories(m_dir.File("other"));
  m_dir.Write("conf/only_here.dat", "");
  m_dir.Write("conf/inner/deep.dat", "");
  m_dir.Write("conf/main.ini", "file=only_here.dat\nnested=inner/inner.ini\nfile=deep.dat\n");
  m_dir.Write("conf/inner/inner.ini", "file=deep.dat\nfile=only_here.dat\n");
  const std::string before = m_dir.File("other");
  ASSERT_EQ(ztTestEnvir()->SetValue("PATH", before.c_str()), 0);

  Lines seen, found;
  Recorder::Hook hook = [&](Recorder*, const char* key, const char* value) -> int {
    if (std::string(key) == "nested") {
      Lines nestedSeen;
      Recorder* nested = new Recorder(&nestedSeen, hook);
      int rc = nested->SetFileName(value, nullptr);
      if (!rc) rc = nested->ParseConfiguration();
      nested->Release();
      return rc;
    }
    char* path = nullptr;
    int rc = FindFileInEnvirPath(value, &path);
    found.push_back(rc ? "rc=" + std::to_string(rc) : std::string(path));
    PR_Free(path);
    return 0;
  };
  Recorder* file = new Recorder(&seen, hook);
  ASSERT_EQ(file->SetFileName(m_dir.File("conf/main.ini").c_str(), nullptr), 0);
  EXPECT_EQ(file->ParseConfiguration(), 0);
  EXPECT_EQ(found, (Lines{m_dir.File("conf/only_here.dat"), m_dir.File("conf/inner/deep.dat"),
                          m_dir.File("conf/only_here.dat"), "rc=11"}));
  EXPECT_EQ(ztTestValue("PATH"), before);
  EXPECT_EQ(ztTestContexts(), 1);
  file->Release();
}

TEST_F(ZTTextFileTest, FileStaysAliveWhileItIsConfigured) {
  Lines seen;
  bool destroyed = false;
  Recorder* file = OverMemory<Recorder>("a=1\nb=2\nc=3\n", &seen,
                                        [&](Recorder* self, const char* key, const char*) {
                                          if (std::string(key) == "a") self->Release();
                                          EXPECT_FALSE(destroyed);
                                          return 0;
                                        });
  file->m_pbDestroyed = &destroyed;
  EXPECT_EQ(file->ParseConfiguration(), 0);  // the creator's reference went during the parse
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(seen, (Lines{"|a=1", "|b=2", "|c=3"}));
}

}  // namespace
