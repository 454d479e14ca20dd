// Export macro of libztfindhiliter; everything else is hidden (-fvisibility=hidden).
#ifndef MODULES_HILITER_ZTFINDHILITEREXPORT_H_
#define MODULES_HILITER_ZTFINDHILITEREXPORT_H_

#include "core/ZTCoreExport.h"

#define ZTFINDHILITER_API ZT_EXPORT

#endif  // MODULES_HILITER_ZTFINDHILITEREXPORT_H_
