// ztfRecordFilterUNumInCursor keeps the records whose unsigned field value is in a cursor.
#ifndef FIND_ZTFRECORDFILTERUNUMINCURSOR_H_
#define FIND_ZTFRECORDFILTERUNUMINCURSOR_H_

#include "find/ZTIRecordFilter.h"

class ZTCursor;
class ZTIField;

class ZTFIND_API ztfRecordFilterUNumInCursor : public ZTIRecordFilter {
 public:
  ztfRecordFilterUNumInCursor();
  ~ztfRecordFilterUNumInCursor() override;
  ZT_DECLARE_ZTIID

  // Both stored with one reference, set by the filter's owner.
  int SetField(ZTIField* field);
  // The accepted values (looked up with ZTCursor::Lookup, so ascending or a bitmap).
  int SetCursor(ZTCursor* cursor);
  int CheckRecord(ZTIRecord* record, int* pbKeep) override;

 private:
  ZTIField* m_pField;
  ZTCursor* m_pCursor;
};

#endif  // FIND_ZTFRECORDFILTERUNUMINCURSOR_H_
