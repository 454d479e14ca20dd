#include "find/ZTIField.h"

#include "core/ZTErrors.h"

ZT_DEFINE_ZTIID(ZTIField, ZTRefCount,
                {0x364e2fd7, 0x9995, 0x426d, {0xba, 0xd7, 0xe3, 0x5f, 0xbd, 0x5a, 0xea, 0x1c}})

int ZTIField::IsType(ztfFieldType type, int* pbFlag) {
  if (!pbFlag) return ZTError(ZT_E_INVALID, "[ZTIField::IsType] null out-pointer");
  ztfFieldType actual = ztfFieldUnknown;
  const int rc = GetFieldType(&actual);
  *pbFlag = (rc == ZT_OK && actual == type) ? 1 : 0;
  return rc;
}

int ZTIField::IsData(int* pbFlag) {
  return IsType(ztfFieldData, pbFlag);
}
int ZTIField::IsUNum(int* pbFlag) {
  return IsType(ztfFieldUNum, pbFlag);
}
int ZTIField::IsSNum(int* pbFlag) {
  return IsType(ztfFieldSNum, pbFlag);
}
int ZTIField::IsLink(int* pbFlag) {
  return IsType(ztfFieldLink, pbFlag);
}
