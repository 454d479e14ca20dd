#include "find/ZTCursorFilterRemoveDuplicated.h"

#include "core/ZTErrors.h"
#include "find/ZTCursor.h"

ZT_DEFINE_ZTIID(ZTCursorFilterRemoveDuplicated, ZTICursorFilter,
                {0x7d482bef, 0x4f59, 0x429c, {0x91, 0xdd, 0x93, 0x52, 0xf2, 0x7d, 0xd8, 0x44}})

int ZTCursorFilterRemoveDuplicated::CheckRank(PRUint32 position, int* pbKeep) {
  if (!pbKeep) return ZTError(ZT_E_INVALID, "[ZTCursorFilterRemoveDuplicated::CheckRank] null out");
  if (!m_pCursor || position >= m_pCursor->GetCount()) {
    return ZTError(ZT_E_FAILED, "[ZTCursorFilterRemoveDuplicated::CheckRank] position %u outside",
                   position);
  }
  const PRUint32* array = m_pCursor->GetArray();
  *pbKeep = position == 0 || array[position] != array[position - 1];
  return ZT_OK;
}
