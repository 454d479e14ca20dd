// File-system paths against a fixed small tree (root: a/ with b/ and c.html, x.html), written
// once by the table writer into a temporary directory.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "frontends/fs/ZTFSDirectory.h"
#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"
#include "frontends/wordlist/tests/ztTestTable.h"

namespace {

ztTestRow Numbers(std::initializer_list<PRUint32> values) {
  ztTestRow row;
  for (PRUint32 v : values) {
    row.emplace_back();
    row.back().m_uNum = v;
  }
  return row;
}

ztTestRow Node(const char* name, PRUint32 parent, PRUint32 first, PRUint32 count,
               PRUint32 firstFile, PRUint32 files) {
  ztTestRow row(4);
  row[0].m_text = name;
  row[1].m_uNum = parent;
  row[2].m_uNum = first;
  row[2].m_uCount = count;
  row[3].m_uNum = firstFile;
  row[3].m_uCount = files;
  return row;
}

ZTFileSystem* Open() {
  static ztTempDir* s_dir = new ztTempDir();
  setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
  const ztTempDir& dir = *s_dir;
  ztWriteTestTable(dir, "dirlist", {{"DIRNO", 'n', nullptr}}, {Numbers({1}), Numbers({2})}, false,
                   4);
  ztWriteTestTable(dir, "filelist", {{"FILENO", 'n', nullptr}}, {Numbers({1}), Numbers({0})}, false,
                   4);
  ztWriteTestTable(dir, "dirs",
                   {{"NAME", 't', nullptr},
                    {"PARENT", 'n', nullptr},
                    {"CHILDREN", 'l', "dirlist"},
                    {"FILES", 'l', "filelist"}},
                   {Node("", 0, 0, 1, 0, 1), Node("a", 0, 1, 1, 1, 1), Node("b", 1, 2, 0, 2, 0)},
                   false, 4);
  ztWriteTestTable(dir, "files",
                   {{"NAME", 't', nullptr},
                    {"PARENT", 'n', nullptr},
                    {"TITLE", 't', nullptr},
                    {"CONTENT", 't', nullptr}},
                   {Node("c.html", 1, 0, 0, 0, 0), Node("x.html", 0, 0, 0, 0, 0)}, false, 4);
  const std::string config =
      "[DIRTABLE]\nRSURL=native:" + dir.File("dirs") +
      "\nNAMEFIELD=NAME\nPARENTFIELD=PARENT\nCHILDRENFIELD=CHILDREN\nCHILDRENSUBFIELD=DIRNO\n"
      "FILESFIELD=FILES\nFILESSUBFIELD=FILENO\n[FILETABLE]\nRSURL=native:" +
      dir.File("files") +
      "\nNAMEFIELD=NAME\nPARENTFIELD=PARENT\nTITLEFIELD=TITLE\n"
      "CONTENTFIELD=CONTENT\n";
  ZTFileSystem* fs = new ZTFileSystem();
  if (fs->SetFileName(dir.Write("fs.cfg", config).c_str(), nullptr) == 0) return fs;
  fs->Release();
  return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ZTFileSystem* s_fs = Open();
  if (!s_fs || size > 4096) return 0;
  std::string path(reinterpret_cast<const char*>(data), size);
  path.resize(path.find('\0') == std::string::npos ? size : path.find('\0'));
  ZTFSObject* object = nullptr;
  if (s_fs->GetObject(path.c_str(), &object) == 0) {
    object->FetchParents();
    object->ComputePath();
    object->Release();
  }
  ZTFSFile* file = nullptr;
  if (s_fs->GetFile(path.c_str(), &file) == 0) file->Release();
  return 0;
}
