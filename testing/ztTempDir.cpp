#include "testing/ztTempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

ztTempDir::ztTempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/zttest.XXXXXX";
  char* made = mkdtemp(pattern.data());
  if (made) m_path = made;
}

ztTempDir::~ztTempDir() {
  if (m_path.empty()) return;
  std::error_code ec;
  // Tests may leave directories without write permission behind.
  for (auto& entry : std::filesystem::recursive_directory_iterator(m_path, ec)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(m_path, ec);
}

std::string ztTempDir::File(const std::string& name) const { return m_path + "/" + name; }

std::string ztTempDir::Write(const std::string& name, const std::string& bytes) const {
  std::string full = File(name);
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out << bytes;
  return full;
}

std::string ztReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string();
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
