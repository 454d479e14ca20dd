#include "tools/zt/work/ztWorkFileTree.h"

#include <utility>

#include "tools/zt/work/ztWorkLayout.h"

namespace {

const PRUint32 kEntries = 1;

}  // namespace

ztWorkFileTree::ztWorkFileTree() {
  m_dirs.emplace_back();  // the root
  AddDirectory(kZtEntryDir, 0);
}

PRUint32 ztWorkFileTree::AddDirectory(const std::string& name, PRUint32 parent) {
  const PRUint32 number = static_cast<PRUint32>(m_dirs.size());
  m_dirs.emplace_back();
  m_dirs.back().m_name = name;
  m_dirs.back().m_uParent = parent;
  m_dirs[parent].m_dirs.push_back(number);
  return number;
}

void ztWorkFileTree::AddArticle(const std::string& id, const std::string& title,
                                std::string content) {
  ZTBuilderFile file;
  file.m_name = id + ".html";
  file.m_uParent = kEntries;
  file.m_title = title;
  file.m_content = std::move(content);
  m_builder.AddFile(std::move(file));
  m_dirs[kEntries].m_files.push_back(m_uFiles++);
}

PRUint32 ztWorkFileTree::MediaDirectory(const std::string& path) {
  const auto found = m_mediaDirs.find(path);
  if (found != m_mediaDirs.end()) return found->second;
  PRUint32 number = 0;
  if (path.empty()) {
    number = AddDirectory(kZtMediaDir, 0);
  } else {
    const size_t slash = path.rfind('/');
    const bool top = slash == std::string::npos;
    const PRUint32 parent = MediaDirectory(top ? "" : path.substr(0, slash));
    number = AddDirectory(top ? path : path.substr(slash + 1), parent);
  }
  m_mediaDirs.emplace(path, number);
  return number;
}

void ztWorkFileTree::AddMedia(const std::string& name, std::string bytes) {
  if (HasMedia(name)) return;
  const size_t slash = name.rfind('/');
  ZTBuilderFile file;
  file.m_uParent = MediaDirectory(slash == std::string::npos ? "" : name.substr(0, slash));
  file.m_name = slash == std::string::npos ? name : name.substr(slash + 1);
  file.m_title = file.m_name;
  file.m_content = std::move(bytes);
  file.m_bBinary = true;
  m_dirs[file.m_uParent].m_files.push_back(m_uFiles);
  m_builder.AddFile(std::move(file));
  m_media.emplace(name, m_uFiles++);
}

int ztWorkFileTree::Write(const std::string& directory) {
  for (const ZTBuilderDirectory& dir : m_dirs) m_builder.AddDirectory(dir);
  m_dirs.clear();
  m_builder.SetConfigDirectory(".");
  std::string config;
  return m_builder.Write(directory, &config);
}
