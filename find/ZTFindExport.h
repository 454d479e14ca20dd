// Export macro of libztfind; everything else is hidden (-fvisibility=hidden).
#ifndef FIND_ZTFINDEXPORT_H_
#define FIND_ZTFINDEXPORT_H_

#include "core/ZTCoreExport.h"

#define ZTFIND_API ZT_EXPORT

#endif  // FIND_ZTFINDEXPORT_H_
