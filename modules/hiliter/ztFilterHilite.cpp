#include "modules/hiliter/ztFilterHilite.h"

#include <prmem.h>
#include <prprf.h>

#include <cstring>
#include <new>

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "modules/hiliter/ZTHiliter.h"

namespace {

const char kStartMarker[] = "<?ZT W?>";
const char kStopMarker[] = "<?ZT /W?>";
const char kAnchorFormat[] = "<a name=\"zthlt_\"></a>%s";
// Just after "zthlt_".
constexpr int kAnchorNumberOffset = 15;

int Configure(ZTHiliter* hiliter, ZTCursor* positions, const char* startText,
              const char* stopText) {
  char* start = PR_smprintf(kAnchorFormat, startText ? startText : "");
  if (!start) return ZTError(ZT_E_NOMEM, "[ztFilterHilite] Out of memory.");
  int rc = hiliter->SetStartStrings(kStartMarker, start, kAnchorNumberOffset);
  PR_smprintf_free(start);
  if (rc == ZT_OK) rc = hiliter->SetStopStrings(kStopMarker, stopText ? stopText : "", -1);
  if (rc == ZT_OK) rc = hiliter->SetValues(positions->GetArray(), positions->GetCount());
  return rc;
}

// The text ends with a NUL; otherwise it is filtered through a copy that does.
int Filter(ZTHiliter* hiliter, ZTBinary* text) {
  const PRUint32 length = text->GetLength();
  const PRUint8* data = text->GetData();
  if (length > 0 && data[length - 1] == '\0') return hiliter->FilterData(data, length);
  char* copy = static_cast<char*>(PR_Malloc(length + 1));
  if (!copy) return ZTError(ZT_E_NOMEM, "[ztFilterHilite] Out of memory.");
  if (length) std::memcpy(copy, data, length);
  copy[length] = '\0';
  const int rc = hiliter->FilterData(copy, length + 1);
  PR_Free(copy);
  return rc;
}

}  // namespace

int ztFilterHilite(ZTBinary* text, ZTCursor* positions, const char* startText, const char* stopText,
                   ZTBinary** ppOut) {
  if (!text || !positions || !ppOut) return ZT_E_INVALID;
  *ppOut = nullptr;
  if (int rc = positions->ComputeCursorForm()) return rc;
  ZTHiliter* hiliter = new (std::nothrow) ZTHiliter();
  if (!hiliter) return ZT_E_INVALID;
  int rc = Configure(hiliter, positions, startText, stopText);
  if (rc == ZT_OK) rc = Filter(hiliter, text);
  if (rc) {
    hiliter->Release();
    return rc;
  }
  *ppOut = hiliter;
  return ZT_OK;
}
