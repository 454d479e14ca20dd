// A field of an in-memory record set.
#ifndef TESTING_FIND_ZTMEMORYFIELD_H_
#define TESTING_FIND_ZTMEMORYFIELD_H_

#include <string>

#include "find/ZTIField.h"

class ztMemoryField : public ZTIField {
 public:
  // For link fields, linked is the record set the links point into (one reference).
  ztMemoryField(const std::string& name, ztfFieldType type, PRUint32 index, ZTIRecordSet* linked);
  ~ztMemoryField() override;

  int GetName(char** ppcName) const override;
  int GetFieldType(ztfFieldType* peType) override;
  int GetLinkSubRecordSet(ZTIRecordSet** ppRecordSet) override;

  const std::string& name() const { return m_name; }
  ztfFieldType type() const { return m_type; }
  PRUint32 index() const { return m_uIndex; }

 private:
  std::string m_name;
  ztfFieldType m_type;
  PRUint32 m_uIndex;
  ZTIRecordSet* m_pLinked;
};

#endif  // TESTING_FIND_ZTMEMORYFIELD_H_
