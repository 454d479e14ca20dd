// Creating the record sets and fields a word list is configured with.
#ifndef FRONTENDS_WORDLIST_DETAIL_ZTWORDLISTTABLES_H_
#define FRONTENDS_WORDLIST_DETAIL_ZTWORDLISTTABLES_H_

struct ztID;
class ZTIField;
class ZTIRecordSet;

// The object of the component url as interface iid, with one reference; the factory's code, or
// 10 when the object does not have that interface.
int ztCreateComponent(const char* url, const ztID& iid, void** ppOut);

// The record set of the component "recordset:" + value, with one reference; the factory's
// code, or 10 when the component is not a record set.
int ztCreateWordListRecordSet(const char* value, ZTIRecordSet** ppSet);

// The field name of the record set that field links to, with one reference; the link's or the
// field collection's code.
int ztLinkedFieldByName(ZTIField* field, const char* name, ZTIField** ppField);

#endif  // FRONTENDS_WORDLIST_DETAIL_ZTWORDLISTTABLES_H_
