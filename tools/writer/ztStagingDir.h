// ztStagingDir: a directory written beside its final place and renamed into it when complete,
// so that a failed write leaves nothing half-made and an existing directory stays whole
// until its replacement is ready.
#ifndef TOOLS_WRITER_ZTSTAGINGDIR_H_
#define TOOLS_WRITER_ZTSTAGINGDIR_H_

#include <string>

class ztStagingDir {
 public:
  ztStagingDir() {}
  ~ztStagingDir() { Abort(); }
  ztStagingDir(const ztStagingDir&) = delete;
  ztStagingDir& operator=(const ztStagingDir&) = delete;

  // Creates an empty staging directory beside target (whose parent must exist); 10 when it
  // cannot be made.
  int Create(const std::string& target);
  // Moves the staging directory to the target, replacing what was there; 10 on failure (the
  // old target is then put back).
  int Commit();
  // Removes the staging directory and everything in it.
  void Abort();

  const std::string& GetPath() const { return m_path; }

 private:
  std::string m_target;
  std::string m_path;
};

#endif  // TOOLS_WRITER_ZTSTAGINGDIR_H_
