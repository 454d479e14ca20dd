// ZTConfigurationDelegate: lets an object that owns a text file see the file's configuration
// lines without deriving from ZTTextFile.
#ifndef CORE_ZTCONFIGURATIONDELEGATE_H_
#define CORE_ZTCONFIGURATIONDELEGATE_H_

#include "core/ZTCoreExport.h"

class ZTCORE_API ZTConfigurationDelegate {
 public:
  virtual ~ZTConfigurationDelegate() {}
  // Handles one (section, key, value) line; 14 when the key is not the delegate's.
  virtual int ConfigureItem(const char* section, const char* key, const char* value) = 0;
};

#endif  // CORE_ZTCONFIGURATIONDELEGATE_H_
