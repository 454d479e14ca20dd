// ztLinkedField, the field a comparator or filter reads, optionally through a link: the
// record's unsigned value of the link field names a record of the linked record set (its
// number, or its key in the linked set's lookup field), whose field is read instead.
#ifndef FIND_ZTLINKEDFIELD_H_
#define FIND_ZTLINKEDFIELD_H_

#include "find/ZTFindExport.h"

class ZTIField;
class ZTIRecord;
class ZTIRecordSet;

class ZTFIND_API ztLinkedField {
 public:
  ztLinkedField();
  ~ztLinkedField();
  ztLinkedField(const ztLinkedField&) = delete;
  ztLinkedField& operator=(const ztLinkedField&) = delete;

  // Store copies, taking effect at the next Resolve; 12 when memory runs out.
  int SetField(const char* name);
  int SetOptionalLink(const char* linkFieldName, ZTIRecordSet* linkedRecordSet,
                      int bRanksAreRecordNumbers);
  // Resolves the field in recordSet, or (with a link) the link field in recordSet and the
  // field in the linked record set. Nothing changes on failure.
  int Resolve(ZTIRecordSet* recordSet);
  // With a resolved link, replaces *ppRecord (one reference, released) by the linked record.
  int GetResolvedRecord(ZTIRecord** ppRecord) const;

  bool HasResolvedLink() const { return m_pLinkField != nullptr; }
  ZTIField* GetField() const { return m_pField; }
  const char* GetFieldName() const { return m_pcFieldName; }

 private:
  char* m_pcFieldName;
  ZTIField* m_pField;
  char* m_pcLinkFieldName;
  ZTIField* m_pLinkField;
  ZTIRecordSet* m_pLinkedRecordSet;
  int m_bRanksAreRecordNumbers;
};

#endif  // FIND_ZTLINKEDFIELD_H_
