// ZTLCFile: the lookup index of a table sorted on its lookup field: for every page of the
// record file, its first and last key and where the page's key texts lie in the lookup
// field's content file. Lines end with LF, fields are separated by TAB.
#ifndef BACKENDS_NATIVE_ZTLCFILE_H_
#define BACKENDS_NATIVE_ZTLCFILE_H_

#include "backends/native/ZTNativeExport.h"
#include "core/ZTFile.h"

class ZTNATIVE_API ZTLCFile : public ZTFile {
 public:
  enum LookupType { kUNum = 0, kSNum = 1, kText = 2 };

  struct Entry {
    const char* m_pcFirst;  // texts point into the file text
    const char* m_pcLast;
    PRUint32 m_uFirst;
    PRUint32 m_uLast;
    PRUint32 m_uOffset;  // the page's key texts in pack 0 of the lookup field
    PRUint32 m_uLength;
  };

  ZTLCFile();
  ~ZTLCFile() override;

  // Loads the index now when the default open mode is PREMAPPED.
  int Check() override;
  int ConfigureItem(const char* section, const char* key, const char* value) override;
  // Reads and parses the file once; an index with more lines than the record file has pages
  // (see SetPageLimit) or with a malformed offset or length is refused.
  int Load();
  // The page that can hold key (a text, or a pointer to a PRUint32 or PRInt32): 0 with the
  // page; 306 when the key lies outside every page, *piPage then being the page it follows
  // (-1 before the first).
  int Lookup(const void* key, LookupType type, PRInt32* piPage);
  // The last page whose first key is lower than key: 0 with that page when key is not above
  // its last key, 306 with it when key lies beyond it, 306 with -1 when there is none.
  int FindPageBefore(const void* key, LookupType type, PRInt32* piPage);

  void SetPageLimit(PRUint32 pages) { m_uPageLimit = pages; }
  bool IsLoaded() const { return m_bLoaded; }
  bool IsOldFormat() const { return m_bOldFormat; }
  PRUint32 GetEntryCount() const { return m_uCount; }
  const Entry& GetEntry(PRUint32 i) const { return m_pEntries[i]; }

 private:
  int ReadText(PRUint32* puSize);
  int Parse(PRUint32 size);
  int StoreField(Entry* entry, PRUint32 field, char* text, PRUint32 line);
  int Append(const Entry& entry);
  int CheckKey(const void* key, LookupType type);
  // The order of key against the first or last key of entry i.
  int Compare(const void* key, LookupType type, PRUint32 i, bool last) const;
  void Free();

  Entry* m_pEntries;
  PRUint32 m_uCount;
  PRUint32 m_uCapacity;
  bool m_bOldFormat;
  char* m_pcText;
  bool m_bLoaded;
  PRUint32 m_uPageLimit;
};

#endif  // BACKENDS_NATIVE_ZTLCFILE_H_
