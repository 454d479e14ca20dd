// ZTNumFieldWriter: a signed or unsigned numeric field of 1 to 4 bytes.
#ifndef TOOLS_WRITER_ZTNUMFIELDWRITER_H_
#define TOOLS_WRITER_ZTNUMFIELDWRITER_H_

#include "tools/writer/ZTFieldWriter.h"
#include "tools/writer/detail/ZTWriterSlot.h"

class ZTNumFieldWriter : public ZTFieldWriter {
 public:
  ZTNumFieldWriter(const char* name, PRUint32 offset, const ZTFieldTypeInfo* type);

  PRUint32 GetWidth() const override { return m_slot.GetWidth(); }
  bool IsSigned() const { return ztIsSignedType(m_slot.m_pType->m_eType); }
  int Encode(const ZTWriterValue& value, PRUint32 row, PRUint8* record) override;
  void Declare(std::string* dat) const override;

 private:
  ZTWriterSlot m_slot;
};

#endif  // TOOLS_WRITER_ZTNUMFIELDWRITER_H_
