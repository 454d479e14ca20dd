#include "testing/find/ztMemoryTable.h"

#include "testing/find/ztMemoryFldCollection.h"

ztMemoryTable::ztMemoryTable() : fields(new ztMemoryFldCollection()) {}

ztMemoryTable::~ztMemoryTable() {
  fields->Release();
}
