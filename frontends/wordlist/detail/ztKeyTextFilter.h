// ztKeyTextFilter: the base of the pattern filters of word lists. It reads the key text of
// each lookup record, lets the subclass match it, and lets the caller's filter (when there is
// one) decide about the keys that match. It stops with 19 when the list is interrupted.
#ifndef FRONTENDS_WORDLIST_DETAIL_ZTKEYTEXTFILTER_H_
#define FRONTENDS_WORDLIST_DETAIL_ZTKEYTEXTFILTER_H_

#include <prtypes.h>

#include <string>

#include "find/ZTIRecordFilter.h"
#include "frontends/wordlist/ZTWordListExport.h"

class ZTCursor;
class ZTIField;

class ZTFINDFEWORDLIST_API ztKeyTextFilter : public ZTIRecordFilter {
 public:
  // Keeps references to the field and the inner filter (may be null); piStop is borrowed.
  ztKeyTextFilter(ZTIField* textField, ZTIRecordFilter* inner, const int* piStop);
  ~ztKeyTextFilter() override;

  // Keys stored reversed (the tables of endings) are matched as they read forwards.
  void SetReversed(bool reversed) { m_bReversed = reversed; }

  int Reset() override;
  int CheckRecord(ZTIRecord* record, int* pbKeep) override;
  int SetRecordSet(ZTIRecordSet* recordSet) override;
  // A new cursor of the records first .. first + count - 1 of table that the filter keeps,
  // their keys read in one go (as a pass over them would: the filter is reset first).
  int FilterRun(ZTIRecordSet* table, PRUint32 first, PRUint32 count, ZTCursor** ppOut);

 protected:
  // *pbMatch for the key text (NUL-terminated, length bytes); a non-zero code stops the pass.
  virtual int MatchKey(const char* text, PRUint32 length, int* pbMatch) = 0;

 private:
  class RunVisitor;

  // *pbMatch for a stored value (size bytes, its NUL included when it has one).
  int MatchValue(const PRUint8* value, PRUint32 size, int* pbMatch);

  ZTIField* m_pTextField;
  ZTIRecordFilter* m_pInner;
  const int* m_piStop;
  bool m_bReversed = false;
  std::string m_text;
};

#endif  // FRONTENDS_WORDLIST_DETAIL_ZTKEYTEXTFILTER_H_
