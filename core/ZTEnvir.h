// ZTEnvir, the engine's own environment of named string variables: a stack of contexts, each
// starting as a copy of the one below. PATH is the engine's ';'-separated search path.
#ifndef CORE_ZTENVIR_H_
#define CORE_ZTENVIR_H_

#include <prtypes.h>

#include "core/ZTCoreExport.h"

class ZTCORE_API ZTEnvir {
 public:
  virtual ~ZTEnvir() {}
  // The environment's lock, for callers that share it between threads. No other operation
  // takes it.
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
  // Push adds a context holding a copy of the top one; Pop removes the top one (1 if it is
  // the last, which stays).
  virtual int Push() = 0;
  virtual int Pop() = 0;
  // Stores a new copy (free with PL_strfree) of the value, or of "" when the variable is unset.
  virtual int GetValue(const char* name, char** ppcValue) = 0;
  virtual int AppendToValue(const char* name, const char* text) = 0;
  virtual int PrependToValue(const char* name, const char* text) = 0;
  virtual int SetValue(const char* name, const char* value) = 0;
  // Sets name from the process variable processName if it exists, unless override is off and
  // name is already set in the top context.
  virtual int ImportValue(const char* name, const char* processName, PRBool override) = 0;

  // The process-wide environment, created on first use with ZT_HOME imported from the
  // process. The caller receives no reference and never deletes it.
  static int GetEnvir(ZTEnvir** ppEnvir);
  // Deletes the current environment if it is another one, then installs envir.
  static int SetEnvir(ZTEnvir* envir);
};

#endif  // CORE_ZTENVIR_H_
