// ZTFileSystemBuilder: writes a file system into a directory: the directory table "dirs"
// (NAME, PARENT, CHILDREN linking "dirlist" with DIRNO, FILES linking "filelist" with FILENO),
// the file table "files" (NAME, PARENT, TITLE, CONTENT) and the configuration "fs.cfg" that
// names them. Directory 0 is the root. What path resolution reads (both lists, the records of
// both tables and the names) is read whole when the file system opens; titles and contents
// are read on demand. Contents are zlib-compressed in blocks (a read inflates the one block
// holding the file): a text content is stored with its terminating NUL, a binary one (media)
// as its bytes, its length in the record.
#ifndef TOOLS_WRITER_ZTFILESYSTEMBUILDER_H_
#define TOOLS_WRITER_ZTFILESYSTEMBUILDER_H_

#include <prtypes.h>

#include <string>
#include <vector>

struct ZTBuilderDirectory {
  std::string m_name;
  PRUint32 m_uParent = 0;
  std::vector<PRUint32> m_dirs;   // the child directories
  std::vector<PRUint32> m_files;  // the files
};

struct ZTBuilderFile {
  std::string m_name;
  PRUint32 m_uParent = 0;
  std::string m_title;
  std::string m_content;
  bool m_bBinary = false;  // the content is bytes (no terminating NUL is stored)
};

class ZTFileSystemBuilder {
 public:
  ZTFileSystemBuilder() = default;
  ZTFileSystemBuilder(const ZTFileSystemBuilder&) = delete;
  ZTFileSystemBuilder& operator=(const ZTFileSystemBuilder&) = delete;

  // Numbers follow the order of the calls, from 0.
  void AddDirectory(const ZTBuilderDirectory& directory) { m_dirs.push_back(directory); }
  void AddFile(ZTBuilderFile file);
  // Records per page of every table (16 unless set).
  void SetPageSize(PRUint32 records) { m_uPageSize = records; }
  // Logical bytes per compressed block of the contents (kDefaultContentBlock unless set); 0
  // stores them plain.
  void SetContentBlockSize(PRUint32 bytes) { m_uContentBlock = bytes; }
  static const PRUint32 kDefaultContentBlock = 32768;
  // Deflate level of the contents, the fastest: on marked dictionary articles (GCIDE's) level 4
  // stores 7 % less in 1.8 times the time, level 5 9 % less in 2.4 times.
  static const int kContentLevel = 1;
  // The directory as the configuration names it, the directory given to Write unless set:
  // "." names the tables relative to the configuration, wherever it is written.
  void SetConfigDirectory(const std::string& name) { m_configDir = name; }

  // Writes the tables and the configuration into the existing directory; the configuration's
  // path goes to *pConfigPath. A tree without a root, or a parent, child or file number naming
  // nothing, is refused.
  int Write(const std::string& directory, std::string* pConfigPath) const;

 private:
  int CheckNumbers() const;
  int WriteLists(const std::string& directory) const;
  int WriteDirectories(const std::string& directory) const;
  int WriteFiles(const std::string& directory) const;

  std::vector<ZTBuilderDirectory> m_dirs;
  std::vector<ZTBuilderFile> m_files;  // a text content holds its NUL here
  PRUint32 m_uPageSize = 16;
  PRUint32 m_uContentBlock = kDefaultContentBlock;
  std::string m_configDir;  // empty: the directory given to Write
};

#endif  // TOOLS_WRITER_ZTFILESYSTEMBUILDER_H_
