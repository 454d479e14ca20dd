#include "tools/writer/ZTFileSystemBuilder.h"

#include <utility>

#include "core/ZTErrors.h"
#include "tools/writer/detail/ztColumnTable.h"

namespace {

const char kWho[] = "ZTFileSystemBuilder::Write";
// Path resolution reads the lists, the records and the names of every level: those files are
// read whole when the file system opens. Titles and contents are read on demand.
const char kStructure[] = "PREMAPPED";

// An error naming the first of the numbers that is not below the count of the kind.
int CheckBelow(const std::vector<PRUint32>& numbers, size_t count, const char* kind,
               const char* what, size_t owner) {
  for (PRUint32 n : numbers) {
    if (n >= count) {
      return ZTError(ZT_E_INVALID, "[%s] %s %u is %u; there are %u %s", kWho, what,
                     static_cast<unsigned>(owner), n, static_cast<unsigned>(count), kind);
    }
  }
  return ZT_OK;
}

std::string Configuration(const std::string& directory) {
  return "[DIRTABLE]\nRSURL=native:" + directory +
         "/dirs\nNAMEFIELD=NAME\nPARENTFIELD=PARENT\nCHILDRENFIELD=CHILDREN\n"
         "CHILDRENSUBFIELD=DIRNO\nFILESFIELD=FILES\nFILESSUBFIELD=FILENO\n"
         "[FILETABLE]\nRSURL=native:" +
         directory +
         "/files\nNAMEFIELD=NAME\nPARENTFIELD=PARENT\nTITLEFIELD=TITLE\n"
         "CONTENTFIELD=CONTENT\n";
}

}  // namespace

void ZTFileSystemBuilder::AddFile(ZTBuilderFile file) {
  if (!file.m_bBinary) file.m_content.push_back('\0');
  m_files.push_back(std::move(file));
}

int ZTFileSystemBuilder::CheckNumbers() const {
  if (m_dirs.empty()) return ZTError(ZT_E_INVALID, "[%s] the file system has no root", kWho);
  const size_t dirs = m_dirs.size(), files = m_files.size();
  int rc = ZT_OK;
  for (size_t i = 0; !rc && i < dirs; ++i) {
    rc = CheckBelow({m_dirs[i].m_uParent}, dirs, "directories", "the parent of directory", i);
    if (!rc) rc = CheckBelow(m_dirs[i].m_dirs, dirs, "directories", "a child of directory", i);
    if (!rc) rc = CheckBelow(m_dirs[i].m_files, files, "files", "a file of directory", i);
  }
  for (size_t i = 0; !rc && i < files; ++i) {
    rc = CheckBelow({m_files[i].m_uParent}, dirs, "directories", "the parent of file", i);
  }
  return rc;
}

int ZTFileSystemBuilder::WriteLists(const std::string& directory) const {
  ztCellRows dirList(1), fileList(1);
  for (const ZTBuilderDirectory& d : m_dirs) {
    for (PRUint32 n : d.m_dirs) dirList.AddNumber(n);
    for (PRUint32 n : d.m_files) fileList.AddNumber(n);
  }
  const int rc = ztWriteColumnTable(directory + "/dirlist", {{"DIRNO", 'n', nullptr}}, dirList,
                                    false, m_uPageSize, kStructure);
  if (rc) return rc;
  return ztWriteColumnTable(directory + "/filelist", {{"FILENO", 'n', nullptr}}, fileList, false,
                            m_uPageSize, kStructure);
}

int ZTFileSystemBuilder::WriteDirectories(const std::string& directory) const {
  ztCellRows rows(4);
  PRUint32 dirList = 0, fileList = 0;
  for (const ZTBuilderDirectory& d : m_dirs) {
    rows.AddText(d.m_name);
    rows.AddNumber(d.m_uParent);
    rows.AddLink(dirList, static_cast<PRUint32>(d.m_dirs.size()));
    rows.AddLink(fileList, static_cast<PRUint32>(d.m_files.size()));
    dirList += static_cast<PRUint32>(d.m_dirs.size());
    fileList += static_cast<PRUint32>(d.m_files.size());
  }
  return ztWriteColumnTable(directory + "/dirs",
                            {{"NAME", 't', nullptr, kStructure},
                             {"PARENT", 'n', nullptr},
                             {"CHILDREN", 'l', "dirlist"},
                             {"FILES", 'l', "filelist"}},
                            rows, false, m_uPageSize, kStructure);
}

int ZTFileSystemBuilder::WriteFiles(const std::string& directory) const {
  ztCellRows rows(4);
  rows.Reserve(m_files.size());
  for (const ZTBuilderFile& f : m_files) {
    rows.AddText(f.m_name);
    rows.AddNumber(f.m_uParent);
    rows.AddText(f.m_title);
    rows.AddText(f.m_content);
  }
  return ztWriteColumnTable(directory + "/files",
                            {{"NAME", 't', nullptr, kStructure},
                             {"PARENT", 'n', nullptr},
                             {"TITLE", 't', nullptr},
                             {"CONTENT", 'b', nullptr, nullptr, m_uContentBlock, kContentLevel}},
                            rows, false, m_uPageSize, kStructure);
}

int ZTFileSystemBuilder::Write(const std::string& directory, std::string* pConfigPath) const {
  int rc = CheckNumbers();
  if (!rc) rc = WriteLists(directory);
  if (!rc) rc = WriteDirectories(directory);
  if (!rc) rc = WriteFiles(directory);
  const std::string path = directory + "/fs.cfg";
  if (!rc) {
    rc = ztWriteTextFile(path, Configuration(m_configDir.empty() ? directory : m_configDir), kWho);
  }
  if (!rc) *pConfigPath = path;
  return rc;
}
