// A temporary directory for a test, removed with everything in it when the object goes.
#ifndef TESTING_ZTTEMPDIR_H_
#define TESTING_ZTTEMPDIR_H_

#include <string>

class ztTempDir {
 public:
  ztTempDir();
  ~ztTempDir();
  ztTempDir(const ztTempDir&) = delete;
  ztTempDir& operator=(const ztTempDir&) = delete;

  const std::string& path() const { return m_path; }
  // path() + "/" + name
  std::string File(const std::string& name) const;
  // Writes bytes to path() + "/" + name (parents must exist) and returns the full path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string m_path;
};

// Reads a whole file; empty when it cannot be read.
std::string ztReadFile(const std::string& path);

#endif  // TESTING_ZTTEMPDIR_H_
