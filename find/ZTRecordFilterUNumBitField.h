// ZTRecordFilterUNumBitField keeps or rejects records by rules on bits of an unsigned field:
// the first rule whose range holds (value >> shift) & mask decides, else the default policy.
#ifndef FIND_ZTRECORDFILTERUNUMBITFIELD_H_
#define FIND_ZTRECORDFILTERUNUMBITFIELD_H_

#include "find/ZTIRecordFilter.h"
#include "find/ztLinkedField.h"

class ZTFIND_API ZTRecordFilterUNumBitField : public ZTIRecordFilter {
 public:
  ZTRecordFilterUNumBitField();
  ~ZTRecordFilterUNumBitField() override;
  ZT_DECLARE_ZTIID

  int SetField(const char* name);
  int SetOptionalLink(const char* linkFieldName, ZTIRecordSet* linkedRecordSet,
                      int bRanksAreRecordNumbers);
  // Resolves the field (and link) in the set, then stores it.
  int SetRecordSet(ZTIRecordSet* recordSet) override;
  int SetDefaultPolicy(int bAccept);
  // No rules, default policy accept.
  int Clear();
  // Each appends one rule; 12 when memory runs out.
  int AddRule(PRUint32 accept, PRUint32 shift, PRUint32 mask, PRUint32 minimum, PRUint32 maximum);
  int AddAcceptedValue(PRUint32 value);
  int AddAcceptedRange(PRUint32 low, PRUint32 high);
  int AddRejectedValue(PRUint32 value);
  int AddRejectedRange(PRUint32 low, PRUint32 high);
  int CheckRecord(ZTIRecord* record, int* pbKeep) override;

 private:
  struct Rule {
    PRUint32 accept;
    PRUint32 shift;
    PRUint32 mask;
    PRUint32 minimum;
    PRUint32 maximum;
  };
  int Decide(PRUint32 value) const;

  ztLinkedField m_field;
  int m_bDefaultPolicy;
  Rule* m_pRules;
  PRUint32 m_uRules;
  PRUint32 m_uRuleCapacity;
};

#endif  // FIND_ZTRECORDFILTERUNUMBITFIELD_H_
