// ZTFile, the base of every object that is named by a file and configured from it.
#ifndef CORE_ZTFILE_H_
#define CORE_ZTFILE_H_

#include "core/ZTRefCount.h"

class ZTCORE_API ZTFile : public ZTRefCount {
 public:
  ZTFile();
  ~ZTFile() override;

  // Base check of a configured object: 0.
  virtual int Check();
  // Resolves name along the engine's PATH. 1 for a null or empty name, 11 when not found, 10
  // when its information cannot be read. A directory needs a subname (1 without one): the path
  // becomes directory + "/" + subname.
  virtual int SetFileName(const char* name, const char* subname);
  // Accepts only "PATH" (SetFileName with the value); anything else is 100.
  virtual int ConfigureItem(const char* section, const char* key, const char* value);

  // A new copy of the resolved path (free with PL_strfree); 1 if there is none.
  int GetFileName(char** ppcPath) const;
  // Pushes an environment context with the path's directory prepended to PATH; PopEnvir pops
  // it. Always used in pairs.
  int PushEnvir();
  int PopEnvir();

 protected:
  char* m_pcPath;  // resolved path, owned (PL_strfree); null until set
};

#endif  // CORE_ZTFILE_H_
