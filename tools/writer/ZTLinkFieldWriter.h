// ZTLinkFieldWriter: a LINK field, a range of records of a sibling table. The record holds
// OFFSET (first linked record) and COUNT (optional: without it a range ends where the next
// record's range begins).
#ifndef TOOLS_WRITER_ZTLINKFIELDWRITER_H_
#define TOOLS_WRITER_ZTLINKFIELDWRITER_H_

#include <memory>

#include "tools/writer/ZTFieldWriter.h"
#include "tools/writer/detail/ZTWriterSlot.h"

// How a LINK field is declared.
struct ZTLinkFieldSpec {
  const char* m_pcOffsetType = "ULONG";
  const char* m_pcCountType = "ULONG";  // null: ranges follow each other
  // The linked table, named relative to this table's directory (its sibling "words" is
  // "../words"); the configuration names it as the record set "native:" + this name.
  const char* m_pcTable = nullptr;
};

class ZTLinkFieldWriter : public ZTFieldWriter {
 public:
  // Checks the declaration; 1 with a message when it is refused.
  static int Create(const char* name, PRUint32 offset, const ZTLinkFieldSpec& spec,
                    std::unique_ptr<ZTFieldWriter>* pOut);

  PRUint32 GetWidth() const override { return m_uWidth; }
  int Encode(const ZTWriterValue& value, PRUint32 row, PRUint8* record) override;
  void Declare(std::string* dat) const override;
  void DeclareSections(std::string* config) const override;

 private:
  ZTLinkFieldWriter(const char* name, PRUint32 offset, const char* table);

  ZTWriterSlot m_offset;
  ZTWriterSlot m_count;
  PRUint32 m_uWidth;
  std::string m_table;
  PRUint64 m_uNextFirst;  // where the next range must begin without COUNT
};

#endif  // TOOLS_WRITER_ZTLINKFIELDWRITER_H_
