// The file-system configuration: every line of a file is fed to the file system, which opens
// record sets and looks up fields as the lines say. "$DIR" in the input stands for the
// directory of a small tree written once by the file-system builder, so that lines can name
// its real tables and fields.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "frontends/fs/ZTFSDirectory.h"
#include "frontends/fs/ZTFileSystem.h"
#include "testing/ztTempDir.h"
#include "tools/writer/ZTFileSystemBuilder.h"

namespace {

const ztTempDir* Tree() {
  static ztTempDir* s_dir = nullptr;
  if (s_dir) return s_dir;
  setenv("ZT_COM_PATH", ZT_COMPONENT_DIR, 0);
  s_dir = new ztTempDir();
  ZTFileSystemBuilder builder;
  builder.AddDirectory({"", 0, {1}, {0}});
  builder.AddDirectory({"a", 0, {}, {1}});
  builder.AddFile({"x.html", 0, "X", "<p>x</p>"});
  builder.AddFile({"y.html", 1, "Y", "<p>y</p>"});
  std::string config;
  builder.Write(s_dir->path(), &config);
  return s_dir;
}

std::string Expanded(std::string text, const std::string& dir) {
  for (size_t at = text.find("$DIR"); at != std::string::npos; at = text.find("$DIR", at)) {
    text.replace(at, 4, dir);
    at += dir.size();
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const ztTempDir* tree = Tree();
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string path = tree->Write("input.cfg", Expanded(text, tree->path()));
  ZTFileSystem* fs = new ZTFileSystem();
  if (fs->SetFileName(path.c_str(), nullptr) == 0) {
    ZTFSDirectory* root = nullptr;
    if (fs->GetRootDir(&root) == 0) root->Release();
  }
  fs->Release();
  return 0;
}
