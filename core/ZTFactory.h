// ZTFactory, the component factory: engine objects whose code lives in separately loaded
// modules are created by component URL, "category:name:arguments". The process-wide factory
// maps categories to category factories, which map names to the modules' create functions.
#ifndef CORE_ZTFACTORY_H_
#define CORE_ZTFACTORY_H_

#include <plhash.h>
#include <prtypes.h>

#include "core/ZTCoreExport.h"

class ZTRefCount;
struct ztID;

// Creates one component. Receives the URL text after the second colon (possibly empty),
// stores a new object with one reference in *ppOut and returns 0, or returns an error code.
typedef int (*ZTCreateFunction)(const char* pcszArgs, ZTRefCount** ppOut);

// One row of a module's component table; a table ends with a row whose category is null.
struct ZTComponentData_s {
  const char* m_pcszCategory;
  const char* m_pcszName;
  ZTCreateFunction m_pfnCreate;
};

// Not reference counted: a factory is deleted directly. Its table maps string keys (copies
// owned by the table) to values owned by the derived class, which deletes them in DeleteValue.
class ZTCORE_API ZTFactory {
 public:
  ZTFactory();
  ZTFactory(const ZTFactory&) = delete;
  ZTFactory& operator=(const ZTFactory&) = delete;

  // Derived classes destroy their table in their own destructor (DeleteValue is theirs).
  virtual ~ZTFactory();
  // Loads and registers every module of one directory; the base loads nothing and returns 10.
  virtual int BrowseDirectory(const char* pcszDirectory, int iVerbosity);
  // Final: from then on HasComponent and CreateInstance fail with 710.
  virtual int Terminate();
  // Restores nothing; in particular a terminated factory stays terminated.
  virtual int Reactivate();

 protected:
  // Called once the table exists.
  virtual int OnInit() = 0;
  virtual int RealHasComponent(void* pValue, const char* pcszRest, PRBool* pbHas) = 0;
  virtual int RealCreateInstance(void* pValue, const char* pcszRest, ZTRefCount** ppOut) = 0;
  virtual void DeleteValue(void* pValue) = 0;

 public:
  // 710 when terminated; otherwise creates the table and returns OnInit's code.
  int Init();
  // Sets *pbHas to whether url names a registered component. 1 when url or pbHas is null,
  // 10 when url lacks a colon, 710 terminated, 711 not initialised.
  int HasComponent(const char* pcszUrl, PRBool* pbHas);
  // Creates the component named by url with the text after its second colon as arguments.
  // 10 when url is null or lacks a colon, 11 when the category or name is not registered,
  // 710 terminated, 711 not initialised, else the create function's code.
  int CreateInstance(const char* pcszUrl, ZTRefCount** ppOut);
  // Finds a mounted ISO-9660 disc by its volume label and puts its mount directory in front
  // of the engine's PATH; 11 when no mounted disc carries the label. The integer is ignored.
  int AddDisk(const char* pcszVolumeLabel, int iUnused);

  // The process-wide factory, created (and its modules loaded) on first use. The caller
  // receives no reference and never deletes it.
  static int GetFactory(ZTFactory** ppFactory);
  // Deletes the installed factory if it is another one, then installs factory (may be null).
  static int SetFactory(ZTFactory* pFactory);
  // Decodes a URL-encoded string in place: '+' is a blank, "%hh" a byte. A malformed escape
  // is replaced by a final '?' and gives 1.
  static int UrlDecode(char* pcString);

 protected:
  // The value registered under key, or null.
  void* FindEntry(const char* pcszKey) const;
  // Adds value under a copy of key; 12 when memory runs out (the value stays the caller's).
  int AddEntry(const char* pcszKey, void* pValue);
  // Destroys the table, handing every value to DeleteValue.
  void DestroyTable();

  PLHashTable* m_pTable;
  PRBool m_bTerminated;

 private:
  // Checks that the factory can resolve URLs; op names the operation in the message.
  int CheckActive(const char* pcszOperation) const;
  // Splits url at its first colon and looks the text before it up: 10 without a colon, 12
  // when the key cannot be copied, else 0 with *ppValue null when the key is not registered.
  // *ppcKey receives the key (free with PL_strfree).
  int Lookup(const char* pcszUrl, char** ppcKey, const char** ppcszRest, void** ppValue) const;

  static void* AllocTable(void* pPool, PRSize size);
  static void FreeTable(void* pPool, void* pItem);
  static PLHashEntry* AllocEntry(void* pPool, const void* pKey);
  static void FreeEntry(void* pPool, PLHashEntry* pEntry, PRUintn flag);
  static PLHashAllocOps m_sAllocOps;
};

// Creates the component of url and hands it over as interface iid (one reference): the
// factory's code, or 10 when the object does not have that interface. *ppOut is null on failure.
ZTCORE_API int ztCreateComponent(const char* pcszUrl, const ztID& iid, void** ppOut);

#endif  // CORE_ZTFACTORY_H_
