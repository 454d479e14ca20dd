// Creating the record sets and fields a word list is configured with.
#ifndef FRONTENDS_WORDLIST_DETAIL_ZTWORDLISTTABLES_H_
#define FRONTENDS_WORDLIST_DETAIL_ZTWORDLISTTABLES_H_

class ZTIField;
class ZTIRecordSet;

// The field name of the record set that field links to, with one reference; the link's or the
// field collection's code.
int ztLinkedFieldByName(ZTIField* field, const char* name, ZTIField** ppField);

#endif  // FRONTENDS_WORDLIST_DETAIL_ZTWORDLISTTABLES_H_
