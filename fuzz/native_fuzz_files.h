// Scratch files for the native back-end's fuzz targets: one directory per process, removed at
// exit.
#ifndef FUZZ_NATIVE_FUZZ_FILES_H_
#define FUZZ_NATIVE_FUZZ_FILES_H_

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class ztFuzzFiles {
 public:
  ztFuzzFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ztfuzz-XXXXXX").string();
    m_dir = mkdtemp(&pattern[0]) ? pattern : std::string();
  }
  ~ztFuzzFiles() {
    std::error_code ec;
    if (!m_dir.empty()) std::filesystem::remove_all(m_dir, ec);
  }
  ztFuzzFiles(const ztFuzzFiles&) = delete;
  ztFuzzFiles& operator=(const ztFuzzFiles&) = delete;

  std::string Path(const std::string& name) const { return m_dir + "/" + name; }
  // Writes bytes to the named file and answers its path.
  std::string Write(const std::string& name, const void* data, size_t size) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    return Write(name, bytes.data(), bytes.size());
  }
  const std::string& Dir() const { return m_dir; }

 private:
  std::string m_dir;
};

#endif  // FUZZ_NATIVE_FUZZ_FILES_H_
