// Export macro of libztfindfewordlist; everything else is hidden (-fvisibility=hidden).
#ifndef FRONTENDS_WORDLIST_ZTWORDLISTEXPORT_H_
#define FRONTENDS_WORDLIST_ZTWORDLISTEXPORT_H_

#include "core/ZTCoreExport.h"

#define ZTFINDFEWORDLIST_API ZT_EXPORT

#endif  // FRONTENDS_WORDLIST_ZTWORDLISTEXPORT_H_
