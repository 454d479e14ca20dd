// ZTPageFile: one file of a native table as the back-end reads it: a record file of
// fixed-length records (laid out by its field collection) or a content file of variable-length
// values, plain or as zlib blocks described by a catalog. Ranges are read into fragments on
// demand; the open mode decides when the descriptor stays open. Nothing is ever written.
#ifndef BACKENDS_NATIVE_ZTPAGEFILE_H_
#define BACKENDS_NATIVE_ZTPAGEFILE_H_

#include <prio.h>

#include "backends/native/ZTNativeExport.h"
#include "backends/native/detail/ZTPageCatalog.h"
#include "backends/native/detail/ztBlockCache.h"
#include "core/ZTFile.h"

class ZTFldCollection;
class ZTIRecord;
class ZTPageFileFragment;
class ZTRecordPool;

class ZTNATIVE_API ZTPageFile : public ZTFile {
 public:
  enum OpenMode { STANDARD = 0, DELAYED = 1, TRANSIENT = 2, MAPPED = 3, PREMAPPED = 4 };

  ZTPageFile();
  ~ZTPageFile() override;

  // Record size from the field collection, a new record pool, the content files of DATA
  // fields, then the open-mode rules; small and PREMAPPED plain files are read whole.
  int Check() override;
  // Discards the current file (10 while static fragments are held), restores every default
  // and resolves name.
  int SetFileName(const char* name, const char* subname) override;
  int ConfigureItem(const char* section, const char* key, const char* value) override;
  // Pages and records of the file; -1 while the record size (or the page size) is 0.
  virtual PRInt32 GetPageCount();
  virtual PRInt32 GetRecordCount();
  // A pointer to record n, valid until the next load into the main fragment.
  virtual int GetRecordBuffer(PRUint32 n, const PRUint8** ppRecord);
  // A pooled record holding its own copy of record n.
  virtual int GetRecord(PRUint32 n, ZTIRecord** ppRecord);
  // The current fragment's bytes from the last requested offset, its length and its start.
  virtual const PRUint8* GetBufferPtr();
  virtual PRUint32 GetBufferSize();
  virtual PRUint32 GetBufferOffset();

  // Exact-case name of an open mode; an unknown name is logged and gives STANDARD.
  static OpenMode StringToOpenMode(const char* name);

  // Makes records [first, first + count) current.
  int LoadRecord(PRUint32 first, PRUint32 count);
  // Makes page p current, with the first record of the next page.
  int LoadPage(PRUint32 page);
  // Hands out a fragment of the caller's own holding records [first, first + count).
  int LoadStaticRecord(PRUint32 first, PRUint32 count, ZTPageFileFragment** ppFragment);
  // Makes the logical bytes [offset, offset + length) current, in the main fragment, or in a
  // static fragment handed to the caller when ppStatic is given.
  int Load(PRUint32 offset, PRUint32 length, ZTPageFileFragment** ppStatic);
  // Frees the main fragment's buffer when it holds more than MAXCACHESIZE bytes.
  int Unload();
  // Makes sure the logical size is known (the open-mode rules apply).
  int IsAvailable();
  // Drops every fragment, the descriptor and the catalog; 10 while static fragments exist.
  int Terminate();

  // The logical size: the file's size, or the catalog's total; 0 until known.
  PRUint32 GetLogicalSize() const { return m_uLogicalSize; }
  PRUint32 GetRecordSize() const { return m_uRecordSize; }
  PRUint32 GetPageSize() const { return m_uPageSize; }
  OpenMode GetOpenMode() const { return m_eOpenMode; }
  bool IsCompressed() const { return m_bCompressed; }
  bool IsEnciphered() const { return m_bEnciphered; }
  bool IsOpen() const { return m_pFd != nullptr; }
  PRUint32 GetFragmentCount() const { return m_uFragmentCount; }
  ZTFldCollection* GetFldCollection() const { return m_pFields; }

  // Called by a static fragment when its last holder releases it.
  void RemoveStaticFragment(ZTPageFileFragment* fragment);

 private:
  void RestoreDefaults();
  int ConfigurePageSize(const char* value);
  int ConfigureOpenMode(const char* value);
  int ConfigureCatalog(const char* value);
  int LoadCatalog();
  // Opens the file when no descriptor is open (loading the catalog or taking the size).
  int OpenOnDemand();
  void TakeUse() { ++m_iUseCount; }
  void GiveBackUse();
  // The first fragment holding the range, or null.
  ZTPageFileFragment* FindFragment(PRUint32 offset, PRUint32 length) const;
  int AppendFragment(ZTPageFileFragment** ppFragment);
  // Chooses the target of a static load: the most recent static fragment when it can serve
  // the range (*pbExtend tells whether it must read more), else a new one.
  int ChooseStatic(PRUint32 offset, PRUint32 length, ZTPageFileFragment** ppTarget, bool* pbExtend);
  int Fill(ZTPageFileFragment* target, bool extend, PRUint32 offset, PRUint32 length);
  int FillCompressed(ZTPageFileFragment* target, PRUint32 offset, PRUint32 length);
  // The block kept earlier that holds the range, or null.
  ZTPageFileFragment* FindKeptBlock(PRUint32 offset, PRUint32 length) const;
  // Keeps the main fragment's block (then empty) before the main fragment reads another.
  void KeepMainBlock();
  void DropKeptBlocks();
  int LoadKeptStatic(PRUint32 offset, PRUint32 length, ZTPageFileFragment** ppStatic);
  // Makes a kept fragment current, holding a reference to it while it is.
  void SetCurrentKept(ZTPageFileFragment* fragment, PRUint32 offset);
  int FillPlain(ZTPageFileFragment* target, bool extend, PRUint32 offset, PRUint32 length);
  int CheckRecords(const char* caller, PRUint32 first, PRUint32 count);
  int HandOutStatic(PRUint32 first, PRUint32 count, ZTPageFileFragment** ppFragment, bool* pbDone);
  void SetCurrent(ZTPageFileFragment* fragment, PRUint32 offset);

  PRUint32 m_uPageSize;
  PRFileDesc* m_pFd;
  PRUint32 m_uLogicalSize;
  PRInt32 m_iRecordCount;
  PRInt32 m_iPageCount;
  PRUint32 m_uRecordSize;
  OpenMode m_eOpenMode;
  PRInt32 m_iUseCount;
  ZTPageFileFragment* m_pMain;
  // The main fragment first, then the static fragments in creation order (not counted:
  // each static fragment removes itself when released).
  ZTPageFileFragment** m_ppFragments;
  PRUint32 m_uFragmentCount;
  PRUint32 m_uFragmentCapacity;
  ZTPageFileFragment* m_pCurrent;
  // The reference held on a current fragment that the kept blocks may drop.
  ZTPageFileFragment* m_pCurrentHold;
  PRUint32 m_uCurrentOffset;
  PRUint32 m_uMaxCacheSize;
  bool m_bEnciphered;
  bool m_bCompressed;
  ZTPageCatalog m_catalog;
  // Blocks of a compressed file inflated earlier (none while MAXCACHESIZE limits the memory).
  ztBlockCache m_kept;
  ZTFldCollection* m_pFields;
  ZTRecordPool* m_pPool;
};

#endif  // BACKENDS_NATIVE_ZTPAGEFILE_H_
