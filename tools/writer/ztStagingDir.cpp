#include "tools/writer/ztStagingDir.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "core/ZTErrors.h"

namespace fs = std::filesystem;

namespace {

std::string SiblingName(const std::string& target, const char* what) {
  static std::atomic<unsigned> s_counter(0);
  return target + "." + what + "-" + std::to_string(getpid()) + "-" + std::to_string(++s_counter);
}

}  // namespace

int ztStagingDir::Create(const std::string& target) {
  Abort();
  std::string trimmed = target;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  std::string path = SiblingName(trimmed, "partial");
  std::error_code ec;
  if (trimmed.empty() || !fs::create_directory(path, ec)) {
    return ZTError(ZT_E_FAILED, "[ZTTableWriter::Begin] Could not create %s", path.c_str());
  }
  m_target = trimmed;
  m_path = path;
  return ZT_OK;
}

int ztStagingDir::Commit() {
  std::error_code ec;
  std::string old;
  if (fs::exists(m_target, ec)) {
    old = SiblingName(m_target, "old");
    fs::rename(m_target, old, ec);
    if (ec) {
      return ZTError(ZT_E_FAILED, "[ZTTableWriter::Finish] Could not move %s aside",
                     m_target.c_str());
    }
  }
  fs::rename(m_path, m_target, ec);
  if (ec) {
    if (!old.empty()) fs::rename(old, m_target, ec);
    return ZTError(ZT_E_FAILED, "[ZTTableWriter::Finish] Could not rename %s to %s", m_path.c_str(),
                   m_target.c_str());
  }
  m_path.clear();
  if (!old.empty()) fs::remove_all(old, ec);
  return ZT_OK;
}

void ztStagingDir::Abort() {
  if (m_path.empty()) return;
  std::error_code ec;
  fs::remove_all(m_path, ec);
  m_path.clear();
}
