// ZTFldCollection: the ordered fields of one page file, kept sorted by name; the record size
// is the sum of their widths.
#ifndef BACKENDS_NATIVE_ZTFLDCOLLECTION_H_
#define BACKENDS_NATIVE_ZTFLDCOLLECTION_H_

#include "backends/native/ZTNativeExport.h"
#include "find/ZTIFldCollection.h"

class ZTField;

class ZTNATIVE_API ZTFldCollection : public ZTIFldCollection {
 public:
  ZTFldCollection();
  ~ZTFldCollection() override;

  int GetField(const char* name, ZTIField** ppField) const override;
  int GetFieldCount(PRUint32* puCount) const override;
  int GetField(PRUint32 index, ZTIField** ppField) const override;
  int GetFieldName(PRUint32 index, char** ppcName) const override;
  // token "name" declares a field of type value; "name,SUB" a sub-field of a composite one.
  virtual int Configure(const char* token, const char* value);
  // Checks the content files of every DATA field.
  virtual int Check();

  int GetUNumFieldValue(const PRUint8* record, const char* name, PRUint32* puValue) const;
  int GetSNumFieldValue(const PRUint8* record, const char* name, PRInt32* piValue) const;
  // The field of that name, not counted, or null (no message).
  ZTField* FindField(const char* name) const;
  PRUint32 GetRecordSize() const { return m_uRecordSize; }

 private:
  int DeclareField(const char* name, const char* type);
  int DeclareSubField(const char* token, const char* comma, const char* value);
  int Insert(ZTField* field);
  // The named field, or null after logging the value readers' message.
  ZTField* FieldForValue(const char* name, const char* operation) const;

  PRUint32 m_uRecordSize;
  ZTField** m_ppFields;  // counted, sorted by name
  PRUint32 m_uCount;
  PRUint32 m_uCapacity;
};

#endif  // BACKENDS_NATIVE_ZTFLDCOLLECTION_H_
