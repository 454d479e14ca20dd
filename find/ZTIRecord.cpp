#include "find/ZTIRecord.h"

#include "core/ZTErrors.h"

ZT_DEFINE_ZTIID(ZTIRecord, ZTRefCount,
                {0xd4fc758a, 0x3338, 0x4017, {0x8b, 0xf1, 0x3c, 0xaa, 0xec, 0x7e, 0xcf, 0x23}})

int ZTIRecord::GetLinkFieldRange(ZTIField*, ZTIRecordSet** ppLinked, PRUint32*, PRUint32*) {
  if (ppLinked) *ppLinked = nullptr;
  return ZT_E_UNSUPPORTED;
}
