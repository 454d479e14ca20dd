// Export macro of the native back-end's classes (tests and tools link them directly; the
// module itself is loaded by the factory). Everything else is hidden.
#ifndef BACKENDS_NATIVE_ZTNATIVEEXPORT_H_
#define BACKENDS_NATIVE_ZTNATIVEEXPORT_H_

#include "core/ZTCoreExport.h"

#define ZTNATIVE_API ZT_EXPORT

#endif  // BACKENDS_NATIVE_ZTNATIVEEXPORT_H_
