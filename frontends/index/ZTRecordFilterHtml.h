// ZTRecordFilterHtml: keeps the document-occurrence records whose title level (bits 2 to 4 of
// the structure field) is chosen: level 0 (the main title and body text) when the main-title
// check is on, levels 1 up to the title-level limit otherwise.
#ifndef FRONTENDS_INDEX_ZTRECORDFILTERHTML_H_
#define FRONTENDS_INDEX_ZTRECORDFILTERHTML_H_

#include "find/ZTIRecordFilter.h"
#include "frontends/index/ZTIndexExport.h"

class ZTIField;

class ZTFINDFEINDEX_API ZTRecordFilterHtml : public ZTIRecordFilter {
 public:
  ZTRecordFilterHtml();
  ~ZTRecordFilterHtml() override;
  ZT_DECLARE_ZTIID

  // A copy of the structure field's name, resolved in every record set the filter is given;
  // 1 for a null name, 12 without memory.
  int SetStructureFieldName(const char* name);
  int SetCheckMainTitle(int check);
  int SetCheckTitleLevel(unsigned level);
  // 10 before SetStructureFieldName; the field lookup's code when the set lacks the field.
  int SetRecordSet(ZTIRecordSet* recordSet) override;
  int CheckRecord(ZTIRecord* record, int* pbKeep) override;

 private:
  char* m_pcStructureFieldName;
  ZTIField* m_pStructureField;
  int m_bCheckMainTitle;
  unsigned m_uCheckTitleLevel;
};

#endif  // FRONTENDS_INDEX_ZTRECORDFILTERHTML_H_
