// The declared types of the fields of a native record file: their names, numbers and widths.
// Shared by the reader and the table writer, so both agree on every layout.
#ifndef BACKENDS_NATIVE_ZTFIELDTYPES_H_
#define BACKENDS_NATIVE_ZTFIELDTYPES_H_

#include <prtypes.h>

#include <cstring>

enum _FieldType {
  ftUnknown = 0,
  ftLink = 8,
  ftData = 9,
  ftSByte = 16,
  ftSShort = 17,
  ftSLong = 18,
  ftS24 = 19,
  ftUByte = 24,
  ftUShort = 25,
  ftULong = 32,
  ftU24 = 33,
};

struct ZTFieldTypeInfo {
  const char* m_pcName;
  _FieldType m_eType;
  PRUint32 m_uWidth;  // bytes in the record; 0 for the composite types until sub-fields exist
};

inline const ZTFieldTypeInfo* ztFieldTypeTable(PRUint32* puCount) {
  static const ZTFieldTypeInfo s_table[] = {
      {"LINK", ftLink, 0},   {"DATA", ftData, 0}, {"SBYTE", ftSByte, 1}, {"SSHORT", ftSShort, 2},
      {"SLONG", ftSLong, 4}, {"S24", ftS24, 3},   {"UBYTE", ftUByte, 1}, {"USHORT", ftUShort, 2},
      {"ULONG", ftULong, 4}, {"U24", ftU24, 3},
  };
  *puCount = sizeof(s_table) / sizeof(s_table[0]);
  return s_table;
}

// The entry of a type name (exact case), or null.
inline const ZTFieldTypeInfo* ztFindFieldType(const char* name) {
  PRUint32 count = 0;
  const ZTFieldTypeInfo* table = ztFieldTypeTable(&count);
  for (PRUint32 i = 0; name && i < count; ++i) {
    if (std::strcmp(table[i].m_pcName, name) == 0) return &table[i];
  }
  return nullptr;
}

// The entry of a type number, or null.
inline const ZTFieldTypeInfo* ztFindFieldType(_FieldType type) {
  PRUint32 count = 0;
  const ZTFieldTypeInfo* table = ztFieldTypeTable(&count);
  for (PRUint32 i = 0; i < count; ++i) {
    if (table[i].m_eType == type) return &table[i];
  }
  return nullptr;
}

inline bool ztIsUnsignedType(_FieldType type) {
  return type >= 24 && type <= 33;
}
inline bool ztIsSignedType(_FieldType type) {
  return type >= 16 && type <= 23;
}

#endif  // BACKENDS_NATIVE_ZTFIELDTYPES_H_
