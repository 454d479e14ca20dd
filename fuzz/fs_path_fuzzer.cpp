// File-system paths against a fixed small tree (root: a/ with b/ and c.html, x.html), written
// once by the file-system builder into a temporary directory.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "frontends/fs/ZTFSDirectory.h"
#include "frontends/fs/ZTFSFile.h"
#include "frontends/fs/ZTFileSystem.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTFileSystemBuilder.h"

namespace {

ZTFileSystem* Open() {
  static ztTempDir* s_dir = new ztTempDir();
  setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
  ZTFileSystemBuilder builder;
  builder.SetPageSize(4);
  builder.AddDirectory({"", 0, {1}, {1}});
  builder.AddDirectory({"a", 0, {2}, {0}});
  builder.AddDirectory({"b", 1, {}, {}});
  builder.AddFile({"c.html", 1, "", ""});
  builder.AddFile({"x.html", 0, "", ""});
  std::string config;
  if (builder.Write(s_dir->path(), &config) != 0) return nullptr;
  ZTFileSystem* fs = new ZTFileSystem();
  if (fs->SetFileName(config.c_str(), nullptr) == 0) return fs;
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
