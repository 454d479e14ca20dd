// ZTWriterSlot: one numeric value of a record as the writer lays it out: its declared type and
// its offset inside the record.
#ifndef TOOLS_WRITER_DETAIL_ZTWRITERSLOT_H_
#define TOOLS_WRITER_DETAIL_ZTWRITERSLOT_H_

#include <prtypes.h>

#include "backends/native/ZTFieldTypes.h"
#include "tools/writer/detail/ztLittleEndian.h"

struct ZTWriterSlot {
  const ZTFieldTypeInfo* m_pType = nullptr;  // null: the slot is not declared
  PRUint32 m_uOffset = 0;

  bool IsPresent() const { return m_pType != nullptr; }
  PRUint32 GetWidth() const { return m_pType ? m_pType->m_uWidth : 0; }
  // Whether the declared type can hold value.
  bool Fits(PRInt64 value) const {
    const PRInt64 bits = 8 * static_cast<PRInt64>(GetWidth());
    if (ztIsSignedType(m_pType->m_eType)) {
      const PRInt64 half = PRInt64(1) << (bits - 1);
      return value >= -half && value < half;
    }
    return value >= 0 && value < (PRInt64(1) << bits);
  }
  // Stores value at its offset in record; 1 (with a message naming the field, what the value
  // is and the row) when it does not fit. Every value of every row comes here: inline.
  int Put(PRUint8* record, PRInt64 value, const char* field, const char* what, PRUint32 row) const {
    if (!Fits(value)) return Refuse(value, field, what, row);
    ztPutLE(record + m_uOffset, static_cast<PRUint32>(value), GetWidth());
    return 0;
  }
  // The error of a value that does not fit.
  int Refuse(PRInt64 value, const char* field, const char* what, PRUint32 row) const;
};

// Places the declared slots of a composite field one after the other from offset, in the
// order given (OFFSET, COUNT, PACKID); answers the width they take together.
PRUint32 ztLayOutSlots(PRUint32 offset, ZTWriterSlot* const* slots, PRUint32 count);

// Resolves a numeric type name for a declaration; 1 with a message for any other name.
int ztWriterNumType(const char* name, const char* field, const ZTFieldTypeInfo** ppType);

#endif  // TOOLS_WRITER_DETAIL_ZTWRITERSLOT_H_
