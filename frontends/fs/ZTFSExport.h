// Export macro of libztfindfefs; everything else is hidden (-fvisibility=hidden).
#ifndef FRONTENDS_FS_ZTFSEXPORT_H_
#define FRONTENDS_FS_ZTFSEXPORT_H_

#include "core/ZTCoreExport.h"

#define ZTFINDFEFS_API ZT_EXPORT

// No such directory or file on a path; memory exhausted while resolving one.
enum { ZT_E_FS_NOTFOUND = 3000, ZT_E_FS_NOMEM = 3001 };

#endif  // FRONTENDS_FS_ZTFSEXPORT_H_
