// ZTSubFactory, the factory of one category: maps component names to ZTComponents.
#ifndef CORE_DETAIL_ZTSUBFACTORY_H_
#define CORE_DETAIL_ZTSUBFACTORY_H_

#include "core/ZTFactory.h"

class ZTModule;

class ZTCORE_API ZTSubFactory : public ZTFactory {
 public:
  ZTSubFactory();
  ~ZTSubFactory() override;

  // Registers the row's name with its create function; a name registered already keeps its
  // first component (reported at verbosity 1 and more). 1 for a row without a name or a
  // create function, 12 when memory runs out.
  int RegisterComponents(ZTModule* pModule, const ZTComponentData_s* pRow, int iVerbosity);

 protected:
  int OnInit() override;
  int RealHasComponent(void* pValue, const char* pcszRest, PRBool* pbHas) override;
  int RealCreateInstance(void* pValue, const char* pcszRest, ZTRefCount** ppOut) override;
  void DeleteValue(void* pValue) override;
};

#endif  // CORE_DETAIL_ZTSUBFACTORY_H_
