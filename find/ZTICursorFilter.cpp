#include "find/ZTICursorFilter.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"
#include "find/ztRefAssign.h"

ZT_DEFINE_ZTIID(ZTICursorFilter, ZTRefCount,
                {0x0e84d693, 0xc706, 0x45b1, {0x80, 0x9f, 0x96, 0xb5, 0xbf, 0x95, 0x09, 0xcf}})

ZTICursorFilter::ZTICursorFilter() : m_pCursor(nullptr) {}

ZTICursorFilter::~ZTICursorFilter() {
  ztRelease(m_pCursor);
}

int ZTICursorFilter::Reset() {
  return ZT_OK;
}

int ZTICursorFilter::SetCursor(ZTCursor* cursor) {
  ztAssignRef(m_pCursor, cursor);
  return ZT_OK;
}
