// The fields of an in-memory record set, in declaration order.
#ifndef TESTING_FIND_ZTMEMORYFLDCOLLECTION_H_
#define TESTING_FIND_ZTMEMORYFLDCOLLECTION_H_

#include <vector>

#include "find/ZTIFldCollection.h"
#include "testing/find/ztMemoryField.h"

class ztMemoryFldCollection : public ZTIFldCollection {
 public:
  ~ztMemoryFldCollection() override;

  int GetField(const char* name, ZTIField** ppField) const override;
  int GetFieldCount(PRUint32* puCount) const override;
  int GetField(PRUint32 index, ZTIField** ppField) const override;
  int GetFieldName(PRUint32 index, char** ppcName) const override;

  // Takes over the reference.
  void Add(ztMemoryField* field) { m_fields.push_back(field); }
  // Borrowed; null when there is no such field.
  ztMemoryField* Find(const char* name) const;
  ztMemoryField* At(PRUint32 index) const { return m_fields[index]; }
  PRUint32 Count() const { return static_cast<PRUint32>(m_fields.size()); }

 private:
  std::vector<ztMemoryField*> m_fields;
};

#endif  // TESTING_FIND_ZTMEMORYFLDCOLLECTION_H_
