// The file system of a work: the articles as "/entries/<id>.html" (file n is entry n, so a
// document number of the index is the article's file number) and the media files, as they
// are, under "/media/<name>" (a name may hold folders: "pics/cat.png").
#ifndef TOOLS_ZT_WORK_ZTWORKFILETREE_H_
#define TOOLS_ZT_WORK_ZTWORKFILETREE_H_

#include <prtypes.h>

#include <map>
#include <string>
#include <vector>

#include "tools/writer/ZTFileSystemBuilder.h"

class ztWorkFileTree {
 public:
  ztWorkFileTree();
  ztWorkFileTree(const ztWorkFileTree&) = delete;
  ztWorkFileTree& operator=(const ztWorkFileTree&) = delete;

  // Adds the next article; articles come before media files.
  void AddArticle(const std::string& id, const std::string& title, std::string content);
  // Adds a media file once: a name added before is skipped.
  void AddMedia(const std::string& name, std::string bytes);
  bool HasMedia(const std::string& name) const { return m_media.count(name) > 0; }
  // Writes the file system into the existing directory (see ZTFileSystemBuilder::Write); its
  // configuration names the tables relative to itself.
  int Write(const std::string& directory);

 private:
  // The number of the directory at path below the media folder ("" is the media folder),
  // created with its parents when missing.
  PRUint32 MediaDirectory(const std::string& path);
  PRUint32 AddDirectory(const std::string& name, PRUint32 parent);

  ZTFileSystemBuilder m_builder;
  std::vector<ZTBuilderDirectory> m_dirs;
  std::map<std::string, PRUint32> m_mediaDirs;  // path below the media folder -> directory
  std::map<std::string, PRUint32> m_media;      // media name -> file number
  PRUint32 m_uFiles = 0;
};

#endif  // TOOLS_ZT_WORK_ZTWORKFILETREE_H_
