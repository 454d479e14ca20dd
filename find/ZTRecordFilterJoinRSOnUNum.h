// ZTRecordFilterJoinRSOnUNum keeps the records whose unsigned field value occurs among the
// values of a join field over the records of a join cursor: a merge join of two ascending
// streams, so records must be offered in ascending order of their value (Reset starts over).
#ifndef FIND_ZTRECORDFILTERJOINRSONUNUM_H_
#define FIND_ZTRECORDFILTERJOINRSONUNUM_H_

#include "find/ZTIRecordFilter.h"

class ZTCursor;
class ZTIField;

class ZTFIND_API ZTRecordFilterJoinRSOnUNum : public ZTIRecordFilter {
 public:
  ZTRecordFilterJoinRSOnUNum();
  ~ZTRecordFilterJoinRSOnUNum() override;
  ZT_DECLARE_ZTIID

  int SetFieldName(const char* name);
  // Resolves the field in the set, then stores the set.
  int SetRecordSet(ZTIRecordSet* recordSet) override;
  // Resolves the join field in joinRecordSet, then stores the cursor and the set.
  int SetFilterData(ZTCursor* joinCursor, ZTIRecordSet* joinRecordSet, const char* joinField);
  int Reset() override;
  int CheckRecord(ZTIRecord* record, int* pbKeep) override;

 private:
  char* m_pcFieldName;
  ZTIField* m_pField;
  ZTCursor* m_pJoinCursor;
  ZTIRecordSet* m_pJoinRecordSet;
  ZTIField* m_pJoinField;
  PRUint32 m_uPosition;
};

#endif  // FIND_ZTRECORDFILTERJOINRSONUNUM_H_
