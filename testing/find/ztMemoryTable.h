// The data of an in-memory record set, shared by the set and the sub record sets cut from it:
// fields and one row of values per record.
#ifndef TESTING_FIND_ZTMEMORYTABLE_H_
#define TESTING_FIND_ZTMEMORYTABLE_H_

#include <prtypes.h>

#include <string>
#include <vector>

#include "core/ZTRefCount.h"

class ztMemoryFldCollection;

struct ztMemoryValue {
  PRUint32 u = 0;
  PRInt32 s = 0;
  std::string data;  // the bytes of a data field (text fields hold their NUL)
  PRUint32 linkFirst = 0;
  PRUint32 linkCount = 0;
};

class ztMemoryTable : public ZTRefCount {
 public:
  ztMemoryTable();
  ~ztMemoryTable() override;

  ztMemoryFldCollection* fields;  // one reference
  std::vector<std::vector<ztMemoryValue>> rows;
  int lookupField = -1;  // index of the field the records are ordered by
};

#endif  // TESTING_FIND_ZTMEMORYTABLE_H_
