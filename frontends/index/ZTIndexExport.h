// Export macro of libztfindfeindex; everything else is hidden (-fvisibility=hidden).
#ifndef FRONTENDS_INDEX_ZTINDEXEXPORT_H_
#define FRONTENDS_INDEX_ZTINDEXEXPORT_H_

#include "core/ZTCoreExport.h"

#define ZTFINDFEINDEX_API ZT_EXPORT

#endif  // FRONTENDS_INDEX_ZTINDEXEXPORT_H_
