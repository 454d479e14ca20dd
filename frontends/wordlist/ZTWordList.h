// ZTWordList: headword searches over a word table (exact, begins with, ends with, each on the
// exact or on the simplified lookup tables) and the following of configured links from the
// words found. It owns no storage: its configuration file names the record sets, created
// through the factory, and the fields that chain them.
#ifndef FRONTENDS_WORDLIST_ZTWORDLIST_H_
#define FRONTENDS_WORDLIST_ZTWORDLIST_H_

#include <prtypes.h>

#include "core/ZTTextFile.h"
#include "frontends/wordlist/ZTWordListExport.h"

class ZTCursor;
class ZTIField;
class ZTIFldCollection;
class ZTIRecordFilter;
class ZTIRecordSet;
class ztIStringSimplifier;
class ztKeyTextFilter;

class ZTFINDFEWORDLIST_API ZTWordList : public ZTTextFile {
 public:
  enum eSearchMode { eExact = 1, eBeginsWith = 2, eEndsWith = 3 };

  // The simplifier of the simplified tables unless the configuration names another.
  static const char* const kDefaultSimplifierURL;

  ZTWordList();
  ~ZTWordList() override;
  ZT_DECLARE_ZTIID

  // Opens the configuration file, creates the default simplifier and parses the file; the
  // first non-zero code.
  int SetFileName(const char* name, const char* subname) override;
  int ConfigureItem(const char* section, const char* key, const char* value) override;
  // Replaces the simplifier by a new one created through the factory; the factory's code.
  virtual int SetSimplifierURL(const char* url);

  // A new cursor of word-table records: the words whose key (exactly, or simplified when
  // bExactTables is clear) equals, begins with or ends with key, kept by filter (records of
  // the exact lookup table; may be null), followed through links (may be null).
  int GetWords(int mode, int bExactTables, ZTIRecordFilter* filter, const char* links,
               const char* key, ZTCursor** ppOut);
  // The simplifier that made the keys of the simplified tables (one reference, null when
  // there is none). Given back to the pattern searches, it lets them check the patterns
  // against those keys before following their links.
  int GetSimplifier(ztIStringSimplifier** ppOut);
  // Follows "field,subfield,merge|..." from words; see ZTWordListLinks.cpp.
  int ResolveLinks(ZTCursor* words, const char* links, ZTCursor** ppOut);
  int ResolveLink(ZTCursor* words, const char* field, const char* subField, ZTCursor** ppOut);
  int ResolveUNum(ZTCursor* words, const char* field, ZTCursor** ppOut);
  // May be called from another thread: the running search returns 19 at its next check.
  void Interrupt() { m_iInterrupt = 1; }

  int SetWordRecordSet(ZTIRecordSet* set);
  int GetWordRecordSet(ZTIRecordSet** ppSet);
  int SetLookupRecordSet(ZTIRecordSet* set, ZTIField* field, ZTIField* subField,
                         ZTIField* textTokenField);
  int SetRevLookupRecordSet(ZTIRecordSet* set, ZTIField* field);
  int SetCapLookupRecordSet(ZTIRecordSet* set, ZTIField* field, ZTIField* subField);
  int SetRevCapLookupRecordSet(ZTIRecordSet* set, ZTIField* field);
  int GetLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField, ZTIField** ppSubField,
                         ZTIField** ppTextTokenField);
  int GetRevLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField);
  int GetCapLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField, ZTIField** ppSubField);
  int GetRevCapLookupRecordSet(ZTIRecordSet** ppSet, ZTIField** ppField);

 protected:
  ZTIField* GetTextTokenField() const { return m_pTextTokenField; }
  // The flag Interrupt sets, for filters that run during a search.
  const int* GetStopFlag() const { return &m_iInterrupt; }
  // The key simplified by the list's simplifier, in a new buffer from the NSPR allocator
  // (PR_Free); 2 when the list has no simplifier, else the simplifier's code.
  int SimplifyKey(const char* key, char** ppcOut);
  // The key field (one reference) of the simplified table a search in mode reads, when a
  // search with simplifier may check its pattern against that table's keys (the simplifier
  // is the list's own); else null.
  ZTIField* GetSimplifiedKeyField(int mode, ztIStringSimplifier* simplifier);
  // GetWords, with keyFilter (may be null) keeping the records of the simplified table whose
  // key (forwards) may match before their links are followed.
  int GetFilteredWords(int mode, int bExactTables, ztKeyTextFilter* keyFilter,
                       ZTIRecordFilter* filter, const char* links, const char* key,
                       ZTCursor** ppOut);

 private:
  // The table a search reads and how its records lead to the exact lookup table.
  struct Search {
    int m_iMode;
    bool m_bSimplified;
    ZTIRecordSet* m_pTable;    // borrowed
    ZTIField* m_pNumberField;  // reverse tables: the record of the forward table
  };
  int ConfigureWordTable(const char* key, const char* value);
  int ConfigureLookup(const char* key, const char* value);
  int ConfigureCapLookup(const char* key, const char* value);
  // RSURL and FIELD of a section that names a record set and one field of it.
  int ConfigureNumbered(const char* key, const char* value, ZTIRecordSet** ppSet,
                        ZTIField** ppField);
  int SetWordTable(ZTIRecordSet* set);
  int SelectTable(int mode, int bExactTables, Search* search);
  int FindRange(const Search& search, const char* key, ZTCursor** ppOut);
  int ToLookupRecords(const Search& search, ZTCursor** ppCursor);
  int ApplyFilter(ZTIRecordFilter* filter, ZTIRecordSet* table, ZTCursor* cursor);
  int FilterKeys(ztKeyTextFilter* filter, ZTIRecordSet* table, ZTCursor** ppCursor);
  int ToWords(ZTCursor** ppCursor);
  // Replaces *ppCursor by the result of a resolver (when rc is 0), then answers 19 when the
  // search was interrupted; the cursor is released on any failure.
  int Step(int rc, ZTCursor* next, ZTCursor** ppCursor);
  int Follow(ZTCursor* current, char* entry, ZTCursor** ppOut);

  ZTIRecordSet* m_pWordTable;
  ZTIFldCollection* m_pWordFields;
  ZTIRecordSet* m_pLookupTable;
  ZTIField* m_pLookupField;
  ZTIField* m_pLookupSubField;
  ZTIField* m_pTextTokenField;
  ZTIRecordSet* m_pRevLookupTable;
  ZTIField* m_pRevLookupField;
  ZTIRecordSet* m_pCapLookupTable;
  ZTIField* m_pCapLookupField;
  ZTIField* m_pCapLookupSubField;
  ZTIRecordSet* m_pRevCapLookupTable;
  ZTIField* m_pRevCapLookupField;
  PRUint8 m_bPresorted;
  int m_iInterrupt;  // the stop flag of the running search
  ztIStringSimplifier* m_pSimplifier;
};

#endif  // FRONTENDS_WORDLIST_ZTWORDLIST_H_
