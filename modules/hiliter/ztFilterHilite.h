// ztFilterHilite: the ready-made highlighting of a stored article, whose words are wrapped in
// "<?ZT W?>" and "<?ZT /W?>".
#ifndef MODULES_HILITER_ZTFILTERHILITE_H_
#define MODULES_HILITER_ZTFILTERHILITE_H_

#include "modules/hiliter/ZTFindHiliterExport.h"

class ZTBinary;
class ZTCursor;

// *ppOut receives (one reference) the text without markers, in which the words at the
// positions of the cursor are preceded by an empty anchor named zthlt_ and the position (such
// as zthlt_12) and startText, and followed by stopText. 1 for a null argument, 10 when a
// position was not met, 12 when memory runs out.
ZTFINDHILITER_API int ztFilterHilite(ZTBinary* text, ZTCursor* positions, const char* startText,
                                     const char* stopText, ZTBinary** ppOut);

#endif  // MODULES_HILITER_ZTFILTERHILITE_H_
