// ZTField: one field of a fixed-length native record: name, type, width and position, and
// for the composite types DATA and LINK the sub-fields that locate a variable-length value and
// the content files or record set that hold it.
#ifndef BACKENDS_NATIVE_ZTFIELD_H_
#define BACKENDS_NATIVE_ZTFIELD_H_

#include <typeinfo>

#include "backends/native/ZTFieldTypes.h"
#include "backends/native/ZTNativeExport.h"
#include "backends/native/ZTPageFile.h"
#include "find/ZTIField.h"

class ZTBinary;
class ZTIStream;

// The successor argument of the value reads: no record follows.
#define ZT_NO_SUCCESSOR (reinterpret_cast<const PRUint8*>(-1))

class ZTNATIVE_API ZTField : public ZTIField {
 public:
  ZTField();
  ~ZTField() override;

  int GetName(char** ppcName) const override;
  int GetFieldType(ztfFieldType* peType) override;
  int GetLinkSubRecordSet(ZTIRecordSet** ppRecordSet) override;

  // Declares sub-field sub ("OFFSET", "COUNT", or "PACKID" for DATA) of the given type.
  int Configure(const char* sub, const char* type);
  int SetType(const char* name);
  int SetType(_FieldType type);
  int SetName(const char* name);
  void SetOffset(PRUint32 offset);
  void SetDeclarationNumber(PRUint32 number) { m_uDeclaration = number; }
  // Places the sub-fields OFFSET, COUNT, PACKID one after the other from the field's offset.
  void ComputeOffsets();
  // Configuration of a content file (DATA, by pack) or of the linked record set (LINK).
  int ConfigureComposite(PRUint32 pack, const char* key, const char* value);
  int ConfigureFile(PRUint32 pack, const char* key, const char* value);
  int ConfigureLink(const char* key, const char* value);

  int GetUNumFieldValue(const PRUint8* record, PRUint32* puValue) const;
  int GetSNumFieldValue(const PRUint8* record, PRInt32* piValue) const;
  // The values of count records laid out size bytes apart from records.
  int GetUNumFieldValues(const PRUint8* records, PRUint32 size, PRUint32 count,
                         PRUint32* values) const;
  // successor: the bytes of the next record of the table, ZT_NO_SUCCESSOR, or null when
  // unknown (then the value needs COUNT).
  int GetDataFieldValue(const PRUint8* record, ZTBinary** ppValue, const PRUint8* successor);
  // Calls read(bytes, length) on a DATA value where its content file holds it, without a copy
  // (bytes is null for an empty value); read's code is the result.
  template <class Read>
  int ReadDataFieldValue(const PRUint8* record, const PRUint8* successor, Read read);
  int GetStreamFieldValue(const PRUint8* record, ZTIStream** ppStream, const PRUint8* successor);
  // The number of records a LINK value holds: its COUNT, or from its OFFSET to the successor's
  // (to the end of the linked record set after the last record; null successor: unknown).
  // id names the record in messages.
  int GetLinkCount(const PRUint8* record, const PRUint8* successor, PRUint32 id,
                   PRUint32* puCount) const;
  // The counts of count records laid out size bytes apart from records, numbered from id on;
  // successor: whether the record after the last follows them (else the last one's link runs
  // to the end of the linked record set).
  int GetLinkCounts(const PRUint8* records, PRUint32 size, PRUint32 count, bool successor,
                    PRUint32 id, PRUint32* values) const;
  // The content file of a pack (counted), or of the pack the record names.
  int GetFile(ZTPageFile** ppFile, PRUint32 pack) const;
  int GetFile(const PRUint8* record, ZTPageFile** ppFile) const;
  // The sub-fields (counted) or null.
  ZTField* GetOffsetField() const;
  ZTField* GetCountField() const;
  ZTField* GetPackField() const;
  // Whether values carry their own length (COUNT), so that they need no successor.
  bool HasCount() const { return m_pCountField != nullptr; }
  // Checks every content file of a DATA field.
  int Check();

  const char* GetNameRef() const { return m_pcName; }
  PRUint32 GetDeclarationNumber() const { return m_uDeclaration; }
  PRUint32 GetOffset() const { return m_uOffset; }
  PRUint32 GetWidth() const { return m_uWidth; }
  _FieldType GetType() const { return m_eType; }
  // The linked record set, not counted; null when none.
  ZTIRecordSet* GetLinkedRecordSet() const { return m_pLinked; }

 private:
  static int LinkEndsEarly(PRUint32 id, PRUint32 end, PRUint32 first);
  // The content file, offset and length of the value of a record.
  int LocateValue(const char* caller, const PRUint8* record, const PRUint8* successor,
                  ZTPageFile** ppFile, PRUint32* puOffset, PRUint32* puLength);
  int LengthFromSuccessor(const char* caller, const PRUint8* record, const PRUint8* successor,
                          ZTPageFile* file, PRUint32 offset, PRUint32* puLength);
  ZTField** SubSlot(const char* sub);
  // 0 when the field has a numeric reader and record and out are given; else 1100, logged.
  int CheckNumeric(const PRUint8* record, const void* out, const char* operation) const;
  int GrowFiles(PRUint32 pack);

  char* m_pcName;
  PRUint32 m_uDeclaration;
  PRUint32 m_uOffset;
  PRUint32 m_uWidth;
  _FieldType m_eType;
  ZTField* m_pOffsetField;
  ZTField* m_pCountField;
  ZTField* m_pPackField;
  ZTPageFile** m_ppFiles;  // DATA: content files by pack (counted)
  PRUint32 m_uFileSlots;
  ZTIRecordSet* m_pLinked;  // LINK: counted
};

// The native field behind an interface, or null for another kind of field. Every value read
// asks: the exact type is checked first, which costs far less than a cast through the
// hierarchy.
inline ZTField* ztNativeField(ZTIField* field) {
  if (field && typeid(*field) == typeid(ZTField)) return static_cast<ZTField*>(field);
  return dynamic_cast<ZTField*>(field);
}

// Up to this many packs per DATA field.
const PRUint32 kZTMaxPacks = 65536;

template <class Read>
int ZTField::ReadDataFieldValue(const PRUint8* record, const PRUint8* successor, Read read) {
  ZTPageFile* file = nullptr;
  PRUint32 offset = 0, length = 0;
  int rc = LocateValue("GetDataFieldValue", record, successor, &file, &offset, &length);
  if (rc) return rc;
  if (length) rc = file->Load(offset, length, nullptr);
  if (!rc) rc = read(length ? file->GetBufferPtr() : nullptr, length);
  if (length) file->Unload();
  file->Release();
  return rc;
}

#endif  // BACKENDS_NATIVE_ZTFIELD_H_
