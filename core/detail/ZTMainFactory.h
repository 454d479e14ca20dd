// ZTMainFactory, the process-wide factory: maps category names to ZTSubFactories and fills
// them by loading the modules of the component directories when it is initialised.
#ifndef CORE_DETAIL_ZTMAINFACTORY_H_
#define CORE_DETAIL_ZTMAINFACTORY_H_

#include "core/ZTFactory.h"

class ZTEnvir;
class ZTModule;

class ZTCORE_API ZTMainFactory : public ZTFactory {
 public:
  ZTMainFactory();
  ~ZTMainFactory() override;

  // Loads every file of the directory whose name ends with a module extension and registers
  // its component table. Verbosity -1 reads it from ZT_DEBUG_MODULE. 1 when the directory
  // cannot be opened, 12 when memory runs out.
  int BrowseDirectory(const char* pcszDirectory, int iVerbosity) override;
  int Terminate() override;
  int Reactivate() override;

  // Registers one row in its category's factory, creating that factory on first use.
  int RegisterComponents(ZTModule* pModule, const ZTComponentData_s* pRow, int iVerbosity);

  // ".so" and ".dylib", then null.
  static const char* const s_ppcszValidDllExtensions[];

 protected:
  // Browses ZT_COM_PATH (else ZT_HOME + "/ztcomponents", else "./ztcomponents"), then
  // ZT_COM_PATH_APPEND, which is emptied.
  int OnInit() override;
  int RealHasComponent(void* pValue, const char* pcszRest, PRBool* pbHas) override;
  int RealCreateInstance(void* pValue, const char* pcszRest, ZTRefCount** ppOut) override;
  void DeleteValue(void* pValue) override;

 private:
  // Browses every non-empty piece of a ';'-separated path; cuts the path up on the way.
  void BrowsePath(char* pcPath, int iVerbosity);
  // Loads dir/name and registers its rows; 12 when memory runs out, else 0.
  int LoadModule(const char* pcszDirectory, const char* pcszName, int iVerbosity);
};

#endif  // CORE_DETAIL_ZTMAINFACTORY_H_
