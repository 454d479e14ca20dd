// ZTWriterRow: the values of one row handed to the table writer, indexed by the field numbers
// that the writer's Add*Field calls return. Data values are borrowed until the row is written.
#ifndef TOOLS_WRITER_ZTWRITERROW_H_
#define TOOLS_WRITER_ZTWRITERROW_H_

#include <prtypes.h>

#include <vector>

struct ZTWriterValue {
  PRInt64 m_iNum = 0;             // numeric fields
  const void* m_pData = nullptr;  // DATA fields: the bytes, borrowed
  PRUint32 m_uLength = 0;         // DATA fields: their length
  PRUint32 m_uPack = 0;           // DATA fields: the content file that receives them
  PRUint32 m_uFirst = 0;          // LINK fields: first linked record
  PRUint32 m_uCount = 0;          // LINK fields: number of linked records
};

class ZTWriterRow {
 public:
  explicit ZTWriterRow(PRUint32 fieldCount) : m_values(fieldCount) {}

  // Every value back to 0 or empty.
  void Clear();
  // Each setter answers 1 for a field number outside the row.
  int SetNum(int field, PRInt64 value);
  // A text is stored with its terminating NUL.
  int SetText(int field, const char* text, PRUint32 pack = 0);
  int SetData(int field, const void* data, PRUint32 length, PRUint32 pack = 0);
  int SetLink(int field, PRUint32 first, PRUint32 count);

  PRUint32 GetFieldCount() const { return static_cast<PRUint32>(m_values.size()); }
  const ZTWriterValue& Get(PRUint32 field) const { return m_values[field]; }

 private:
  ZTWriterValue* Slot(int field);

  std::vector<ZTWriterValue> m_values;
};

#endif  // TOOLS_WRITER_ZTWRITERROW_H_
